#include "analysis/analysis_runner.h"

#include "analysis/show_analysis.h"
#include "engine/game.h"
#include "engine/headless_host.h"
#include "engine/modes.h"

#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

namespace velmora {

namespace {

using Clock = std::chrono::steady_clock;
constexpr uint64_t kRoundsPerBlock = 100;

double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Sits where the results window would be: after each block it decides whether the
// chunk is over, and if so keeps the statistics before the game reset clears them.
class BlockCounter : public ResultsDisplay {
public:
    BlockCounter(double seconds, Clock::time_point start, std::atomic<uint64_t>& blocksDone)
        : seconds_(seconds), start_(start), blocksDone_(blocksDone) {}

    // Arms the counter for one chunk of `blocks` (0 = until the time is up), in the
    // single-strategy view when `single`.
    void Start(Game& game, uint64_t blocks, bool single) {
        game_ = &game;
        blocks_ = blocks;
        single_ = single;
        kept = {};
        keptBlocks = 0;
    }

    // The analysis has opened its results window. The view asked for is taken as the
    // window's button does it (the mode command's game reset has just cleared it), so
    // the whole chunk is played in it.
    void Opened() {
        if (single_) Button1Click(*game_);
    }

    void RefreshAnalysis() override {}

    void BlockEnded() override {
        Game& g = *game_;
        blocksDone_.fetch_add(1, std::memory_order_relaxed);
        const bool over = blocks_ > 0 ? g.HourBlocks >= blocks_ : SecondsSince(start_) >= seconds_;
        if (!over) return;
        for (int i = 1; i <= kStrategyCount; ++i) kept[static_cast<size_t>(i)] = g.StatsOf(i);
        keptBlocks = g.HourBlocks;
        g.StopRequested = true;
    }

    std::array<Statistics, 5> kept{};
    uint64_t keptBlocks = 0;

private:
    double seconds_;
    Clock::time_point start_;
    std::atomic<uint64_t>& blocksDone_;
    uint64_t blocks_ = 0;
    bool single_ = false;
    Game* game_ = nullptr;
};

// The headless host, whose results window is the block counter.
class RunnerHost : public HeadlessHost {
public:
    explicit RunnerHost(BlockCounter& counter) : HeadlessHost(&counter), counter_(counter) {}
    ResultsDisplay* OpenResults() override {
        counter_.Opened();
        return HeadlessHost::OpenResults();
    }

private:
    BlockCounter& counter_;
};

// The results of one chunk of the analysis.
struct ChunkResult {
    std::array<Statistics, 5> Stats{};
    uint64_t HourBlocks = 0;
};

// The work shared by the threads: chunks of blocks, taken in turn by whichever thread
// is free, so a slower core never holds the others up. Each chunk is a game of its
// own with a seed of its own, so the results do not depend on which thread played it.
struct SharedWork {
    explicit SharedWork(const AnalysisRequest& r) : request(r), start(Clock::now()) {
        if (r.Rounds == 0) return;
        totalBlocks = (r.Rounds + kRoundsPerBlock - 1) / kRoundsPerBlock;
        chunkBlocks = ChunkBlocks(totalBlocks);
        chunks = (totalBlocks + chunkBlocks - 1) / chunkBlocks;
        results.resize(chunks);
    }

    const AnalysisRequest& request;
    Clock::time_point start;
    uint64_t totalBlocks = 0;
    uint64_t chunkBlocks = 0;  // blocks per chunk; the last may be shorter
    uint64_t chunks = 0;       // 0 when playing for a time
    std::atomic<uint64_t> nextChunk{0};
    std::atomic<uint64_t> blocksDone{0};
    std::vector<ChunkResult> results;  // by chunk, when playing a number of rounds

    // Blocks of chunk c, or 0 when there is no such chunk (or it is played for time).
    uint64_t BlocksOf(uint64_t c) const {
        if (chunks == 0) return 0;
        return std::min(chunkBlocks, totalBlocks - c * chunkBlocks);
    }
    bool TimeIsUp() const { return SecondsSince(start) >= request.Seconds; }
};

// One thread: the same engine and mode command as the window, on a headless host.
class Worker {
public:
    explicit Worker(SharedWork& work)
        : work_(work), counter_(work.request.Seconds, work.start, work.blocksDone),
          host_(counter_), game_(host_) {}

    void Run() {
        const double before = ThreadCpuSeconds();
        while (true) {
            const uint64_t c = work_.nextChunk.fetch_add(1);
            if (work_.chunks > 0 ? c >= work_.chunks : work_.TimeIsUp()) break;
            ChunkResult& out = work_.chunks > 0 ? work_.results[c] : timed;
            PlayChunk(c, out);
        }
        cpuSeconds = ThreadCpuSeconds() - before;
    }

    ChunkResult timed;  // the sum of this thread's chunks when playing for a time
    double cpuSeconds = 0;

private:
    void PlayChunk(uint64_t c, ChunkResult& out) {
        const AnalysisRequest& r = work_.request;
        game_.Options = r.Rules;
        game_.Options.HideBettingIntro = true;
        game_.Strategy = r.Strategy;
        game_.AnalysisSeed = ChunkSeed(r.Seed, c);
        counter_.Start(game_, work_.BlocksOf(c), r.Rules.SingleStrategyView);
        BettingAnalysis(game_);
        for (int i = 1; i <= kStrategyCount; ++i)
            out.Stats[static_cast<size_t>(i)].Add(counter_.kept[static_cast<size_t>(i)]);
        out.HourBlocks += counter_.keptBlocks;
    }

    SharedWork& work_;
    BlockCounter counter_;
    RunnerHost host_;
    Game game_;
};

}  // namespace

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
    const int threads = r.Threads < 1 ? 1 : r.Threads;
    SharedWork work(r);

    std::vector<std::unique_ptr<Worker>> workers;
    for (int t = 0; t < threads; ++t) workers.push_back(std::make_unique<Worker>(work));
    std::atomic<int> finished{0};
    std::vector<std::thread> running;
    for (auto& w : workers)
        running.emplace_back([&w, &finished] {
            w->Run();
            finished.fetch_add(1);
        });

    if (progress) {
        auto lastReport = work.start;
        while (finished.load() < static_cast<int>(workers.size())) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (Clock::now() - lastReport < std::chrono::milliseconds(500)) continue;
            lastReport = Clock::now();
            progress(work.blocksDone.load(std::memory_order_relaxed) * kRoundsPerBlock,
                     SecondsSince(work.start));
        }
    }
    for (std::thread& t : running) t.join();

    // Summed in chunk order, so the sums are the same to the last bit however the
    // chunks fell to the threads.
    AnalysisResult result;
    result.Seconds = SecondsSince(work.start);
    auto add = [&result](const ChunkResult& c) {
        for (int i = 1; i <= kStrategyCount; ++i)
            result.Stats[static_cast<size_t>(i)].Add(c.Stats[static_cast<size_t>(i)]);
        result.HourBlocks += c.HourBlocks;
    };
    for (const ChunkResult& c : work.results) add(c);
    for (auto& w : workers) {
        add(w->timed);
        result.CpuSeconds += w->cpuSeconds;
    }
    result.Rounds = result.HourBlocks * kRoundsPerBlock;
    return result;
}

}  // namespace velmora
