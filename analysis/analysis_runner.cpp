#include "analysis/analysis_runner.h"

#include <time.h>

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "engine/game.h"
#include "engine/headless_host.h"
#include "engine/modes.h"

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
// run is over, and if so keeps the statistics before the game reset clears them.
class BlockCounter : public ResultsDisplay {
public:
    BlockCounter(uint64_t blocks, double seconds, Clock::time_point start)
        : blocks_(blocks), seconds_(seconds), start_(start) {}

    void Attach(Game& game) { game_ = &game; }

    void RefreshAnalysis() override {
        Game& g = *game_;
        done.store(g.HourBlocks, std::memory_order_relaxed);
        const bool over = blocks_ > 0 ? g.HourBlocks >= blocks_ : SecondsSince(start_) >= seconds_;
        if (!over) return;
        for (int i = 1; i <= kStrategyCount; ++i) kept[static_cast<size_t>(i)] = g.StatsOf(i);
        keptBlocks = g.HourBlocks;
        g.StopRequested = true;
    }

    std::atomic<uint64_t> done{0};
    std::array<Statistics, 5> kept{};
    uint32_t keptBlocks = 0;

private:
    uint64_t blocks_;
    double seconds_;
    Clock::time_point start_;
    Game* game_ = nullptr;
};

// One thread's game: the same engine and mode command as the window, headless.
struct Worker {
    Worker(const AnalysisRequest& r, int stream, uint64_t blocks, Clock::time_point start)
        : counter(blocks, r.Seconds, start), host(&counter), game(host) {
        game.Options = r.Rules;
        game.Options.HideBettingIntro = true;
        game.Strategy = r.Strategy;
        game.AnalysisSeed = r.Seed;
        game.AnalysisStream = stream;
        counter.Attach(game);
    }
    void Run() {
        const double before = ThreadCpuSeconds();
        BettingAnalysis(game);
        cpuSeconds = ThreadCpuSeconds() - before;
    }

    BlockCounter counter;
    HeadlessHost host;
    Game game;
    double cpuSeconds = 0;
};

}  // namespace

uint64_t BlocksForThread(uint64_t blocks, int thread, int threads) {
    const uint64_t n = static_cast<uint64_t>(threads);
    return blocks / n + (static_cast<uint64_t>(thread) < blocks % n ? 1 : 0);
}

AnalysisResult RunAnalysis(const AnalysisRequest& r, const ProgressFn& progress) {
    const int threads = r.Threads < 1 ? 1 : r.Threads;
    const uint64_t blocks = (r.Rounds + kRoundsPerBlock - 1) / kRoundsPerBlock;
    const Clock::time_point start = Clock::now();

    std::vector<std::unique_ptr<Worker>> workers;
    for (int t = 0; t < threads; ++t) {
        const uint64_t mine = r.Rounds > 0 ? BlocksForThread(blocks, t, threads) : 0;
        if (r.Rounds > 0 && mine == 0) continue;
        workers.push_back(std::make_unique<Worker>(r, t, mine, start));
    }
    std::atomic<int> finished{0};
    std::vector<std::thread> running;
    for (auto& w : workers)
        running.emplace_back([&w, &finished] {
            w->Run();
            finished.fetch_add(1);
        });

    if (progress) {
        auto lastReport = start;
        while (finished.load() < static_cast<int>(workers.size())) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (Clock::now() - lastReport < std::chrono::milliseconds(500)) continue;
            lastReport = Clock::now();
            uint64_t done = 0;
            for (auto& w : workers) done += w->counter.done.load(std::memory_order_relaxed);
            progress(done * kRoundsPerBlock, SecondsSince(start));
        }
    }
    for (std::thread& t : running) t.join();

    AnalysisResult result;
    result.Seconds = SecondsSince(start);
    for (auto& w : workers) {
        for (int i = 1; i <= kStrategyCount; ++i)
            result.Stats[static_cast<size_t>(i)].Add(w->counter.kept[static_cast<size_t>(i)]);
        result.HourBlocks += w->counter.keptBlocks;
        result.CpuSeconds += w->cpuSeconds;
    }
    result.Rounds = uint64_t{result.HourBlocks} * kRoundsPerBlock;
    return result;
}

}  // namespace velmora
