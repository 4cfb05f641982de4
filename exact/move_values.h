#pragma once
// What each move is worth for one hand the player holds against one up card, for
// pricing a single decision (what a mistake costs). Values are expected nets in
// initial bets of the hand, given the dealer has no blackjack: the player only
// acts once the dealer has looked.
//
// Unlike the table-wide analysis, this prices one decision in microseconds, with
// the shortcut of quick trainers: the dealer's chances and the cards the player
// draws come from the shoe as it stood at the decision (the full shoe less the
// hand and the up card), not recounted after each further card; the play after
// the move is the best of stand and hit (and double where allowed); a split pair
// is two hands of one card each, not split again. The tests hold the values to
// the published ones within a hundredth or two of a bet; a price is for ranking
// and showing mistakes, not for the table-wide figures (ExactModel gives those).

#include <array>
#include <optional>

#include "exact/exact_rules.h"
#include "exact/rank_counts.h"

namespace velmora {

struct MoveValues {
    // By action, kStand (1) .. kSurrender (5); empty where the move is not offered.
    std::array<std::optional<double>, 6> of{};

    std::optional<double> Best() const;
    // How much less than the best the move `action` is worth; empty when either is
    // unknown.
    std::optional<double> CostOf(int action) const;
};

struct HandToPrice {
    RankCounts cards;  // the hand's cards by rank
    int upValue = 0;   // the dealer's up card, 2..11
    bool canDouble = false;
    bool canSplit = false;
    bool canSurrender = false;
};

MoveValues ValuesOfMoves(const ExactRules& rules, const HandToPrice& hand);

}  // namespace velmora
