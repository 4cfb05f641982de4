// The worker threads shared by the tool and the window: chunks taken in chunk order
// add up to the tool's run of as many rounds, and stopping leaves no chunk half added.

#include "analysis/analysis_workers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace velmora {
namespace {

// Small chunks: many of them finish within the tests' short runs, also under the
// sanitizers, so the chunk order and the stops are tested across many chunks.
constexpr uint64_t kChunk = 25;

AnalysisRequest OpenEnded(int threads, uint64_t seed) {
    AnalysisRequest r;
    ApplyDefaultOptions(r.Rules);
    ResetStrategyToDefault(r.Strategy);
    r.Threads = threads;
    r.Seed = seed;
    r.ChunkBlocks = kChunk;
    return r;  // neither rounds nor seconds: until stopped
}

// Threads of this process, as Linux lists them.
int ThreadsRunning() {
    int n = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/task"))
        ++n;
    return n;
}

// Takes finished chunks until at least `blocks` blocks are in, then stops.
ChunkSums PlayAtLeast(AnalysisWorkers& workers, uint64_t blocks) {
    ChunkSums sums;
    while (sums.HourBlocks < blocks) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        workers.TakeFinished(sums);
    }
    workers.Stop();
    workers.Join();
    return sums;
}

TEST(AnalysisWorkers, AnOpenEndedRunTakenInChunkOrderEqualsTheToolsRunOfAsManyRounds) {
    AnalysisWorkers workers(OpenEnded(2, 77));
    const ChunkSums sums = PlayAtLeast(workers, 12 * kChunk);
    ASSERT_EQ(sums.HourBlocks % kChunk, 0u);

    AnalysisRequest tool = OpenEnded(1, 77);
    tool.Rounds = sums.HourBlocks * 100;
    const AnalysisResult whole = RunAnalysis(tool);
    EXPECT_EQ(whole.HourBlocks, sums.HourBlocks);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(whole.Stats[size_t(s)], sums.Stats[size_t(s)]) << s;
}

TEST(AnalysisWorkers, StoppingAtAnyMomentLeavesOnlyWholeChunks) {
    // Repeated, with stops at once and a little later, so the sanitizer build sees
    // the threads end while they play, take chunks and write their results.
    for (int run = 0; run < 6; ++run) {
        AnalysisWorkers workers(OpenEnded(2, 100 + run));
        ChunkSums sums;
        std::this_thread::sleep_for(std::chrono::milliseconds(run * 15));
        workers.TakeFinished(sums);
        workers.Stop();
        workers.Join();
        EXPECT_TRUE(workers.Done());
        workers.TakeFinished(sums);
        EXPECT_EQ(sums.HourBlocks % kChunk, 0u) << run;
        int64_t hands = 0;
        for (int s = 1; s <= 4; ++s) hands += sums.Stats[size_t(s)].HandsPlayed;
        EXPECT_EQ(hands > 0, sums.HourBlocks > 0) << run;
        // Nothing comes in after the threads have returned.
        ChunkSums later;
        EXPECT_EQ(workers.TakeFinished(later), 0u);
    }
}

TEST(AnalysisWorkers, AWorkerSetDestroyedWhilePlayingStopsItsThreads) {
    const int before = ThreadsRunning();
    for (int run = 0; run < 4; ++run) {
        auto workers = std::make_unique<AnalysisWorkers>(OpenEnded(3, 5));
        EXPECT_EQ(ThreadsRunning(), before + 3);
        std::this_thread::sleep_for(std::chrono::milliseconds(run * 10));
        workers.reset();  // must join, not leave a thread on a freed game
        EXPECT_EQ(ThreadsRunning(), before) << run;
    }
}

}  // namespace
}  // namespace velmora
