#pragma once
// The analysis's statistics for a spreadsheet (CSV) and for the window's exports: a
// game's statistics as the request and result the headless tool prints from, so the
// window and the tool write the same files with the same code.

#include <optional>
#include <string>
#include <string_view>

#include "analysis/analysis_runner.h"
#include "engine/game.h"
#include "exact/strategy_return.h"

namespace velmora {

// One header line, then one line per strategy measured (in the single-strategy view,
// strategy 4 alone): its name, the rules, seed, rounds, hours, every statistic by name
// (the count-indexed ones one column per count), the advantage and its standard error
// in percent. Commas between fields, a dot for decimals, no thousands separators.
// The last two columns hold the exact advantage and edge of the first strategy (flat
// bets, the table in force) when `exact` is given; they are empty otherwise.
std::string AnalysisCsv(const AnalysisRequest& request, const AnalysisResult& result,
                        const std::optional<StrategyReturn>& exact = std::nullopt);

// The run shown in the window, as the tool would describe it: rules, strategy and
// the seed of the game; the statistics, hours and play time of the game.
AnalysisRequest RequestOfGame(const Game& game);
AnalysisResult ResultOfGame(const Game& game);

// The name of an export file as the player typed it, with `extension` (".csv") added
// when the file's name has none: "results" gives "results.csv", "results." too, while
// "results.txt" and "runs.d/results.csv" stay as typed. A leading dot (".results")
// starts a name, not an extension.
std::string WithExtension(std::string name, std::string_view extension);

}  // namespace velmora
