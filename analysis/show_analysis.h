#pragma once
// What the results window shows during a Betting and Rules Analysis: the four betting
// strategies side by side in one of three formats, which the player cycles by
// clicking on the window. These operations fill a ResultsGrid from the game's
// statistics; the window itself (Qt) only draws the grid, hides its button and hint
// after Button1Click, and calls RefreshAnalysis after every block of 100 rounds.

#include <cstdint>

#include "analysis/results_grid.h"
#include "analysis/run_clock.h"
#include "engine/game.h"
#include "engine/random.h"

namespace velmora {

// Values of Game::ResultsScreen.
inline constexpr uint8_t kOddsScreen = 1;
inline constexpr uint8_t kCountScreen = 2;
inline constexpr uint8_t kStatisticsScreen = 3;

// The window captions of the three formats.
inline constexpr char kOddsTitle[] =
    "ODDS OF WINNING/LOSING MULTIPLES OF AVERAGE BET, IN ONE HOUR (100 Hands)";
inline constexpr char kCountTitle[] = "PLAYER ADVANTAGE BY CARD COUNT (Ratio of $Won/$Bet)";
inline constexpr char kStatisticsTitle[] = "STATISTICS, By Betting Strategy";

// Column 0 narrowed to a margin, row 0 made taller, and the strategy names as the
// heads of columns 3..6. Called once when the window is created.
void InitAnalysisGrid(ResultsGrid& grid);

// Redraws the grid in the format game.ResultsScreen names (a value outside 1..3 is
// shown as the statistics; the single-strategy view shows only the statistics). When
// game.AnalysisTitleRefresh is set, it is cleared and the layout is rebuilt first:
// title cell, emptied data cells, column widths, labels, selection and caption. Then
// the values are written.
void ShowAnalysis(Game& game, ResultsGrid& grid);

// A click on the window: the next format (statistics -> odds -> count -> statistics).
// Returns true when the format changed and the window must call ShowAnalysis; false
// in the single-strategy view, where clicks do nothing.
bool FormClick(Game& game);

// The window's small button: from now on only the fourth strategy is measured and
// shown, in the statistics format. The window then hides Button1 and Edit1 and
// calls ShowAnalysis.
void Button1Click(Game& game);

// After a block of 100 rounds: ticks the clock and redraws when it says so.
// Returns whether the grid was redrawn (and so whether the window must repaint).
bool RefreshAnalysis(Game& game, ResultsGrid& grid, RunClock& clock, const TimeOfDay& now);

}  // namespace velmora
