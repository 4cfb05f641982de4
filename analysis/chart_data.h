#pragma once
// What the charts window draws, read from the statistics of the betting strategies:
// how the hours of 100 rounds ended (the odds format of the results grid as bars) and
// the advantage at each card count (a line per strategy) beside how often each count
// came up. Numbers and words only; the window draws them and nothing else.

#include <optional>
#include <string>
#include <vector>

#include "engine/game.h"

namespace velmora {

// One strategy's values, one per category of its chart; none where nothing was measured.
struct ChartLine {
    std::string Name;
    std::vector<std::optional<double>> Values;
};

struct ChartData {
    std::string Title;
    std::string AxisX;
    std::string AxisY;
    std::vector<std::string> Categories;  // left to right
    std::vector<ChartLine> Lines;         // the strategies, in the grid's order
};

// The hourly results of each strategy: category k of -9..+9 is the share of hours
// (percent) that won at least k average bets (k > 0), lost at least -k (k < 0), or
// ended within half an average bet of even (k = 0). Named in dollars as the grid's
// odds format names its rows. The single-strategy view books no hours by result (the
// grid has no odds there): no lines, and a title that says so.
ChartData HourlyResults(const Game& game);

struct CountChartData {
    ChartData Advantage;                 // percent of the money staked at each count
    std::string ShareAxis;               // the second axis: the bars of HandShare
    std::vector<double> HandShare;       // percent of the hands played at each count
};

// The advantage at each count index -10..+10 (the ends hold every count beyond them),
// per strategy by the count it bets by; a count where a strategy staked nothing has
// no value. The share of hands is that of Basic Strategy, which plays every round at
// the conventional count. The single-strategy view books nothing by count: no lines,
// and a title that says so.
CountChartData AdvantageByCount(const Game& game);

// Lines that would hide one another on a chart: for each line, the first earlier line
// it coincides with, or -1. Two lines coincide when they have values at the same
// categories, at least one, each within `tolerance` of the other's. (Strategies that
// stake by the same count at a fixed multiple per count have the same advantage at
// every count: such lines lie exactly on each other.)
std::vector<int> CoincidingLines(const ChartData& chart, double tolerance);

// The legend's name of line i: its strategy's name, and the line it lies on, if any
// ("Card Counting (same line as Basic Strategy)").
std::string LegendName(const ChartData& chart, const std::vector<int>& coinciding, size_t i);

}  // namespace velmora
