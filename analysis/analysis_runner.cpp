#include "analysis/analysis_runner.h"

#include "analysis/analysis_workers.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace velmora {

namespace {
constexpr uint64_t kRoundsPerBlock = 100;
}  // namespace

bool SameAnalysisRules(const OptionsRecord& a, const OptionsRecord& b) {
    return a.Decks == b.Decks && a.Penetration == b.Penetration &&
           a.TableMinimum == b.TableMinimum && a.SurrenderAllowed == b.SurrenderAllowed &&
           a.DealerHitsSoft17 == b.DealerHitsSoft17 && a.DoubleAnyHand == b.DoubleAnyHand &&
           a.DoubleAfterSplit == b.DoubleAfterSplit && a.ResplitAllowed == b.ResplitAllowed &&
           a.BetTwoHands == b.BetTwoHands && a.SingleStrategyView == b.SingleStrategyView;
}

uint64_t ChunkSeed(uint64_t seed, uint64_t chunk) {
    // SplitMix64 of the pair: neighbouring chunks get unrelated seeds, and the
    // generator's own seeding spreads each over its whole state.
    uint64_t z = seed ^ (chunk * 0x9e3779b97f4a7c15ull + 0x632be59bd9b4e019ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

uint64_t ChunkBlocks(uint64_t totalBlocks) {
    // About 20 ms of play a chunk, and never more than 4096 chunks to keep.
    constexpr uint64_t kMinChunkBlocks = 2000;
    constexpr uint64_t kMaxChunks = 4096;
    return std::max(kMinChunkBlocks, (totalBlocks + kMaxChunks - 1) / kMaxChunks);
}

AnalysisResult RunAnalysis(const AnalysisRequest& r, const ProgressFn& progress) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto elapsed = [&start] {
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    AnalysisWorkers workers(r);
    // Taken as they finish, so few chunks wait in memory; the chunk order keeps the
    // sums the same to the last bit however the chunks fell to the threads.
    ChunkSums sums;
    auto lastReport = start;
    while (!workers.Done()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        workers.TakeFinished(sums);
        if (!progress || Clock::now() - lastReport < std::chrono::milliseconds(500)) continue;
        lastReport = Clock::now();
        progress(workers.BlocksPlayed() * kRoundsPerBlock, elapsed());
    }
    workers.Join();
    workers.TakeFinished(sums);
    workers.TakeTimed(sums);

    AnalysisResult result;
    result.Seconds = elapsed();
    result.Stats = sums.Stats;
    result.HourBlocks = sums.HourBlocks;
    result.CpuSeconds = workers.CpuSeconds();
    result.Rounds = result.HourBlocks * kRoundsPerBlock;
    return result;
}

}  // namespace velmora
