#pragma once
// The exact analysis as the headless tool prints it: the best strategy for the
// rules as the editor's grid, the expected return of the table in force and of
// the best strategy, and the cost of each cell in which the table differs from
// the best; as text, or as JSON.

#include <string>

#include "engine/options.h"
#include "exact/exact_analysis.h"

namespace velmora {

struct ExactRun {
    OptionsRecord Rules;
    std::string TableName;  // "default", "advanced" or the options file it came from
    ExactAnalysis Analysis;
    // Wall-clock and processor time of the whole analysis, and its parts.
    double Seconds = 0, CpuSeconds = 0;
    double ModelSeconds = 0, BestSeconds = 0,
           ReturnSeconds = 0;  // dealer and hands, advice, returns
};

std::string ExactText(const ExactRun& run);

// {"rules": {...}, "table": {"edge_percent": E, "advantage_percent": A},
//  "best": {"edge_percent": E, "advantage_percent": A, "rows": {"404": [2, 3], ...}},
//  "differences": [{"row": 212, "up": 4, "cost_percent": 0.21}, ...], "seconds": S}
std::string ExactJson(const ExactRun& run);

}  // namespace velmora
