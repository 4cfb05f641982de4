#include "analysis/run_clock.h"

#include <gtest/gtest.h>

#include "engine/game.h"
#include "tests/support/scripted_host.h"

namespace velmora {
namespace {

class RunClockTest : public ::testing::Test {
  protected:
    testing::ScriptedHost host;
    Game game{host};
    RunClock clock;

    bool TickAt(int second, int millisecond = 0) {
        return clock.Tick(game, TimeOfDay{14, 30, second, millisecond});
    }
};

TEST_F(RunClockTest, CountsAtMostOneSecondPerClockSecond) {
    EXPECT_TRUE(TickAt(7, 10));
    EXPECT_EQ(game.PlaySeconds, 1);
    EXPECT_FALSE(TickAt(7, 500));  // another block ended in the same second
    EXPECT_FALSE(TickAt(7, 999));
    EXPECT_EQ(game.PlaySeconds, 1);
    EXPECT_EQ(clock.LastClockSecond(), 7);
    // Seconds without a finished block are not counted: 8 to 11 pass unseen.
    EXPECT_TRUE(TickAt(12));
    EXPECT_EQ(game.PlaySeconds, 2);
}

TEST_F(RunClockTest, TheFirstBlockCountsWhateverTheClockSecond) {
    EXPECT_EQ(clock.LastClockSecond(), RunClock::kNoSecond);
    EXPECT_TRUE(TickAt(0));
    EXPECT_EQ(game.PlaySeconds, 1);
}

TEST_F(RunClockTest, SecondsRollIntoMinutesAndMinutesIntoHours) {
    game.PlaySeconds = 59;
    EXPECT_TRUE(TickAt(3));
    EXPECT_EQ(game.PlaySeconds, 0);
    EXPECT_EQ(game.PlayMinutes, 1);
    EXPECT_EQ(game.PlayHours, 0);

    game.PlayMinutes = 59;
    game.PlaySeconds = 59;
    EXPECT_TRUE(TickAt(4));
    EXPECT_EQ(game.PlaySeconds, 0);
    EXPECT_EQ(game.PlayMinutes, 0);
    EXPECT_EQ(game.PlayHours, 1);
}

TEST_F(RunClockTest, ADamagedPlayTimeStillRollsOver) {
    game.PlaySeconds = 75;  // as a garbled saved game might hold
    EXPECT_TRUE(TickAt(5));
    EXPECT_EQ(game.PlaySeconds, 0);
    EXPECT_EQ(game.PlayMinutes, 1);
}

TEST_F(RunClockTest, SingleStrategyViewAlwaysRedrawsAndStopsTheClock) {
    game.Options.SingleStrategyView = true;
    EXPECT_TRUE(TickAt(9));
    EXPECT_TRUE(TickAt(9));
    EXPECT_EQ(game.PlaySeconds, 0);
    EXPECT_EQ(clock.LastClockSecond(), RunClock::kNoSecond);
}

}  // namespace
}  // namespace velmora
