#pragma once
// What the exact analysis says about strategy tables under a set of rules: the best
// strategy a table can hold, what each of its cells is worth, the expected return
// of any table and the cost of each cell in which it differs from the best.

#include <array>
#include <vector>

#include "exact/exact_model.h"
#include "strategy/editor_rows.h"
#include "strategy/strategy_table.h"

namespace velmora {

// The best strategy for a set of rules, and what each of its cells is worth.
struct ExactAdvice {
    ExactRules Rules;
    StrategyTable Best;
    StrategyReturn BestReturn;
    // The expected return lost, in percent of the initial bet per round, when one
    // cell of the best is set the other way and the rest kept; 0 for a cell the play
    // never reads under these rules. By hand class (kEditorRows' order), then up
    // card value 2..11.
    std::array<std::array<double, 12>, kEditorRows.size()> FlipCostPercent{};

    // The cost of row `code`, up card `up`; 0 for a row the editor does not show.
    double FlipCost(int code, int up) const;
};

// `stop` as for ExactModel, looked at between the up cards.
ExactAdvice AdviseExactly(const ExactModel& model, const std::atomic<bool>* stop = nullptr);

// One cell of the editor's rows in which a table differs from the best strategy.
struct CellCost {
    int Row = 0;              // row code
    int Up = 0;               // up card value 2..11
    bool TableTakes = false;  // the table takes the row's action there; the best does not
    double CostPercent = 0;   // the best's FlipCost of the cell
};

// The cells of the editor's rows in which `table` differs from the best and which the
// rules let make a difference, in the editor's order of rows, then up cards.
std::vector<CellCost> CellCosts(const ExactAdvice& advice, const StrategyTable& table);

struct ExactAnalysis {
    StrategyTable Best;
    StrategyReturn TableReturn;
    StrategyReturn BestReturn;
    std::vector<CellCost> Differences;
};

ExactAnalysis AnalyseTable(const ExactModel& model, const ExactAdvice& advice,
                           const StrategyTable& table);

}  // namespace velmora
