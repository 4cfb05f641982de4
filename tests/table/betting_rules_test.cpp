// The betting rules and the bet gestures at their edges, one table a rule: which
// chip each table level lets the player pick up, what two presses on the empty box
// bet, where a chip dropped during play doubles which hand, and how far the bet of
// hand 1 or 3 may move before it surrenders, hides its ring or no longer touches.

#include <gtest/gtest.h>

#include <string>

#include "table/betting_rules.h"
#include "table/gestures.h"
#include "table/rack.h"
#include "tests/table/table_fixture.h"

namespace velmora::testing {
namespace {

constexpr char kNone[] = "";

class BettingRulesTest : public TableFixture {
  protected:
    SpriteId Id(std::string_view name) const { return *table.Scene.Find(name); }
    std::string LastMessage() const {
        return host.boxes.empty() ? kNone : host.boxes.back().substr(sizeof("message: ") - 1);
    }

    // A decision is awaited on hand 1; hands 1..4 each hold a $25 bet that may be
    // doubled (hands 2 and 4 only when `splitHands`), and hand 1 may surrender.
    void Deciding(bool splitHands, bool surrender) {
        SetRack({0, 0, 40, 40, 0, 0, 0});
        game.CurrentBet = 25;
        game.DecisionAwaited = true;
        game.PlayerAction = kNoAction;
        game.ActiveHand = 1;
        for (int h = 1; h <= 4; ++h) {
            THand& hand = game.Hand(h);
            const bool inPlay = h == 1 || h == 3 || splitHands;
            hand.Finished = !inPlay;
            hand.CanDouble = inPlay;
            hand.CanSurrender = surrender && (h == 1 || h == 3);
            hand.NumCards = inPlay ? 2 : 0;
            if (inPlay) PlaceBetChip(table, 25, table.Scene.BetSlot(h, 1), kNoSprite);
        }
    }
};

// Which chips each table level lets the player pick up, and the refusal otherwise.
TEST_F(BettingRulesTest, EachTableLevelPicksUpItsChipsAndSaysWhyNot) {
    struct Row {
        int minimum;
        int chip;
        const char* message;  // kNone: the chip is picked up
    };
    const Row rows[] = {
        {5, 5, kNone},
        {5, 25, kNone},
        {5, 500, kNone},
        {5, 1000, "SORRY ... Maximum Bet is $500"},
        {5, 5000, "SORRY ... Maximum Bet is $500"},
        {25, 5, "SORRY ... Table Minimum is $25"},
        {25, 25, kNone},
        {25, 1000, kNone},
        {25, 5000, "SORRY ... Maximum Bet is $1000"},
        {100, 5, "SORRY ... Table Minimum is $100"},
        {100, 25, "SORRY ... Table Minimum is $100"},
        {100, 100, kNone},
        {100, 5000, kNone},
    };
    for (const Row& row : rows) {
        UseMinimum(row.minimum);
        SetRack({0, 4, 4, 4, 4, 4, 4});
        game.BettingOpen = true;
        host.boxes.clear();
        MousePress(table, table.Scene.RackImage(*KindOfCode(row.chip)), 5, 5);
        EXPECT_EQ(LastMessage(), row.message) << "$" << row.chip << " at $" << row.minimum;
        EXPECT_EQ(table.ChipDragging, *row.message == '\0')
            << "$" << row.chip << " at $" << row.minimum;
        if (table.ChipDragging) PutChipBack(table);
        table.ChipDragging = false;
    }
}

// Two presses on the empty main box bet twice the last bet, up to the table's limit.
TEST_F(BettingRulesTest, TwoPressesBetTwiceTheLastBetWithinTheLimit) {
    struct Row {
        int minimum;
        int last;
        int bet;
        const char* message;
    };
    const Row rows[] = {
        {5, 5, 10, kNone},
        {5, 10, 25, kNone},
        {25, 25, 50, kNone},
        {25, 50, 100, kNone},
        {25, 100, 200, kNone},
        {25, 200, 500, kNone},
        {5, 500, 500, "SORRY ... Maximum Bet is $500"},
        {25, 500, 1000, kNone},
        {5, 1000, 500, "SORRY ... Maximum Bet is $500"},
        {25, 1000, 1000, "SORRY ... Maximum Bet is $1,000"},
        {100, 1000, 2000, kNone},
        {100, 2000, 5000, kNone},
        {100, 5000, 5000, "SORRY ... Maximum Bet is $5000"},
    };
    for (const Row& row : rows) {
        UseMinimum(row.minimum);
        SetRack({0, 40, 40, 40, 40, 40, 40});
        game.BettingOpen = true;
        game.BetAmount = 0;
        game.CurrentBet = static_cast<uint16_t>(row.last);
        host.boxes.clear();
        for (int press = 0; press < 2; ++press) {
            MousePress(table, Id("BetBox1"), 50, 30);
            MouseRelease(table, 50, 30, true);
        }
        EXPECT_EQ(game.BetAmount, row.bet) << row.last << " at $" << row.minimum;
        EXPECT_EQ(table.ChipsOnSpot(1), row.bet) << row.last << " at $" << row.minimum;
        EXPECT_EQ(LastMessage(), row.message) << row.last << " at $" << row.minimum;
        EXPECT_DOUBLE_EQ(game.Bankroll, RackValue());
        table.ReturnBets();
        table.PrepareBetting();
    }
    // Twice the bet must lie in the rack.
    UseMinimum(25);
    SetRack({0, 0, 3, 0, 0, 0, 0});
    game.BettingOpen = true;
    game.BetAmount = 0;
    game.CurrentBet = 50;
    host.boxes.clear();
    for (int press = 0; press < 2; ++press) {
        MousePress(table, Id("BetBox1"), 50, 30);
        MouseRelease(table, 50, 30, true);
    }
    EXPECT_EQ(LastMessage(), "SORRY ... You do not have enough chips to double your bet");
    EXPECT_EQ(game.BetAmount, 0);
}

// A chip from the rack dropped during play doubles the hand whose zone its left edge
// lies in (hand 1's zone first); elsewhere it goes back to the rack.
TEST_F(BettingRulesTest, AChipDroppedInPlayDoublesTheHandOfItsZone) {
    struct Row {
        int left;
        bool splitHands;  // hands 2 and 4 are in play
        int hand;         // 0: no hand, the chip goes back
    };
    const Row rows[] = {
        {281, true, 1}, {399, true, 1}, {280, true, 4}, {280, false, 0}, {400, true, 0},
        {450, true, 0}, {451, true, 2}, {549, true, 2}, {451, false, 0}, {550, true, 0},
        {99, true, 3},  {100, true, 0}, {140, true, 0}, {141, true, 4},  {299, true, 1},
    };
    for (const Row& row : rows) {
        table.ClearTable();
        table.ReturnBets();
        Deciding(row.splitHands, false);
        const double bankroll = game.Bankroll;
        Sprite& chip = table.Scene[table.Scene.MovingChip];
        chip.MoveTo(row.left, 300);
        chip.Tag = 25;
        chip.Pic = {PictureKind::Chip, 25};
        chip.Visible = true;
        table.ChipDragging = true;
        ReleaseChip(table);
        EXPECT_EQ(game.PlayerAction, row.hand ? kDouble : kNoAction) << "left " << row.left;
        if (row.hand) {
            EXPECT_EQ(game.ActiveHand, row.hand) << "left " << row.left;
        }
        EXPECT_FALSE(table.ChipDragging);
        EXPECT_DOUBLE_EQ(game.Bankroll, bankroll) << "left " << row.left;  // no chip used
        EXPECT_DOUBLE_EQ(game.Bankroll, RackValue());
    }
}

// The bet of hand 1 or 3 dragged by the player: beyond its zone it surrenders (or
// glides back when surrender is not offered); inside it, it hides its ring once off
// its place; released before its touch line it doubles the hand.
TEST_F(BettingRulesTest, TheBetsDragZonesAtTheirEdges) {
    struct Row {
        int hand;
        int left, top;  // where the bet is carried
        bool surrender;
        bool ringShown;   // the ring under a two-chip bet, while carried
        uint16_t action;  // after the release
    };
    const Row rows[] = {
        {1, 318, 319, true, false, kSurrender},  // above the zone
        {1, 318, 320, true, false, kDouble},
        {1, 371, 369, true, false, kSurrender},  // right of the zone
        {1, 370, 369, true, false, kNoAction},   // inside, but past the touch line
        {1, 324, 369, true, false, kDouble},
        {1, 325, 369, true, false, kNoAction},
        {1, 323, 364, true, true, kDouble},      // still on its place: the ring stays
        {1, 323, 363, true, false, kDouble},
        {1, 318, 319, false, true, kNoAction},   // no surrender: it glides back
        {3, 6, 319, true, false, kSurrender},
        {3, 6, 320, true, false, kDouble},
        {3, 56, 369, true, false, kSurrender},
        {3, 55, 369, true, false, kDouble},
        {3, 56, 369, false, true, kNoAction},
    };
    for (const Row& row : rows) {
        table.ClearTable();
        table.ReturnBets();
        Deciding(false, row.surrender);
        // A bet of two chips: the ring under it shows the second.
        const SpriteId slot = table.Scene.BetSlot(row.hand, 1);
        table.ReturnBets();
        PlaceBetChip(table, 50, slot, kNoSprite);
        PlaceBetChip(table, 50, slot, table.Scene.Ring(row.hand, 1));
        table.TwoChipBet = true;
        const Sprite& bet = table.Scene[slot];
        const int homeLeft = bet.Left, homeTop = bet.Top;
        MousePress(table, row.hand == 1 ? Id("Bet1") : Id("BetBox3"), 20, 20);
        const int x = 20 + row.left - homeLeft, y = 20 + row.top - homeTop;
        MouseMove(table, x, y);
        const std::string where = std::to_string(row.hand) + " at " + std::to_string(row.left) +
                                  "," + std::to_string(row.top);
        if (row.action != kSurrender) {
            EXPECT_EQ(table.Scene[table.Scene.Ring(row.hand, 1)].Visible, row.ringShown) << where;
        }
        MouseRelease(table, x, y, false);
        EXPECT_EQ(game.PlayerAction, row.action) << where;
        EXPECT_EQ(bet.Left, homeLeft) << where;  // every release puts the bet home
        EXPECT_EQ(bet.Top, homeTop) << where;
    }
}

// A touch on the bet of a pair of fours or fives asks whether to double rather than
// split; practice asks nothing and doubles. Other pairs split, other hands double.
TEST_F(BettingRulesTest, APairOfFoursOrFivesAsksDoubleOrSplit) {
    struct Row {
        int card;
        bool practice;
        bool yes;  // the answer, when asked
        bool asked;
        uint16_t action;
    };
    const Row rows[] = {
        {4, false, true, true, kDouble}, {4, false, false, true, kSplit},
        {5, false, true, true, kDouble}, {5, false, false, true, kSplit},
        {5, true, false, false, kDouble}, {8, false, true, false, kSplit},
        {6, false, true, false, kSplit},
    };
    for (const Row& row : rows) {
        table.ReturnBets();
        Deciding(false, false);
        game.PracticeDeckMode = row.practice;
        THand& hand = game.Hand(1);
        hand.Cards[1].Value = hand.Cards[2].Value = static_cast<uint16_t>(row.card);
        hand.Total = static_cast<uint16_t>(2 * row.card);
        hand.IsPair = hand.CanSplit = true;
        host.boxes.clear();
        host.answers.assign(1, row.yes);
        MousePress(table, Id("Bet1"), 20, 20);
        MouseRelease(table, 20, 20, true);
        const bool asked =
            !host.boxes.empty() && host.boxes[0] == "question: Double Down on the Pair? (No = Split)";
        EXPECT_EQ(asked, row.asked) << row.card << (row.practice ? " practice" : "");
        EXPECT_EQ(game.PlayerAction, row.action) << row.card << (row.practice ? " practice" : "");
    }
    game.PracticeDeckMode = false;
}

// The last bet again on two hands (a click on the table): each spot staked what the
// rack covers, $5 chips two to a hand; a rack short of both hands bets one.
TEST_F(BettingRulesTest, TheLastBetAgainOnTwoHands) {
    struct Row {
        int minimum;
        int last;
        std::array<uint16_t, kChipKinds> rack;
        double spot1, spot3;
    };
    const Row rows[] = {
        {25, 25, {0, 0, 8, 3, 3, 3, 0}, 25, 25},
        {5, 5, {0, 10, 2, 4, 1, 0, 0}, 10, 10},
        {25, 100, {0, 0, 0, 2, 0, 0, 0}, 100, 100},
        {25, 100, {0, 0, 0, 1, 0, 0, 0}, 100, 0},  // $100 in all: one hand
        {5, 5, {0, 3, 0, 0, 0, 0, 0}, 5, 0},       // $15: not $10 a hand
        {25, 100, {0, 0, 2, 0, 0, 0, 0}, 25, 25},  // short of the last bet: the minimum
    };
    for (const Row& row : rows) {
        UseMinimum(row.minimum);
        SetRack(row.rack);
        const double start = game.Bankroll;
        game.TwoHandsThisRound = true;
        game.BettingOpen = true;
        game.BetAmount = 0;
        game.CurrentBet = static_cast<uint16_t>(row.last);
        MousePress(table, kNoSprite, 100, 250);
        MouseRelease(table, 100, 250, true);
        EXPECT_EQ(table.ChipsOnSpot(1), row.spot1) << row.last << " at $" << row.minimum;
        EXPECT_EQ(table.ChipsOnSpot(3), row.spot3) << row.last << " at $" << row.minimum;
        EXPECT_EQ(game.BetAmount, row.spot1) << row.last << " at $" << row.minimum;
        EXPECT_DOUBLE_EQ(game.Bankroll, start - row.spot1 - row.spot3);
        EXPECT_DOUBLE_EQ(game.Bankroll, RackValue());
        table.ReturnBets();
    }
}

}  // namespace
}  // namespace velmora::testing
