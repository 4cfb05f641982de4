#include "analysis/worker_analysis.h"

#include <chrono>
#include <memory>

#include "analysis/analysis_workers.h"
#include "engine/run_loop.h"

namespace velmora {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kSingleViewRefresh = std::chrono::seconds(1);

ChunkSums Snapshot(const Game& g) {
    ChunkSums s;
    for (int i = 1; i <= kStrategyCount; ++i) s.Stats[static_cast<size_t>(i)] = g.Hand(i).Stats;
    s.HourBlocks = g.HourBlocks;
    return s;
}

void Show(Game& g, const ChunkSums& shown) {
    for (int i = 1; i <= kStrategyCount; ++i) g.StatsOf(i) = shown.Stats[static_cast<size_t>(i)];
    g.HourBlocks = shown.HourBlocks;
    g.RoundsInBatch = 100;  // the merged blocks are whole
}

// Ends the run with the game reset however the loop is left, after the workers.
struct ResetOnExit {
    Game& g;
    std::unique_ptr<AnalysisWorkers>& workers;
    ~ResetOnExit() {
        workers.reset();
        GameReset(g);
    }
};

}  // namespace

void RunWorkerAnalysis(Game& g, int threads, uint64_t chunkBlocks) {
    std::unique_ptr<AnalysisWorkers> workers;
    ResetOnExit reset{g, workers};
    ResetStatistics(g);
    const uint64_t runSeed = g.AnalysisSeed ? *g.AnalysisSeed : g.AnalysisRng.Next();
    g.RunSeed = runSeed;

    AnalysisRequest request;
    uint64_t starts = 0;
    ChunkSums base = Snapshot(g);  // what the workers' chunks add to
    ChunkSums played;              // their chunks so far, in chunk order
    ChunkSums shown = base;        // what the game holds: base + played
    auto start = [&] {
        request.Rules = g.Options;
        request.Strategy = g.Strategy;
        request.BankrollUnit = g.BankrollUnit;  // fixed when the analysis started
        request.Threads = threads;
        request.ChunkBlocks = chunkBlocks;
        // A restart plays new cards: its chunks must not repeat the ones already played.
        request.Seed = starts == 0 ? runSeed : ChunkSeed(~runSeed, starts);
        ++starts;
        workers.reset();
        workers = std::make_unique<AnalysisWorkers>(request);
        base = Snapshot(g);
        played = {};
        shown = base;
    };
    start();

    auto lastSingleRefresh = Clock::now() - kSingleViewRefresh;
    while (!g.StopRequested) {
        g.host.WaitForInput();
        if (g.StopRequested) break;
        // Someone else wrote the statistics: a loaded game. It is the new base.
        if (!(Snapshot(g) == shown)) {
            base = shown = Snapshot(g);
            played = {};
        }
        // The single-strategy button, new rules, or a loaded game of other rules or
        // strategy. A change the figures do not depend on (the sound, the speed)
        // keeps the chunks in flight.
        if (!SameAnalysisRules(g.Options, request.Rules) || !(g.Strategy == request.Strategy))
            start();

        if (workers->TakeFinished(played) == 0) continue;
        shown = base;
        shown.Add(played);
        Show(g, shown);
        if (!g.Results) continue;
        // The window's clock limits its redraws to one a clock second; in the
        // single-strategy view it does not tick, so the limit is kept here.
        if (g.Options.SingleStrategyView) {
            if (Clock::now() - lastSingleRefresh < kSingleViewRefresh) continue;
            lastSingleRefresh = Clock::now();
        }
        g.ResultsIdle = false;
        g.Results->RefreshAnalysis();
        g.ResultsIdle = true;
    }
}

}  // namespace velmora
