#pragma once
// What the exact analysis says about a strategy table under a set of rules: the
// best strategy a table can hold, the expected return of both, and what each cell
// in which the table differs from the best costs.

#include <vector>

#include "exact/exact_model.h"
#include "strategy/strategy_table.h"

namespace velmora {

// One cell of the editor's rows in which a table differs from the best strategy.
struct CellCost {
    int Row = 0;              // row code
    int Up = 0;               // up card value 2..11
    bool TableTakes = false;  // the table takes the row's action there; the best does not
    // The expected return lost, in percent of the initial bet per round, when this one
    // cell of the best strategy is set as the table has it.
    double CostPercent = 0;
};

struct ExactAnalysis {
    StrategyTable Best;
    StrategyReturn TableReturn;
    StrategyReturn BestReturn;
    std::vector<CellCost> Differences;  // in the editor's order of rows, then up cards
};

// The cells of the editor's rows in which `table` differs from `best` and which
// the rules let make a difference (a cell never read under them costs nothing and
// is left out).
std::vector<CellCost> CellCosts(const ExactModel& model, const StrategyTable& best,
                                const StrategyTable& table);

// Everything at once, for a model whose best strategy is already known.
ExactAnalysis AnalyseTable(const ExactModel& model, const StrategyTable& best,
                           const StrategyTable& table);

}  // namespace velmora
