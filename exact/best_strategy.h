#pragma once
// The best strategy a strategy table can hold for the rules of a model: for each of
// the editor's 35 rows and each up card, whether taking the row's action gives the
// higher expected return, with every other cell as good as it can be. The table
// decides by total and softness, not by the cards that make the total, so this is
// the best total-dependent strategy, found cell by cell: each cell is set to the
// better of its two values while the others stay, over and over until no cell
// changes. A cell that makes no difference under the rules (a double on 9 where
// only 10 and 11 may double) stays clear.

#include "exact/exact_model.h"
#include "strategy/strategy_table.h"

namespace velmora {

StrategyTable BestStrategy(const ExactModel& model);

}  // namespace velmora
