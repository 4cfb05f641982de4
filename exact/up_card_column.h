#pragma once
// The rounds with one dealer up card, worked out as far as they do not depend on
// the playing strategy: for every hand the player can hold, the value of standing,
// of doubling and the part of a hit that busts, each from the exact cards left in
// the shoe. A strategy table then only chooses among these values, so weighing a
// table costs one pass over the hands.
//
// Values are expected nets per initial bet in the rounds with this up card, taken
// over all of them, including those in which the dealer turns out to hold
// blackjack (the "no blackjack" condition is inside each value, not divided out).
// That keeps every value a plain sum over card sequences: the player's cards come
// first from the shoe, and the hole card's chance of not making blackjack is
// worked out from the shoe left after the player's cards. Since the order in which
// unseen cards come out of a shuffled shoe does not matter, this is exact.

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "exact/dealer_outcomes.h"
#include "exact/exact_rules.h"
#include "exact/hand_graph.h"
#include "exact/split_hands.h"
#include "exact/table_moves.h"

namespace velmora {

struct ColumnReturn {
    double Net = 0;     // expected net of a round, per initial bet
    double Staked = 0;  // expected money staked in it (doubles and splits add), per initial bet
};

class UpCardColumn {
  public:
    UpCardColumn(const HandGraph& graph, const ExactRules& rules, int upRank);

    // The return of the rounds with this up card when `moves` decides every hand.
    ColumnReturn Evaluate(const TableMoves& moves) const;

    int UpRank() const { return upRank_; }

  private:
    // One hand in one situation: as dealt, or as one of the hands of a split pair
    // (which has one more card of the pair's rank out of the shoe).
    struct Entry {
        int32_t node;
        uint8_t total;
        bool soft;
        uint8_t pairRank;  // rank of a two-card pair; 0 for any other hand
        uint32_t firstEdge = 0;
        uint8_t edges = 0;
        double stand = 0, standStake = 0;  // standStake: the hand's one bet, when no blackjack
        double bust = 0, bustStake = 0;    // the part of a hit that busts
        double dbl = 0, dblStake = 0;
    };
    // A hit that does not bust: the hand it leads to and its chance.
    struct Edge {
        int32_t entry;
        double chance;
    };
    struct Situation {
        int extraRank = 0;   // a card of this rank is out besides the hand's own
        bool played = true;  // split aces take one card and are not played
        std::vector<Entry> entries;
        std::vector<int32_t> entryOfNode;  // -1 where the hand does not occur
    };
    // A two-card hand as dealt.
    struct Deal {
        double chance;
        double dealerBlackjack;  // the chance the hole card then makes blackjack
        int32_t entry;
        bool blackjack;
        int permissions;
    };
    // What a split of a pair becomes: the expected hands of each kind, and the
    // second cards of the unpaired ones with their chances.
    struct SplitPlan {
        SplitHands hands;
        std::vector<std::pair<int32_t, double>> unpaired;
        int32_t paired = -1;
    };
    using Values = std::vector<std::pair<double, double>>;  // (net, staked) per entry

    using DealerCache = std::unordered_map<uint64_t, DealerOutcomes>;
    void BuildSituation(const HandGraph& graph, const DealerDraws& draws, DealerCache& dealer,
                        int extraRank);
    void BuildDeals(const HandGraph& graph, const ExactRules& rules);
    std::pair<double, double> HitValue(const Entry& e, const Values& v) const;
    std::pair<double, double> TwoCardValue(const TableMoves& moves, int situation, int32_t entry,
                                           int permissions, const std::vector<Values>& v) const;
    std::pair<double, double> SplitValue(const TableMoves& moves, int pairRank,
                                         const std::vector<Values>& v) const;
    int SplitPermissions(const Entry& e) const;

    int upRank_;
    int upValue_;
    bool doubleAny_, doubleAfterSplit_;
    RankCounts shoe_;                    // the shoe without the up card
    std::vector<Situation> situations_;  // [0] as dealt, [p] split from a pair of rank p
    std::vector<Edge> edges_;
    std::vector<Deal> deals_;
    std::vector<SplitPlan> splits_;  // by pair rank
};

}  // namespace velmora
