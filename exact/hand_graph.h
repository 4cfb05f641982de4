#pragma once
// Every hand a player can hold, as the set of its cards: all sets worth at most 21
// with aces counted as 1, within the counts of a shoe. The order of the cards
// does not matter to the game's totals, and a strategy table decides by total,
// softness and permissions only, so the set is all the analysis needs to know.

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "exact/rank_counts.h"

namespace velmora {

struct HandNode {
    RankCounts cards;
    int hard = 0;  // aces counted as 1
    bool ace = false;
    int size = 0;  // cards in the hand
    // The hand with one more card of each rank; -1 where that card busts the hand or
    // the shoe has no such card left.
    std::array<int32_t, kRanks + 1> child{};

    // As the game counts it: one ace counts 11 while the total stays at 21 or less.
    bool Soft() const { return ace && hard + 10 <= 21; }
    int Total() const { return Soft() ? hard + 10 : hard; }
};

class HandGraph {
  public:
    explicit HandGraph(const RankCounts& shoe);

    // Ordered by falling hard total: every hand comes after all its children.
    const std::vector<HandNode>& Nodes() const { return nodes_; }
    const HandNode& operator[](int index) const { return nodes_[static_cast<std::size_t>(index)]; }
    int Size() const { return static_cast<int>(nodes_.size()); }
    // The index of the hand holding exactly `cards`; -1 if there is none.
    int Find(const RankCounts& cards) const;

  private:
    std::vector<HandNode> nodes_;
    std::unordered_map<uint64_t, int32_t> index_;
};

}  // namespace velmora
