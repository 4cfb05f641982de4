#pragma once
// "velmora --bench-analysis SECONDS": the Betting and Rules Analysis run inside the
// main window for a few seconds, measured as the player would run it: rounds per
// second, and how late the window's events came while it ran.

#include <string>

namespace velmora {

class TMainForm;

struct BenchmarkResult {
    double Seconds = 0;
    long long Rounds = 0;
    long long EventPasses = 0;  // event passes handed to Qt during the run
    double WorstEventDelayMs = 0;  // the latest a 10 ms timer fired
    int Redraws = 0;             // redraws of the results window
    double RoundsPerSecond() const { return Seconds > 0 ? Rounds / Seconds : 0; }
    std::string Report() const;
};

// Starts the analysis from the Run menu's command and stops it after `seconds`.
BenchmarkResult RunAnalysisBenchmark(TMainForm& form, double seconds);

}  // namespace velmora
