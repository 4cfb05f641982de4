// The rack and the bankroll: counts, exchanges, bets and their return. The bankroll
// always equals the value of the chips in the rack.

#include <gtest/gtest.h>

#include <random>

#include "table/rack.h"
#include "table/settlement.h"
#include "tests/table/table_fixture.h"

namespace velmora::testing {
namespace {

using RackTest = TableFixture;

TEST_F(RackTest, BankrollTextPutsTheCommaAndTheBlanksWhereTheFieldSays) {
    EXPECT_EQ(BankrollText(500), "$   500.00");
    EXPECT_EQ(BankrollText(999.5), "$   999.50");
    EXPECT_EQ(BankrollText(1500), "$  1,500.00");
    EXPECT_EQ(BankrollText(25000), "$ 25,000.00");
    EXPECT_EQ(BankrollText(250000), "$250,000.00");
    EXPECT_EQ(BankrollText(1000000), "$1,000,000.00");
    EXPECT_EQ(BankrollText(12345678.5), "$12,345,678.50");
}

TEST_F(RackTest, StacksGrowWithTheCountsAndShrinkWhileAChipIsCarried) {
    SetRack({2, 10, 0, 0, 5, 0, 12});
    ShowRack(table);
    EXPECT_TRUE(Piece("BetHalf").Visible && Piece("Bet2a").Visible);
    EXPECT_TRUE(Piece("bet5c").Visible && Piece("Bet5d").Visible);
    EXPECT_FALSE(Piece("Bet5e").Visible);
    EXPECT_FALSE(Piece("Bet25").Visible);
    EXPECT_TRUE(Piece("bet500c").Visible);  // 500s: c above 4
    EXPECT_FALSE(Piece("Bet500d").Visible);
    EXPECT_TRUE(Piece("Bet5000e").Visible);  // 5000s: e above 11
    RefreshStack(table, 5);                  // one 5 in the hand: ten drawn as nine
    EXPECT_FALSE(Piece("Bet5d").Visible);
    EXPECT_TRUE(Piece("bet5c").Visible);
}

TEST_F(RackTest, StartingRacksHoldTheStartingBankroll) {
    for (int minimum : {5, 25, 100}) {
        UseMinimum(minimum);
        EXPECT_EQ(game.Bankroll, 200.0 * minimum);
        EXPECT_EQ(RackValue(), game.Bankroll);
    }
}

TEST_F(RackTest, AFiveDollarBetIsMadeFromTwoHalfChips) {
    UseMinimum(5);
    SetRack({3, 0, 0, 0, 0, 0, 0});
    game.CurrentBet = 5;
    ASSERT_TRUE(PlaceBetChip(table, 5, table.Scene.BetSlot(1, 1), kNoSprite));
    EXPECT_EQ(Count(2), 1);
    EXPECT_EQ(Count(5), 0);
    EXPECT_EQ(game.Bankroll, 2.5);
    EXPECT_EQ(Piece("Bet1").Tag, 5);
    EXPECT_TRUE(Piece("Bet1").Visible);
}

TEST_F(RackTest, GapsAreFilledOnlyWithChipsTheTableUses) {
    UseMinimum(100);
    SetRack({0, 0, 0, 3, 1, 0, 0});
    game.CurrentBet = 100;
    MakeChange(table, 100);
    EXPECT_EQ(Count(25), 0);  // no 100 becomes 25s at the $100 table
    EXPECT_EQ(Count(100), 3);
    UseMinimum(25);
    SetRack({0, 0, 2, 0, 0, 0, 0});
    game.CurrentBet = 25;
    MakeChange(table, 25);
    EXPECT_EQ(Count(5), 0);  // 5s are made from 25s only at the $5 table
}

TEST_F(RackTest, SmallChipsAreColouredUpByTheTablesThresholds) {
    UseMinimum(5);
    SetRack({0, 16, 0, 0, 0, 0, 0});
    game.CurrentBet = 5;
    ColourUp(table);
    EXPECT_EQ(Count(5), 11);
    EXPECT_EQ(Count(25), 1);
    EXPECT_EQ(game.Bankroll, 80);

    UseMinimum(25);
    SetRack({0, 5, 0, 0, 0, 0, 0});
    ColourUp(table);
    EXPECT_EQ(Count(5), 0);
    EXPECT_EQ(Count(25), 1);

    SetRack({0, 5, 0, 0, 0, 0, 0});
    game.StopRequested = true;
    animator.Reset();
    ColourUp(table);  // while stopping nothing changes, not even the picture
    EXPECT_EQ(Count(5), 5);
    EXPECT_EQ(animator.repaints, 0);
}

TEST_F(RackTest, ExchangesNeverTakeChipsTheRackDoesNotHold) {
    SetRack({1, 1, 0, 0, 0, 0, 0});
    CombineChips(table, 5, 2);   // one half chip only
    CombineChips(table, 25, 5);  // one 5 only
    BreakChip(table, 1000);      // no 5000
    EXPECT_EQ(game.RackCount, (std::array<uint16_t, kChipKinds>{1, 1, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(AddChips(table, 25, -1));
    EXPECT_EQ(game.Bankroll, 7.5);
}

TEST_F(RackTest, AChipWithItsRingGoesBackAsTwoChips) {
    SetRack({0, 0, 4, 0, 0, 0, 0});
    game.CurrentBet = 50;
    table.PlaceBetChip(1, 50);
    EXPECT_EQ(game.Bankroll, 50);
    EXPECT_TRUE(Piece("Ring1").Visible);
    EXPECT_EQ(Piece("Ring1").Pen, colour::kLime);
    EXPECT_EQ(table.ChipsOnSpot(1), 50);
    ReturnAllBets(table);
    EXPECT_EQ(game.Bankroll, 100);
    EXPECT_EQ(Count(25), 4);
    EXPECT_FALSE(Piece("Bet1").Visible || Piece("Ring1").Visible);
}

// Any mix of bets, exchanges, settlements and returns keeps the bankroll equal to the
// rack's value and every count at zero or more.
TEST_F(RackTest, RandomPlayKeepsTheBankrollEqualToTheRack) {
    std::mt19937 random(20261208);
    const int minimums[] = {5, 25, 100};
    for (int run = 0; run < 30; ++run) {
        UseMinimum(minimums[run % 3]);
        const int minimum = game.Options.TableMinimum;
        for (int step = 0; step < 40; ++step) {
            const int bet =
                std::uniform_int_distribution<int>(0, 1)(random) ? 2 * minimum : minimum;
            game.CurrentBet = static_cast<uint16_t>(bet);
            if (bet > game.Bankroll) break;
            table.PlaceBetChip(1, bet);
            game.Hand(1).StakeByStrategy[1] = static_cast<uint16_t>(bet);
            const double results[] = {-1, 1, 1.5, -0.5};
            const double r = results[std::uniform_int_distribution<int>(0, 3)(random)];
            SettleHandDisplay(table, 1, r);
            ReturnAllBets(table);
            ASSERT_DOUBLE_EQ(game.Bankroll, RackValue()) << "run " << run << " step " << step;
            for (uint16_t count : game.RackCount) ASSERT_LT(count, 10000);  // never wrapped
        }
    }
}

}  // namespace
}  // namespace velmora::testing
