#include "exact/move_values.h"

#include <algorithm>
#include <cstddef>

#include "engine/game.h"
#include "exact/dealer_outcomes.h"

namespace velmora {

namespace {

// A hand as the pricing sees it: its total with aces as 1, and whether it holds an
// ace (which counts 11 while that keeps the hand at 21 or less).
int TotalOf(int hard, bool ace) {
    return ace && hard + 10 <= 21 ? hard + 10 : hard;
}

class Pricer {
  public:
    Pricer(const RankCounts& shoe, int upRank, bool hitsSoft17)
        : dealer_(DealerProbabilities(shoe, upRank, hitsSoft17)) {
        const double cards = shoe.Total();
        for (int r = 1; r <= kRanks; ++r) draw_[Index(r)] = cards > 0 ? shoe[r] / cards : 0;
    }

    double Stand(int total) const {
        if (total > 21) return -1;
        double value = dealer_[kDealerBust];
        for (int i = 0; i < kDealerBust; ++i) {
            const int dealerTotal = 17 + i;
            if (total > dealerTotal) value += dealer_[Index(i)];
            if (total < dealerTotal) value -= dealer_[Index(i)];
        }
        return value;
    }

    // One more card, then the better of standing and hitting on.
    double Hit(int hard, bool ace) {
        double value = 0;
        for (int r = 1; r <= kRanks; ++r) {
            const int next = hard + r;
            value += draw_[Index(r)] * (next > 21 ? -1.0 : StandOrHit(next, ace || r == kAceRank));
        }
        return value;
    }

    // Twice the bet, one card, stand.
    double Double(int hard, bool ace) const {
        double value = 0;
        for (int r = 1; r <= kRanks; ++r)
            value += draw_[Index(r)] * Stand(TotalOf(hard + r, ace || r == kAceRank));
        return 2 * value;
    }

    // Two hands of one card of `rank` each, played without splitting again; split
    // aces take one card each.
    double Split(int rank, const ExactRules& rules) {
        double hand = 0;
        for (int r = 1; r <= kRanks; ++r) {
            const int hard = rank + r;
            const bool ace = rank == kAceRank || r == kAceRank;
            double value = Stand(TotalOf(hard, ace));
            if (rank != kAceRank) {
                value = std::max(value, Hit(hard, ace));
                const int total = TotalOf(hard, ace);
                if (rules.DoubleAfterSplit && (rules.DoubleAnyHand || total == 10 || total == 11))
                    value = std::max(value, Double(hard, ace));
            }
            hand += draw_[Index(r)] * value;
        }
        return 2 * hand;
    }

  private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }

    double StandOrHit(int hard, bool ace) {
        std::optional<double>& known = memo_[Index(hard)][ace];
        if (!known) known = std::max(Stand(TotalOf(hard, ace)), Hit(hard, ace));
        return *known;
    }

    DealerOutcomes dealer_;
    std::array<double, kRanks + 1> draw_{};
    std::array<std::array<std::optional<double>, 2>, 22> memo_{};
};

}  // namespace

std::optional<double> MoveValues::Best() const {
    std::optional<double> best;
    for (const std::optional<double>& v : of)
        if (v && (!best || *v > *best)) best = v;
    return best;
}

std::optional<double> MoveValues::CostOf(int action) const {
    if (action < kStand || action > kSurrender) return std::nullopt;
    const std::optional<double> taken = of[static_cast<std::size_t>(action)];
    const std::optional<double> best = Best();
    if (!taken || !best) return std::nullopt;
    return *best - *taken;
}

MoveValues ValuesOfMoves(const ExactRules& rules, const HandToPrice& hand) {
    const int upRank = RankOfValue(hand.upValue);
    RankCounts shoe = rules.Shoe - hand.cards;
    shoe[upRank] -= 1;
    // A hand dealt from other cards than these rules' shoe (a practice shoe) still
    // prices against these rules; no count goes below none.
    for (int& count : shoe.n) count = std::max(count, 0);

    int hard = 0;
    for (int r = 1; r <= kRanks; ++r) hard += r * hand.cards[r];
    const bool ace = hand.cards[kAceRank] > 0;

    Pricer price(shoe, upRank, rules.DealerHitsSoft17);
    MoveValues values;
    values.of[kStand] = price.Stand(TotalOf(hard, ace));
    if (hard < 21) values.of[kHit] = price.Hit(hard, ace);
    if (hand.canDouble) values.of[kDouble] = price.Double(hard, ace);
    if (hand.canSplit && hand.cards.Total() == 2) {
        for (int r = 1; r <= kRanks; ++r)
            if (hand.cards[r] == 2) values.of[kSplit] = price.Split(r, rules);
    }
    if (hand.canSurrender) values.of[kSurrender] = -0.5;
    return values;
}

}  // namespace velmora
