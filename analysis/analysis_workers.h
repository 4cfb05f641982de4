#pragma once
// The worker threads of the Betting and Rules Analysis, shared by the headless tool
// and the window. The rounds are played in chunks of blocks, each chunk a game of its
// own seeded from the run's seed and the chunk's number, taken in turn by whichever
// thread is free. The caller collects the finished chunks in chunk order, so the sums
// depend only on the seed and the chunks played, never on the threads or their timing.
// The threads touch nothing but their own games and the shared chunk book.

#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "analysis/analysis_runner.h"

namespace velmora {

// Statistics of a number of chunks added up.
struct ChunkSums {
    std::array<Statistics, 5> Stats{};  // [1..4] by betting strategy
    uint64_t HourBlocks = 0;
    void Add(const ChunkSums& other);
    friend bool operator==(const ChunkSums&, const ChunkSums&) = default;
};

class AnalysisWorkers {
  public:
    // Starts request.Threads threads. With Rounds > 0 they play the chunks of that many
    // rounds (only those of the request's shard); with Rounds 0 and Seconds > 0 they
    // play for that long; with both 0 they play chunk after chunk until Stop.
    explicit AnalysisWorkers(const AnalysisRequest& request);
    // Stops and joins the threads.
    ~AnalysisWorkers();
    AnalysisWorkers(const AnalysisWorkers&) = delete;
    AnalysisWorkers& operator=(const AnalysisWorkers&) = delete;

    // Asks the threads to end at the end of their current block of 100 rounds; the
    // chunks they were playing are dropped whole.
    void Stop();
    // Waits for every thread to return.
    void Join();
    // Every thread has returned (all chunks played, the time up, or stopped).
    bool Done() const;

    // Adds to `sums` the chunks finished since the last call that continue the chunk
    // order without a gap, and returns how many it added. A run for a time has no
    // chunk order: its sums come from TakeTimed after Join.
    uint64_t TakeFinished(ChunkSums& sums);
    // After Join, in a run for a time: the sums of every thread.
    void TakeTimed(ChunkSums& sums) const;

    // Blocks of 100 rounds ended so far, in finished chunks or not.
    uint64_t BlocksPlayed() const { return blocksDone_.load(std::memory_order_relaxed); }
    // After Join: processor time of the threads, summed.
    double CpuSeconds() const;

  private:
    class Worker;
    friend class Worker;

    // The chunk the n-th taking of a thread plays, or none.
    bool ChunkOfTurn(uint64_t turn, uint64_t& chunk) const;
    uint64_t BlocksOf(uint64_t chunk) const;
    bool TimeIsUp() const;
    void Finished(uint64_t turn, const ChunkSums& sums);

    AnalysisRequest request_;
    std::chrono::steady_clock::time_point start_;
    uint64_t totalBlocks_ = 0;  // 0: no fixed length
    uint64_t chunkBlocks_ = 0;  // blocks per chunk; the last of a fixed run may be shorter
    uint64_t chunks_ = 0;       // chunks of the whole run (all shards); 0 when not fixed
    std::atomic<uint64_t> nextTurn_{0};
    std::atomic<uint64_t> blocksDone_{0};
    std::atomic<bool> stop_{false};
    std::atomic<int> running_{0};

    std::mutex mutex_;                        // guards finished_
    std::map<uint64_t, ChunkSums> finished_;  // by turn, until taken
    uint64_t nextToTake_ = 0;                 // the turn TakeFinished adds next

    std::vector<std::unique_ptr<Worker>> workers_;
    std::vector<std::thread> threads_;
};

}  // namespace velmora
