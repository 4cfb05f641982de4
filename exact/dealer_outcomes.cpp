#include "exact/dealer_outcomes.h"

#include <algorithm>
#include <cassert>
#include <unordered_map>

namespace velmora {

namespace {

// The rank of the hole card that makes a blackjack with the up card; 0 for none.
int BlackjackHole(int upRank) {
    if (upRank == kAceRank) return kTenRank;
    if (upRank == kTenRank) return kAceRank;
    return 0;
}

// The dealer's best total: one ace counts 11 while that keeps the total at 21 or less.
int BestTotal(int hard, bool ace) {
    return ace && hard + 10 <= 21 ? hard + 10 : hard;
}

bool DealerStands(int hard, bool ace, bool hitsSoft17) {
    const int total = BestTotal(hard, ace);
    if (total != 17) return total > 17;
    const bool soft = ace && hard + 10 == 17;
    return !(hitsSoft17 && soft);
}

// Counts the dealer's drawing orders into the sets they draw.
struct OrderCounter {
    bool hitsSoft17;
    int noHole;  // rank the hole card may not have
    RankCounts drawn;
    std::unordered_map<uint64_t, std::pair<RankCounts, double>> sets;

    void Draw(int hard, bool ace, int cards) {
        if (cards > 0 && DealerStands(hard, ace, hitsSoft17)) {
            auto& entry = sets[drawn.Key()];
            entry.first = drawn;
            entry.second += 1;
            return;
        }
        for (int r = 1; r <= kRanks; ++r) {
            if (cards == 0 && r == noHole) continue;
            drawn[r] += 1;
            Draw(hard + r, ace || r == kAceRank, cards + 1);
            drawn[r] -= 1;
        }
    }
};

int FinalIndex(int hard, bool ace) {
    const int total = BestTotal(hard, ace);
    return total > 21 ? kDealerBust : total - 17;
}

}  // namespace

DealerDraws::DealerDraws(int upRank, bool hitsSoft17) : upRank_(upRank) {
    assert(upRank >= 1 && upRank <= kRanks);
    OrderCounter counter{hitsSoft17, BlackjackHole(upRank), {}, {}};
    counter.Draw(upRank, upRank == kAceRank, 0);

    // In key order, so the sums below add up the same way on every run.
    std::vector<std::pair<uint64_t, std::pair<RankCounts, double>>> found(counter.sets.begin(),
                                                                          counter.sets.end());
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [key, entry] : found) {
        const RankCounts& cards = entry.first;
        int hard = upRank;
        bool ace = upRank == kAceRank;
        Set set{entry.second, 0, static_cast<uint8_t>(cards.Total()), 0};
        base_.push_back(static_cast<uint32_t>(parts_.size()));
        for (int r = 1; r <= kRanks; ++r) {
            if (cards[r] == 0) continue;
            hard += r * cards[r];
            ace = ace || r == kAceRank;
            parts_.push_back({static_cast<uint8_t>(r), static_cast<uint8_t>(cards[r])});
            set.parts += 1;
            mostOfRank_[static_cast<size_t>(r)] =
                std::max(mostOfRank_[static_cast<size_t>(r)], cards[r]);
        }
        set.final = static_cast<uint8_t>(FinalIndex(hard, ace));
        mostCards_ = std::max(mostCards_, cards.Total());
        sets_.push_back(set);
    }
}

DealerOutcomes DealerDraws::Weigh(const RankCounts& shoe) const {
    // falling[r][m]: the orders of drawing m given cards of rank r from the shoe, one
    // by one (n (n-1) ... (n-m+1)); 0 once the shoe has too few.
    constexpr int kMostOfOneRank = 32;
    double falling[kRanks + 1][kMostOfOneRank + 1];
    for (int r = 1; r <= kRanks; ++r) {
        falling[r][0] = 1;
        const int most = std::min(mostOfRank_[static_cast<size_t>(r)], kMostOfOneRank);
        for (int m = 1; m <= most; ++m)
            falling[r][m] = falling[r][m - 1] * std::max(0, shoe[r] - (m - 1));
    }
    // One over the orders of drawing k cards from the whole shoe; 0 where the shoe
    // has fewer than k cards (no set of k cards can then be drawn either).
    const int size = shoe.Total();
    double perOrder[kMostOfOneRank + 1];
    double orders = 1;
    for (int k = 0; k <= std::min(mostCards_, kMostOfOneRank); ++k) {
        perOrder[k] = orders > 0 ? 1 / orders : 0;
        orders *= std::max(0, size - k);
    }

    DealerOutcomes out{};
    for (size_t i = 0; i < sets_.size(); ++i) {
        const Set& set = sets_[i];
        const Part* part = &parts_[base_[i]];
        double weight = set.orders * perOrder[set.cards];
        for (int p = 0; p < set.parts; ++p) weight *= falling[part[p].rank][part[p].count];
        out[set.final] += weight;
    }
    return out;
}

double NoBlackjackChance(const RankCounts& shoe, int upRank) {
    const int hole = BlackjackHole(upRank);
    const int size = shoe.Total();
    if (hole == 0 || size == 0) return 1;
    return 1 - static_cast<double>(shoe[hole]) / size;
}

DealerOutcomes DealerProbabilities(const RankCounts& shoe, int upRank, bool hitsSoft17) {
    DealerOutcomes out = DealerDraws(upRank, hitsSoft17).Weigh(shoe);
    const double noBlackjack = NoBlackjackChance(shoe, upRank);
    if (noBlackjack > 0)
        for (double& p : out) p /= noBlackjack;
    return out;
}

}  // namespace velmora
