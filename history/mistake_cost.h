#pragma once
// Where the cost of a mistake comes from: the expected loss of the move taken
// against the best play, as a fraction of the bet. The program prices moves from
// the cards (ExactMistakeCost); without a cost the history keeps it empty.

#include <optional>

#include "engine/decision_report.h"

namespace velmora {

struct Game;

class MistakeCost {
  public:
    virtual ~MistakeCost() = default;
    // Empty when the cost of this move is not known.
    virtual std::optional<double> CostOf(const Game& game, const JudgedDecision& decision) = 0;
};

}  // namespace velmora
