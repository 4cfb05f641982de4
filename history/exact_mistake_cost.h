#pragma once
// The cost of a judged move worked out from the cards: how much less than the best
// play for the rules in force the move is worth, in bets (exact/move_values.h).

#include "history/mistake_cost.h"

namespace velmora {

class ExactMistakeCost : public MistakeCost {
  public:
    std::optional<double> CostOf(const Game& game, const JudgedDecision& decision) override;
};

}  // namespace velmora
