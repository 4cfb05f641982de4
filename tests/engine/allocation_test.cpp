// The analysis allocates nothing once a run is under way: every operator new in
// this test program is counted.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine/game.h"
#include "engine/headless_host.h"
#include "engine/modes.h"
#include "engine/round.h"

namespace {
std::atomic<long> allocations{0};
}

// The replaced new takes its memory from malloc, so the replaced delete frees it.
// Optimising, GCC 12 takes the free for a mismatch with operator new and warns.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace velmora {
namespace {

// Counts the allocations of the hours after the first.
class Watcher : public ResultsDisplay {
public:
    Game* game = nullptr;
    long atSecondHour = -1;
    long atLastHour = -1;
    void RefreshAnalysis() override {
        if (game->HourBlocks == 2) atSecondHour = allocations.load();
        if (game->HourBlocks == 502) {
            atLastHour = allocations.load();
            game->StopRequested = true;
        }
    }
};

// 50,000 rounds between the two readings, in a game the window watches and in one of
// the worker threads' unwatched games, which book through the block's tally.
TEST(Allocation, AnAnalysisRoundAllocatesNothing) {
    for (const bool unwatched : {false, true}) {
        Watcher watcher;
        HeadlessHost host(&watcher);
        Game game(host);
        watcher.game = &game;
        ApplyDefaultOptions(game.Options);
        game.Options.HideBettingIntro = true;
        ResetStrategyToDefault(game.Strategy);
        game.AnalysisSeed = 11;
        game.Unwatched = unwatched;
        ChooseMode(game, Mode::Analysis);
        ASSERT_GE(watcher.atSecondHour, 0);
        EXPECT_EQ(watcher.atLastHour - watcher.atSecondHour, 0) << "unwatched: " << unwatched;
    }
}

}  // namespace
}  // namespace velmora
