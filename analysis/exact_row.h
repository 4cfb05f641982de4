#pragma once
// The results window's row of the exact expected value: under the advantage of the
// first betting strategy (flat bets, played by the strategy table in force), the
// advantage the exact analysis works out for the same rules and table, so the
// player sees the simulated figure converge on it. Shown in the statistics of all
// four strategies only; the single-strategy view does not show the first.

#include <optional>
#include <string>

#include "analysis/results_grid.h"
#include "engine/game.h"
#include "exact/strategy_return.h"

namespace velmora {

inline constexpr int kExactRow = 8;
inline constexpr char kExactLabel[] = " Exact Value";

// Writes the row after each redraw of the grid: the label and the value when
// `exact` is known, both empty while it is not. Other formats are left alone.
void ShowExactAdvantage(const Game& game, const std::optional<StrategyReturn>& exact,
                        ResultsGrid& grid);

// The tooltip of the exact value's cell.
std::string ExactAdvantageToolTip(const StrategyReturn& exact);

}  // namespace velmora
