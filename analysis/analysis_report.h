#pragma once
// What the headless tool prints besides the results grid: the statistics as JSON
// and the signature of a run (a hash that changes whenever a result changes).

#include <cstdint>
#include <optional>
#include <string>

#include "analysis/analysis_runner.h"
#include "exact/strategy_return.h"

namespace velmora {

// Every statistic of each strategy measured (in the single-strategy view, strategy 4
// alone) by name, with the rules, seed, threads, rounds and speed.
// `strategySignature` stands in for the request's strategy table when the table is
// not known (merged shards carry only its signature). With `exact`, the first
// strategy (flat bets, the table in force) also carries its exact advantage and edge
// ("ExactAdvantagePercent", "ExactEdgePercent").
std::string AnalysisJson(const AnalysisRequest& request, const AnalysisResult& result,
                         std::optional<uint64_t> strategySignature = std::nullopt,
                         const std::optional<StrategyReturn>& exact = std::nullopt);

// The results window's formats as text, filled with the run's summed statistics: what
// the window would show after the run, in the view the run was made in.
std::string ResultsText(const AnalysisRequest& request, const AnalysisResult& result);

// FNV-1a over every statistic of the four strategies and the block count.
uint64_t StatisticsSignature(const AnalysisResult& result);

// FNV-1a over a playing strategy: shards of one run must have played the same one.
uint64_t StrategySignature(const StrategyTable& table);

// The rules as the JSON of a run names them: {"Decks": 2, "Penetration": 3, ...}.
std::string RulesJson(const OptionsRecord& rules);

// One line naming the rules: "2 decks, 3/4 dealt, $25 table, S17, ...".
std::string RulesLine(const OptionsRecord& rules, bool advanced);

}  // namespace velmora
