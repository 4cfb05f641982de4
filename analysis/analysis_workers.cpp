#include "analysis/analysis_workers.h"

#include "analysis/show_analysis.h"
#include "engine/betting.h"
#include "engine/game.h"
#include "engine/headless_host.h"
#include "engine/modes.h"

#include <time.h>

#include <algorithm>

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
// chunk is over (or the run stopped), and if so keeps the statistics before the
// game reset clears them.
class BlockCounter : public ResultsDisplay {
  public:
    BlockCounter(double seconds, Clock::time_point start, std::atomic<uint64_t>& blocksDone,
                 const std::atomic<bool>& stop)
        : seconds_(seconds), start_(start), blocksDone_(blocksDone), stop_(stop) {}

    // Arms the counter for one chunk of `blocks` (0 = until the time is up), in the
    // single-strategy view when `single`.
    void Start(Game& game, uint64_t blocks, bool single) {
        game_ = &game;
        blocks_ = blocks;
        single_ = single;
        stopped = false;
        kept = {};
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
        if (stop_.load(std::memory_order_relaxed)) {
            stopped = true;
            g.StopRequested = true;
            return;
        }
        const bool over = blocks_ > 0 ? g.HourBlocks >= blocks_ : SecondsSince(start_) >= seconds_;
        if (!over) return;
        FoldBlockTally(g);
        for (int i = 1; i <= kStrategyCount; ++i) kept.Stats[static_cast<size_t>(i)] = g.StatsOf(i);
        kept.HourBlocks = g.HourBlocks;
        g.StopRequested = true;
    }

    ChunkSums kept;
    bool stopped = false;  // the run was stopped before the chunk's end

  private:
    double seconds_;
    Clock::time_point start_;
    std::atomic<uint64_t>& blocksDone_;
    const std::atomic<bool>& stop_;
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

}  // namespace

void ChunkSums::Add(const ChunkSums& o) {
    for (size_t i = 1; i < Stats.size(); ++i) Stats[i].Add(o.Stats[i]);
    HourBlocks += o.HourBlocks;
}

// One thread: the same engine and mode command as the window, on a headless host.
class AnalysisWorkers::Worker {
  public:
    explicit Worker(AnalysisWorkers& work)
        : work_(work),
          counter_(work.request_.Seconds, work.start_, work.blocksDone_, work.stop_),
          host_(counter_),
          game_(host_) {
        game_.Unwatched = true;  // looked at only through the block counter
    }

    void Run() {
        const double before = ThreadCpuSeconds();
        const bool timedRun = work_.totalBlocks_ == 0 && work_.request_.Seconds > 0;
        while (!work_.stop_.load()) {
            const uint64_t turn = work_.nextTurn_.fetch_add(1);
            uint64_t chunk = 0;
            if (timedRun ? work_.TimeIsUp() : !work_.ChunkOfTurn(turn, chunk)) break;
            if (timedRun) chunk = turn;
            PlayChunk(chunk);
            if (counter_.stopped) break;
            if (timedRun)
                timed.Add(counter_.kept);
            else
                work_.Finished(turn, counter_.kept);
        }
        cpuSeconds = ThreadCpuSeconds() - before;
    }

    ChunkSums timed;  // the sum of this thread's chunks when playing for a time
    double cpuSeconds = 0;

  private:
    void PlayChunk(uint64_t c) {
        const AnalysisRequest& r = work_.request_;
        game_.Options = r.Rules;
        game_.Options.HideBettingIntro = true;
        game_.Strategy = r.Strategy;
        game_.AnalysisSeed = ChunkSeed(r.Seed, c);
        if (r.BankrollUnit > 0) game_.AnalysisBankrollUnit = r.BankrollUnit;
        counter_.Start(game_, work_.BlocksOf(c), r.Rules.SingleStrategyView);
        BettingAnalysis(game_);
    }

    AnalysisWorkers& work_;
    BlockCounter counter_;
    RunnerHost host_;
    Game game_;
};

AnalysisWorkers::AnalysisWorkers(const AnalysisRequest& r) : request_(r), start_(Clock::now()) {
    if (request_.ShardCount < 1) request_.ShardCount = 1;
    if (r.Rounds > 0) {
        totalBlocks_ = (r.Rounds + kRoundsPerBlock - 1) / kRoundsPerBlock;
        chunkBlocks_ = r.ChunkBlocks > 0 ? r.ChunkBlocks : ChunkBlocks(totalBlocks_);
        chunks_ = (totalBlocks_ + chunkBlocks_ - 1) / chunkBlocks_;
    } else if (r.Seconds <= 0) {
        chunkBlocks_ = r.ChunkBlocks > 0 ? r.ChunkBlocks : ChunkBlocks(0);
    }
    const int threads = std::max(1, r.Threads);
    for (int t = 0; t < threads; ++t) workers_.push_back(std::make_unique<Worker>(*this));
    running_ = threads;
    for (auto& w : workers_)
        threads_.emplace_back([this, worker = w.get()] {
            worker->Run();
            running_.fetch_sub(1);
        });
}

AnalysisWorkers::~AnalysisWorkers() {
    Stop();
    Join();
}

void AnalysisWorkers::Stop() {
    stop_.store(true);
}

void AnalysisWorkers::Join() {
    for (std::thread& t : threads_)
        if (t.joinable()) t.join();
}

bool AnalysisWorkers::Done() const {
    return running_.load() == 0;
}

bool AnalysisWorkers::ChunkOfTurn(uint64_t turn, uint64_t& chunk) const {
    chunk = request_.ShardIndex + turn * request_.ShardCount;
    return totalBlocks_ == 0 || chunk < chunks_;
}

uint64_t AnalysisWorkers::BlocksOf(uint64_t chunk) const {
    if (chunkBlocks_ == 0) return 0;  // for a time
    if (totalBlocks_ == 0) return chunkBlocks_;
    return std::min(chunkBlocks_, totalBlocks_ - chunk * chunkBlocks_);
}

bool AnalysisWorkers::TimeIsUp() const {
    return SecondsSince(start_) >= request_.Seconds;
}

void AnalysisWorkers::Finished(uint64_t turn, const ChunkSums& sums) {
    std::lock_guard<std::mutex> lock(mutex_);
    finished_.emplace(turn, sums);
}

uint64_t AnalysisWorkers::TakeFinished(ChunkSums& sums) {
    std::lock_guard<std::mutex> lock(mutex_);
    uint64_t taken = 0;
    for (auto it = finished_.begin(); it != finished_.end() && it->first == nextToTake_;
         it = finished_.erase(it)) {
        sums.Add(it->second);
        ++nextToTake_;
        ++taken;
    }
    return taken;
}

void AnalysisWorkers::TakeTimed(ChunkSums& sums) const {
    for (const auto& w : workers_) sums.Add(w->timed);
}

double AnalysisWorkers::CpuSeconds() const {
    double total = 0;
    for (const auto& w : workers_) total += w->cpuSeconds;
    return total;
}

}  // namespace velmora
