#include "history/exact_mistake_cost.h"

#include "engine/game.h"
#include "exact/exact_rules.h"
#include "exact/move_values.h"

namespace velmora {

std::optional<double> ExactMistakeCost::CostOf(const Game& game, const JudgedDecision& d) {
    if (d.hand < 1 || d.hand >= kHandCount || d.upCard < 2 || d.upCard > 11) return std::nullopt;
    // The move is judged before it is carried out: the hand still holds the cards
    // it was decided on.
    const THand& hand = game.Hand(d.hand);
    HandToPrice price;
    for (int i = 1; i <= hand.NumCards; ++i)
        price.cards[RankOfValue(hand.Cards[static_cast<size_t>(i)].Value)] += 1;
    price.upValue = d.upCard;
    price.canDouble = d.canDouble;
    price.canSplit = d.canSplit;
    price.canSurrender = d.canSurrender;
    return ValuesOfMoves(ExactRulesOf(game.Options), price).CostOf(d.taken);
}

}  // namespace velmora
