#pragma once
// Runs the Betting and Rules Analysis without any window, on the worker threads of
// AnalysisWorkers. The rounds are shared out in chunks, each played as a game of its
// own with a seed drawn from the run's seed and the chunk's number, by whichever
// thread is free; the chunks' statistics are summed in chunk order. So the same seed
// and rounds give the same results to the last bit with any number of threads.

#include <array>
#include <cstdint>
#include <functional>

#include "engine/options.h"
#include "engine/statistics.h"
#include "strategy/strategy_table.h"

namespace velmora {

struct AnalysisRequest {
    // Casino rules and preferences (HideBettingIntro is forced on). SingleStrategyView
    // asks for a run in the single-strategy view: only strategy 4 staked and booked.
    OptionsRecord Rules;
    StrategyTable Strategy;   // the playing strategy
    uint64_t Rounds = 0;      // rounds to play (rounded up to whole blocks of 100); 0 = by time
    double Seconds = 0;       // used when Rounds is 0
    int Threads = 1;          // threads sharing the chunks
    uint64_t Seed = 0;
    // A run split across machines: this request plays only the chunks c with
    // c % ShardCount == ShardIndex (same seed, same chunk seeds); the shards' sums
    // added up are the whole run's.
    uint64_t ShardIndex = 0;
    uint64_t ShardCount = 1;
    // Blocks of 100 rounds per chunk; 0 lets ChunkBlocks choose from the run's length.
    // Part of what a seed means: the same seed in chunks of another size plays other
    // cards. Smaller chunks show a window's first figures sooner (the tests use them).
    uint64_t ChunkBlocks = 0;
    // The bankroll unit of a run restarted for new rules: its first unit (0: the
    // unit of these rules).
    double BankrollUnit = 0;
};

// Whether two sets of options give the same figures: the casino rules, the deal
// and the betting, not the sound, the advice, the speed or the window's flags.
bool SameAnalysisRules(const OptionsRecord& a, const OptionsRecord& b);

struct AnalysisResult {
    std::array<Statistics, 5> Stats{};  // [1..4] by betting strategy
    uint64_t HourBlocks = 0;
    uint64_t Rounds = 0;
    double Seconds = 0;     // wall-clock time of the whole run
    double CpuSeconds = 0;  // processor time of the playing threads, summed
    double RoundsPerSecond() const { return Seconds > 0 ? Rounds / Seconds : 0; }
    // Rounds per second of processor time of one thread: the figure that does not
    // depend on what else the machine is doing.
    double RoundsPerCpuSecond() const { return CpuSeconds > 0 ? Rounds / CpuSeconds : 0; }
};

// Progress seen from another thread while the analysis runs: rounds played so far.
using ProgressFn = std::function<void(uint64_t roundsDone, double secondsElapsed)>;

// Plays the analysis. `progress`, when given, is called about twice a second from
// the calling thread while the worker threads play.
AnalysisResult RunAnalysis(const AnalysisRequest& request, const ProgressFn& progress = {});

// The seed of chunk `chunk` of a run seeded with `seed`.
uint64_t ChunkSeed(uint64_t seed, uint64_t chunk);
// Blocks of 100 rounds per chunk for a run of `totalBlocks`. A run for a time has no
// chunks of fixed size: each thread plays until the time is up.
uint64_t ChunkBlocks(uint64_t totalBlocks);

}  // namespace velmora
