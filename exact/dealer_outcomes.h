#pragma once
// The dealer's final totals for an up card, worked out exactly from the cards left
// in the shoe. The dealer looks at the hole card before the player acts, so the
// player only ever plays against a dealer without blackjack: the figures here are
// those of the rounds in which the hole card does not make one.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "exact/rank_counts.h"

namespace velmora {

// Final totals 17, 18, 19, 20, 21 and bust, in this order.
constexpr int kDealerFinals = 6;
constexpr int kDealerBust = 5;
using DealerOutcomes = std::array<double, kDealerFinals>;

// Every way the dealer can draw to a standing total from one up card: each set of
// cards (the hole card and the draws) with the number of its orders the dealer
// actually draws. An order counts only if the dealer would not have stood before
// its last card and its first card, the hole card, makes no blackjack. The chance
// of drawing a given set in a given order depends only on how many cards of each
// rank the shoe holds, so the orders are counted once and any shoe weighs them.
class DealerDraws {
  public:
    DealerDraws(int upRank, bool hitsSoft17);

    // For the shoe the dealer draws from (the up card already out): the chance of
    // each final total together with "the hole card makes no blackjack". They add up
    // to NoBlackjackChance of the shoe when the shoe cannot run out.
    DealerOutcomes Weigh(const RankCounts& shoe) const;

    int UpRank() const { return upRank_; }
    size_t Sets() const { return sets_.size(); }

  private:
    struct Set {
        double orders;
        uint8_t final;  // index into DealerOutcomes
        uint8_t cards;  // hole card and draws
        uint8_t parts;  // ranks present, from base_ of the set on in parts_
    };
    struct Part {
        uint8_t rank;
        uint8_t count;
    };
    std::vector<Set> sets_;
    std::vector<uint32_t> base_;
    std::vector<Part> parts_;
    std::array<int, kRanks + 1> mostOfRank_{};
    int mostCards_ = 0;
    int upRank_;
};

// The chance that the hole card, drawn from `shoe`, does not give the dealer a
// blackjack with `upRank`: 1 unless the up card is an ace or a ten.
double NoBlackjackChance(const RankCounts& shoe, int upRank);

// The dealer's chance of each final total with `upRank` showing, drawing from `shoe`
// (the up card already out), given the dealer has no blackjack.
DealerOutcomes DealerProbabilities(const RankCounts& shoe, int upRank, bool hitsSoft17);

}  // namespace velmora
