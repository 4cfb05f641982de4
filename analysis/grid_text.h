#pragma once
// The results grid as plain text, for the headless analysis tool: the caption on
// the first line, then one line per grid row with every shown column padded to a
// fixed number of characters, so the columns line up in a fixed-width font.

#include <string>

#include "analysis/results_grid.h"
#include "engine/game.h"

namespace velmora {

// Pixels of the grid's font per character of text: a column of w pixels gets
// ceil(w / 6) characters, widened where a cell (without its trailing blanks) and
// one separating blank would not fit, so nothing is cut.
inline constexpr int kPixelsPerChar = 6;
// Columns this narrow are the margin (column 0) or hidden strategies; they are left out.
inline constexpr int kWidestOmittedColumn = 2;

// Caption line, then rows 0..19, each line ending in "\n" with trailing blanks trimmed.
std::string RenderGridText(const ResultsGrid& grid);

// The statistics, odds and count formats one after another, separated by a blank
// line, as a player clicking through the window would see them: in the
// single-strategy view the statistics alone. The game's ResultsScreen and
// AnalysisTitleRefresh are as they were afterwards.
std::string RenderAllFormats(Game& game);

}  // namespace velmora
