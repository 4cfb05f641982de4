#include "analysis/exact_row.h"

#include <cstdio>

#include "analysis/cell_format.h"
#include "analysis/show_analysis.h"

namespace velmora {

namespace {

constexpr int kLabelColumn = 2;
constexpr int kFirstStrategyColumn = 3;

bool ShowsAllFourStatistics(const Game& game) {
    const uint8_t s = game.ResultsScreen;
    return !game.Options.SingleStrategyView && s != kOddsScreen && s != kCountScreen;
}

}  // namespace

void ShowExactAdvantage(const Game& game, const std::optional<StrategyReturn>& exact,
                        ResultsGrid& grid) {
    if (!ShowsAllFourStatistics(game)) return;
    grid.SetCell(kLabelColumn, kExactRow, exact ? kExactLabel : "");
    grid.SetCell(kFirstStrategyColumn, kExactRow,
                 exact ? AdvantageCell(exact->AdvantagePercent()) : "");
}

std::string ExactAdvantageToolTip(const StrategyReturn& exact) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "Worked out exactly for these rules and this strategy table: %.4f %% of the "
                  "money staked (%.4f %% of the initial bet), one hand a round from a fresh "
                  "shoe",
                  exact.AdvantagePercent(), exact.EdgePercent());
    return text;
}

}  // namespace velmora
