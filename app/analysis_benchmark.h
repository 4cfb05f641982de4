#pragma once
// "velmora --bench-analysis SECONDS": the Betting and Rules Analysis run inside the
// main window for a few seconds, measured as the player would run it: rounds per
// second, and how late the window's events came while it ran; then the headless tool
// for as long on one thread and on every core, for comparison.

#include <string>

namespace velmora {

class TMainForm;

struct BenchmarkResult {
    double Seconds = 0;
    long long Rounds = 0;
    long long EventPasses = 0;  // event passes handed to Qt during the run
    double WorstEventDelayMs = 0;  // the latest a 10 ms timer fired
    int Redraws = 0;             // redraws of the results window
    int Threads = 1;             // worker threads of the analysis
    double RoundsPerSecond() const { return Seconds > 0 ? Rounds / Seconds : 0; }
    std::string Report() const;
};

// Starts the analysis from the Run menu's command and stops it after `seconds`.
BenchmarkResult RunAnalysisBenchmark(TMainForm& form, double seconds);

// The headless tool on the same rules and strategy for as long, on one thread and on
// every core, beside the window's figure: lines of text for the benchmark's report.
std::string CompareWithTool(const BenchmarkResult& window, TMainForm& form, double seconds);

}  // namespace velmora
