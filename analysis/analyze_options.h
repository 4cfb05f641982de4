#pragma once
// The command line of the headless analysis tool, parsed into a request. Bad or
// out-of-range arguments come back as a readable message, never as a crash.

#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_runner.h"

namespace velmora {

struct AnalyzeOptions {
    AnalysisRequest Request;
    bool Json = false;
    bool Csv = false;
    bool Bench = false;
    bool Help = false;
    bool SeedGiven = false;
    bool Advanced = false;
    bool Merge = false;
    bool Exact = false;  // the exact analysis instead of a simulation
    std::vector<std::string> MergeFiles;  // --merge A.json B.json ...
    std::string OptionsFile;  // --options FILE: rules and strategy from an options file
};

struct ParseResult {
    std::optional<AnalyzeOptions> Options;
    std::string Error;  // set when Options is empty
};

// Defaults: the rules of `base` (a fresh options file when not given), 5 seconds,
// every core, a seed from the clock. Rule flags change the base rules.
ParseResult ParseAnalyzeArguments(const std::vector<std::string>& args, int defaultThreads,
                                  uint64_t clockSeed, const OptionsRecord* base = nullptr);

// The fixed workload of --bench: 2 decks dealt to 3/4, dealer stands on soft 17,
// double on any hand and after a split, re-split, no surrender, one hand a round.
AnalysisRequest BenchRequest();

const char* AnalyzeUsage();

}  // namespace velmora
