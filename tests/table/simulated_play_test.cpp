// Computer play on the table, round after round: the bankroll the table keeps in
// chips moves by exactly what the engine books for the player's own stakes.

#include <gtest/gtest.h>

#include "engine/round.h"
#include "engine/shoe.h"
#include "strategy/strategy_table.h"
#include "tests/table/table_fixture.h"

namespace velmora::testing {
namespace {

class SimulatedPlayTest : public TableFixture {
  protected:
    void StartComputerPlay(int minimum) {
        ResetStrategyToDefault(game.Strategy);
        game.SimulationMode = true;
        game.StopRequested = false;
        FreeShoe(game);
        BuildShoe(game);
        table.ShowSpeedBar(true);
        game.FlashTime = 50;
        UseMinimum(minimum);
    }

    // Plays rounds, checking each one's money on the table against the booking.
    void PlayRounds(int rounds) {
        for (int i = 0; i < rounds && !game.StopRequested; ++i) {
            const double bankroll = game.Bankroll;
            const double booked = game.StatsOf(1).HourNet;
            PlayRound(game);
            ASSERT_DOUBLE_EQ(game.Bankroll - bankroll, game.StatsOf(1).HourNet - booked)
                << "round " << i;
            ASSERT_DOUBLE_EQ(game.Bankroll, RackValue()) << "round " << i;
            for (int h = 1; h <= 4; ++h)
                ASSERT_FALSE(Piece(table.Scene.BetSlot(h, 1)).Visible) << "chips left on " << h;
        }
    }
};

TEST_F(SimulatedPlayTest, FiveHundredRoundsKeepTheChipsInStepWithTheBooking) {
    game.Options.SurrenderAllowed = true;
    game.Options.BetTwoHands = true;
    game.Options.Decks = 1;  // shuffles and cut cards often
    for (int minimum : {5, 25, 100}) {
        StartComputerPlay(minimum);
        PlayRounds(500);
        EXPECT_FALSE(game.StopRequested) << "the bankroll ran out at $" << minimum;
    }
    EXPECT_GT(game.StatsOf(1).Splits + game.StatsOf(1).Doubles, 0);
}

TEST_F(SimulatedPlayTest, ABankrollShortOfTwoHandsBetsOne) {
    game.Options.BetTwoHands = true;
    StartComputerPlay(5);
    SetRack({0, 3, 0, 0, 0, 0, 0});  // $15: two hands would stake $20
    PlayRounds(1);
    EXPECT_FALSE(game.TwoHandsThisRound);
    EXPECT_EQ(game.Hand(1).NextStake, 5);
}

// The second bet box is there only for a player who bets two hands; the dealer's
// face-down card says what a click on it does.
TEST_F(SimulatedPlayTest, TheSecondBoxShowsOnlyWithTwoHands) {
    EXPECT_EQ(Piece("pos2").Hint, "'Click to Stand'");
    for (bool twoHands : {false, true}) {
        game.Options.BetTwoHands = twoHands;
        game.Table = &table;  // the run's reset closed the last one
        StartComputerPlay(25);
        bool shown = !twoHands;
        host.onEvents = [&](Game& g) {  // the first deal
            shown = Piece("BetBox3").Visible;
            g.StopRequested = true;
        };
        RunTablePlay(game);
        EXPECT_EQ(shown, twoHands);
    }
    host.onEvents = nullptr;
}

}  // namespace
}  // namespace velmora::testing
