#include "exact/hand_graph.h"

#include <algorithm>

namespace velmora {

namespace {

// Every set of ranks from `rank` up, added to `cards`, that keeps the hard total at
// 21 or less.
void Collect(const RankCounts& shoe, int rank, RankCounts& cards, int hard,
             std::vector<HandNode>& out) {
    if (rank > kRanks) {
        HandNode node;
        node.cards = cards;
        node.hard = hard;
        node.ace = cards[kAceRank] > 0;
        node.size = cards.Total();
        out.push_back(node);
        return;
    }
    for (int m = 0; m <= shoe[rank] && hard + m * rank <= 21; ++m) {
        cards[rank] = m;
        Collect(shoe, rank + 1, cards, hard + m * rank, out);
    }
    cards[rank] = 0;
}

}  // namespace

HandGraph::HandGraph(const RankCounts& shoe) {
    RankCounts cards;
    Collect(shoe, 1, cards, 0, nodes_);
    // Falling hard total, then by key, so the order is the same on every run.
    std::sort(nodes_.begin(), nodes_.end(), [](const HandNode& a, const HandNode& b) {
        return a.hard != b.hard ? a.hard > b.hard : a.cards.Key() < b.cards.Key();
    });
    index_.reserve(nodes_.size());
    for (size_t i = 0; i < nodes_.size(); ++i)
        index_.emplace(nodes_[i].cards.Key(), static_cast<int32_t>(i));
    for (HandNode& node : nodes_) {
        node.child.fill(-1);
        for (int r = 1; r <= kRanks; ++r) {
            RankCounts more = node.cards;
            more[r] += 1;
            node.child[static_cast<size_t>(r)] = Find(more);
        }
    }
}

int HandGraph::Find(const RankCounts& cards) const {
    const auto it = index_.find(cards.Key());
    return it == index_.end() ? -1 : it->second;
}

}  // namespace velmora
