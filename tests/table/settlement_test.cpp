// The settled hand on the table: labels, the chips taken and paid, and the panels.
// Over a bet and its settlement the bankroll moves by exactly the hand's result.

#include <gtest/gtest.h>

#include "table/motion_timing.h"
#include "table/rack.h"
#include "table/settlement.h"
#include "tests/table/table_fixture.h"

namespace velmora::testing {
namespace {

class SettlementTest : public TableFixture {
  protected:
    // A deep rack of every chip but the half.
    void DeepRack() { SetRack({0, 40, 40, 40, 40, 40, 40}); }

    // Bets `bet` on hand 1 (doubled down when asked), settles it with factor r and
    // returns every chip: what the bankroll gained.
    double Play(int bet, double r, bool doubled = false) {
        game.CurrentBet = static_cast<uint16_t>(bet);
        const double before = game.Bankroll;
        table.PlaceBetChip(1, bet);
        game.Hand(1).StakeByStrategy[1] = static_cast<uint16_t>(bet);
        if (doubled) {  // booked, then shown, as the round does
            game.Hand(1).StakeByStrategy[1] = static_cast<uint16_t>(2 * bet);
            table.ShowDoubledBet(1);
        }
        SettleHandDisplay(table, 1, r);
        ReturnAllBets(table);
        EXPECT_DOUBLE_EQ(game.Bankroll, RackValue());
        return game.Bankroll - before;
    }
};

constexpr int kBets[] = {5, 10, 25, 50, 100, 200, 500, 1000, 2000, 5000, 10000};

TEST_F(SettlementTest, EveryResultMovesTheBankrollByTheBooking) {
    for (int bet : kBets) {
        DeepRack();
        EXPECT_DOUBLE_EQ(Play(bet, 1.5), 1.5 * bet) << "blackjack on " << bet;
        EXPECT_DOUBLE_EQ(Play(bet, 1), bet) << "win on " << bet;
        EXPECT_DOUBLE_EQ(Play(bet, -1), -bet) << "loss on " << bet;
        // The dealer takes a surrendered bet and pays half of it back.
        EXPECT_DOUBLE_EQ(Play(bet, -0.5), -0.5 * bet) << "surrender on " << bet;
        // Doubled: $20, $400, ... are paid in pairs of chips like any other win.
        EXPECT_DOUBLE_EQ(Play(bet, 1, true), 2.0 * bet) << "doubled win on " << bet;
        EXPECT_DOUBLE_EQ(Play(bet, -1, true), -2.0 * bet) << "doubled loss on " << bet;
    }
}

TEST_F(SettlementTest, LabelsShowTheAmountWonOrLost) {
    DeepRack();
    Play(25, 1);
    EXPECT_EQ(Piece("Hand1").Caption, "Win $25");
    Play(25, 1.5);
    EXPECT_EQ(Piece("Hand1").Caption, "Win $37.50");
    Play(25, -0.5);
    EXPECT_EQ(Piece("Hand1").Caption, "Lose $12.50");
    Play(10, 1.5);
    EXPECT_EQ(Piece("Hand1").Caption, "Win $15");
    Play(50, -1, true);
    EXPECT_EQ(Piece("Hand1").Caption, "Lose $100");
    EXPECT_EQ(FormatPayout(7.5), "7.50");
    EXPECT_EQ(FormatPayout(1500), "1500");
}

TEST_F(SettlementTest, BlackjackOnTenIsPaidInThreeFives) {
    DeepRack();
    game.CurrentBet = 10;
    table.PlaceBetChip(1, 10);
    game.Hand(1).StakeByStrategy[1] = 10;
    SettleHandDisplay(table, 1, 1.5);
    EXPECT_EQ(Piece("Bet111").Tag, 5);
    EXPECT_TRUE(Piece("Ring111").Visible);
    EXPECT_EQ(Piece("Ring111").Pen, colour::kRed);
    EXPECT_EQ(Piece("Bet1111").Tag, 5);
    EXPECT_FALSE(Piece("Ring1111").Visible);
    EXPECT_FALSE(Piece("Bet11111").Visible);
}

TEST_F(SettlementTest, SurrenderedTwentyFiveComesBackAsTwoFivesAndAHalf) {
    DeepRack();
    game.CurrentBet = 25;
    table.PlaceBetChip(1, 25);
    game.Hand(1).StakeByStrategy[1] = 25;
    SettleHandDisplay(table, 1, -0.5);
    EXPECT_FALSE(Piece("Bet1").Visible);
    EXPECT_EQ(Piece("Bet111").Tag, 5);
    EXPECT_TRUE(Piece("Ring111").Visible);
    EXPECT_EQ(Piece("Bet1111").Tag, 2);
    // A refund already paid (by the player's own surrender gesture) is not paid again.
    SurrenderRefund(table, 1);
    EXPECT_EQ(Piece("Bet1111").Tag, 2);
    ReturnAllBets(table);
    EXPECT_DOUBLE_EQ(game.Bankroll, RackValue());
}

TEST_F(SettlementTest, SplitHandsAreOnlyEverPaidEvenMoney) {
    DeepRack();
    game.CurrentBet = 25;
    table.PlaceBetChip(1, 25);
    game.Hand(2).StakeByStrategy[1] = 25;
    table.ShowSplit(1, 2);  // the split's booked stake goes on hand 2's spot
    EXPECT_EQ(Piece("Bet2").Tag, 25);
    const double before = game.Bankroll;
    SettleHandDisplay(table, 2, 1.5);
    EXPECT_EQ(Piece("Hand2").Caption, "Win $37.50");
    EXPECT_EQ(Piece("Bet222").Tag, 25);
    EXPECT_FALSE(Piece("Bet2222").Visible);
    ReturnAllBets(table);
    EXPECT_DOUBLE_EQ(game.Bankroll - before, 25 + 25 + 25);  // hand 1's bet, hand 2's, the win
}

TEST_F(SettlementTest, LimitPanelsInOwnPlayAdviceFlashInComputerPlay) {
    for (auto [minimum, first, second] :
         {std::tuple{5, " $5 Minimum Bet", "Maximum Bet $500"},
          std::tuple{25, " $25 Minimum Bet", "Maximum Bet $1,000"},
          std::tuple{100, " $100 Minimum Bet", "Maximum Bet $5,000"}}) {
        game.Options.TableMinimum = static_cast<uint16_t>(minimum);
        ShowAdvice(table, "ignored in own play");
        EXPECT_EQ(Piece("AdvicePanel1").Caption, first);
        EXPECT_EQ(Piece("AdvicePanel2").Caption, second);
        EXPECT_EQ(Piece("AdvicePanel1").Fill, *ChipColour(minimum));
        EXPECT_FALSE(Piece("AdvicePanel").Visible);
    }
    game.SimulationMode = true;
    table.SpeedBarChanged(80);
    animator.Reset();
    ShowAdvice(table, "");  // an empty text flashes without waiting
    EXPECT_EQ(animator.waits, 0);
    ShowAdvice(table, "Always split aces.");
    EXPECT_EQ(game.FlashTime, 21);
    EXPECT_EQ(animator.waited, 21 * kLongDelayStep);
    EXPECT_EQ(Piece("AdvicePanel").Caption, "Always split aces.");
    EXPECT_FALSE(Piece("AdvicePanel").Visible);
}

}  // namespace
}  // namespace velmora::testing
