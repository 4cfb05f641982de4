// The player's mouse at the table: gestures as presses, moves and releases at the
// table's logical positions, on rounds the engine really plays.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>

#include "engine/play_commands.h"
#include "engine/round.h"
#include "engine/shoe.h"
#include "strategy/strategy_table.h"
#include "table/betting_rules.h"
#include "table/gestures.h"
#include "tests/support/stacked_shoe.h"
#include "tests/table/table_fixture.h"

namespace velmora::testing {
namespace {

constexpr char kGameOver[] = "GAME OVER (You lost all your money) - Play Again?";

class GestureTest : public TableFixture {
  protected:
    void SetUp() override {
        TableFixture::SetUp();
        ReadyToPlay();
    }

    SpriteId Id(std::string_view name) const { return *table.Scene.Find(name); }

    void Click(std::string_view name) {
        MousePress(table, Id(name), 5, 5);
        MouseRelease(table, 5, 5, true);
    }
    // Press a piece, move the pointer by (dx, dy), release.
    void Drag(std::string_view name, int dx, int dy) {
        MousePress(table, Id(name), 20, 20);
        MouseMove(table, 20 + dx / 2, 20 + dy / 2);
        MouseMove(table, 20 + dx, 20 + dy);
        MouseRelease(table, 20 + dx, 20 + dy, false);
    }
    void ClickTable() {
        MousePress(table, kNoSprite, 100, 250);
        MouseRelease(table, 100, 250, true);
    }

    // Plays one round of the player's own play: the bet is the last one again, then
    // each decision the script is asked for is made by its gestures.
    void PlayRoundWith(std::vector<std::function<void()>> decisions) {
        size_t next = 0;
        host.onEvents = [&, this](Game& g) {
            if (g.BettingOpen && g.BetAmount == 0) {
                ClickTable();
            } else if (g.DecisionAwaited && g.PlayerAction == kNoAction) {
                if (next < decisions.size())
                    decisions[next++]();
                else
                    Click("pos2");  // stand on everything left
            }
        };
        const double bankroll = game.Bankroll, booked = game.StatsOf(1).HourNet;
        PlayRound(game);
        host.onEvents = nullptr;
        EXPECT_DOUBLE_EQ(game.Bankroll - bankroll, game.StatsOf(1).HourNet - booked);
        EXPECT_DOUBLE_EQ(game.Bankroll, RackValue());
    }
};

TEST_F(GestureTest, ASecondCardDragged51PixelsSplits50TakesACard) {
    StackShoe(game, {8, 10, 8, 7, 3, 4});
    PlayRoundWith({[this] { Drag("pos12", -51, 0); }});
    EXPECT_EQ(game.StatsOf(1).Splits, 1);
    EXPECT_EQ(game.Hand(3).NumCards, 2);
    EXPECT_EQ(Piece("pos12").Left, 317);

    StackShoe(game, {8, 10, 8, 7, 3});
    PlayRoundWith({[this] { Drag("pos12", -50, 0); }});
    EXPECT_EQ(game.StatsOf(1).Splits, 1);  // no second split
    EXPECT_EQ(game.Hand(1).NumCards, 3);   // a card instead
    EXPECT_EQ(Piece("pos12").Left, 317);
    EXPECT_EQ(Piece("pos12").Top, 174);
}

TEST_F(GestureTest, TheBetDraggedUpSurrendersOnlyWhenSurrenderIsOffered) {
    game.Options.SurrenderAllowed = true;
    const double start = game.Bankroll;
    StackShoe(game, {10, 10, 6, 7, 5});
    PlayRoundWith({[this] { Drag("Bet1", 0, -50); }});  // its top reaches 319
    EXPECT_EQ(game.Bankroll - start, -12.5);
    EXPECT_EQ(Piece("Bet1").Left, 318);
    EXPECT_EQ(Piece("Bet1").Top, 369);

    game.Options.SurrenderAllowed = false;
    StackShoe(game, {10, 10, 6, 7, 5});
    PlayRoundWith({[this] { Drag("Bet1", 0, -50); }});  // glides back; then a stand
    EXPECT_EQ(game.Bankroll - start, -12.5 - 25);
    EXPECT_EQ(Piece("Bet1").Top, 369);
}

TEST_F(GestureTest, AReleaseLostAfterASurrenderLeavesTheNextDragWorking) {
    game.Options.SurrenderAllowed = true;
    StackShoe(game, {10, 10, 6, 7, 5});
    // The bet is dragged away and the judgement's box takes the release.
    PlayRoundWith({[this] {
        MousePress(table, Id("Bet1"), 20, 20);
        MouseMove(table, 20, -40);
    }});
    game.BettingOpen = true;
    MousePress(table, Id("Bet25"), 20, 20);
    MouseMove(table, 0, 0);
    EXPECT_EQ(Piece("MovingChip").Left, Piece("Bet25").Left - 20);
    MouseRelease(table, 0, 0, false);
    EXPECT_EQ(table.ChipsOnSpot(1), 25);
}

TEST_F(GestureTest, ABetMovedTenPixelsRightOnlyGoesHomeAClickDoublesDown) {
    const double start = game.Bankroll;
    StackShoe(game, {6, 10, 5, 7, 10, 10});
    PlayRoundWith({[this] { Drag("Bet1", 10, 0); }, [this] { Click("Bet1"); }});
    EXPECT_EQ(game.StatsOf(1).Doubles, 1);
    EXPECT_EQ(game.Hand(1).NumCards, 3);
    EXPECT_EQ(game.Bankroll - start, 50);  // 21 against the dealer's 17
}

TEST_F(GestureTest, TwoPressesOnTheEmptyBetBoxBetTwiceTheLastBet) {
    game.BettingOpen = true;
    game.CurrentBet = 25;
    MousePress(table, Id("BetBox1"), 50, 30);
    MouseRelease(table, 50, 30, true);
    EXPECT_FALSE(Piece("Bet1").Visible);
    MousePress(table, Id("BetBox1"), 50, 30);
    MouseRelease(table, 50, 30, true);
    EXPECT_EQ(game.BetAmount, 50);
    EXPECT_EQ(table.ChipsOnSpot(1), 50);
    EXPECT_TRUE(Piece("Ring1").Visible);
    EXPECT_DOUBLE_EQ(game.Bankroll, 5000 - 50);
}

TEST_F(GestureTest, ChipsFollowThePointerLeftAndUpAndChangeColourAtTheDealer) {
    game.BettingOpen = true;
    SetRack({0, 0, 3, 2, 0, 0, 0});
    MousePress(table, Id("Bet25"), 20, 20);
    MouseMove(table, 70, 20);  // to the right: the chip stays by its stack
    EXPECT_EQ(Piece("MovingChip").Left, 590);
    EXPECT_FALSE(Piece("BetPanel").Visible);  // the chip in hand hides the signs
    MouseMove(table, 20, 20 - (245 - 39));    // its top reaches 39: the dealer changes it
    EXPECT_FALSE(table.ChipDragging);
    MouseRelease(table, 20, -186, false);
    EXPECT_EQ(Count(25), 2);
    EXPECT_EQ(Count(5), 5);
    EXPECT_DOUBLE_EQ(game.Bankroll, RackValue());
    EXPECT_TRUE(Piece("BetPanel").Visible);  // ... and the bet is still to be made

    SetRack({0, 1, 4, 0, 0, 0, 0});  // four $25s and a $5: colour up to a $100
    Drag("Bet25", 0, -220);
    EXPECT_EQ(Count(100), 1);
    EXPECT_EQ(Count(25), 0);
    EXPECT_EQ(Count(5), 1);

    SetRack({0, 3, 0, 0, 0, 0, 0});  // $5s: fewer than five cannot become a $25
    UseMinimum(5);
    game.BettingOpen = true;
    SetRack({0, 3, 0, 0, 0, 0, 0});
    Drag("Bet5", 0, -270);
    EXPECT_EQ(Count(5), 3);
    EXPECT_DOUBLE_EQ(game.Bankroll, 15);
}

TEST_F(GestureTest, TableLevelsRefuseChipsOutsideTheirLimits) {
    game.BettingOpen = true;
    SetRack({0, 4, 4, 4, 0, 0, 0});
    MousePress(table, Id("Bet5"), 5, 5);
    EXPECT_FALSE(table.ChipDragging);
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.boxes.back(), "message: SORRY ... Table Minimum is $25");
    MouseRelease(table, 5, 5, true);
    EXPECT_EQ(game.BetAmount, 0);

    Click("Bet100");  // a click bets the chip at once
    EXPECT_EQ(game.BetAmount, 100);
    EXPECT_EQ(Piece("Bet1").Tag, 100);
}

TEST_F(GestureTest, FiveDollarChipLeftOfTheLineBetsTenOnEachHand) {
    UseMinimum(5);
    game.Options.BetTwoHands = true;
    game.BettingOpen = true;
    Drag("Bet5", -500, 60);
    EXPECT_TRUE(game.TwoHandsThisRound);
    EXPECT_EQ(game.BetAmount, 10);
    EXPECT_EQ(table.ChipsOnSpot(1), 10);
    EXPECT_EQ(table.ChipsOnSpot(3), 10);
    EXPECT_TRUE(Piece("Ring1").Visible && Piece("Ring3").Visible);
    EXPECT_DOUBLE_EQ(game.Bankroll, 1000 - 20);
    EXPECT_DOUBLE_EQ(game.Bankroll, RackValue());
}

// Practice judges one move a round and carries none out: whatever the player does
// by mouse or command, no chip moves, no second hand is dealt, and between rounds
// the spots hold nothing but the practice chip.
TEST_F(GestureTest, PracticeMovesNoMoneyWhateverThePlayerDoes) {
    game.Options.SurrenderAllowed = true;
    game.Options.BetTwoHands = true;
    game.PracticeDeckMode = true;
    FreeShoe(game);
    BuildShoe(game);
    const double start = game.Bankroll;
    std::mt19937 random(17);
    const auto command = [](PlayCommand c) {
        return [c](Game& g) { ChoosePlayCommand(g, c); };
    };
    const std::vector<std::pair<PlayCommand, std::function<void(Game&)>>> moves = {
        {PlayCommand::Split, [this](Game&) { Drag("pos12", -60, 0); }},
        {PlayCommand::Surrender, [this](Game&) { Drag("Bet1", 0, -50); }},
        {PlayCommand::Double, [this](Game&) { Click("Bet1"); }},
        {PlayCommand::Hit, [this](Game&) { Click("pos11"); }},
        {PlayCommand::Stand, [this](Game&) { Click("pos2"); }},
        {PlayCommand::Double, command(PlayCommand::Double)},
        {PlayCommand::Split, command(PlayCommand::Split)},
        {PlayCommand::Surrender, command(PlayCommand::Surrender)},
        {PlayCommand::Stand, command(PlayCommand::Stand)},
    };
    // What the menu bar offers for the active hand (a key works only then).
    const auto offered = [](const Game& g, PlayCommand c) {
        const THand& h = g.Hand(g.ActiveHand);
        return c == PlayCommand::Double    ? h.CanDouble
               : c == PlayCommand::Split   ? h.CanSplit
               : c == PlayCommand::Surrender ? h.CanSurrender
                                           : true;
    };
    std::set<size_t> used;
    host.onEvents = [&](Game& g) {
        if (!g.DecisionAwaited || g.PlayerAction != kNoAction) return;
        std::vector<size_t> choices;
        for (size_t i = 0; i < moves.size(); ++i)
            if (offered(g, moves[i].first)) choices.push_back(i);
        const size_t i = choices[std::uniform_int_distribution<size_t>(0, choices.size() - 1)(random)];
        used.insert(i);
        moves[i].second(g);
    };
    for (int round = 0; round < 300; ++round) {
        PlayRound(game);
        ASSERT_FALSE(game.TwoHandsThisRound) << "round " << round;
        ASSERT_EQ(game.Hand(3).NumCards, 0) << "round " << round;
        ASSERT_DOUBLE_EQ(game.Bankroll + table.ChipsOnSpot(1), start) << "round " << round;
        ASSERT_DOUBLE_EQ(game.Bankroll, RackValue()) << "round " << round;
        for (int h = 1; h <= 4; ++h) {
            for (int slot = 1; slot <= kBetSlots; ++slot) {
                const SpriteId id = table.Scene.BetSlot(h, slot);
                if (id == kNoSprite || (h == 1 && slot == 1)) continue;
                ASSERT_FALSE(Piece(id).Visible) << "round " << round << " hand " << h;
            }
        }
    }
    for (size_t i = 0; i < moves.size(); ++i)
        EXPECT_TRUE(used.count(i)) << "move " << i << " was never tried";
    host.onEvents = nullptr;
}

// Betting the table minimum always: the chips on a hand's spot, the stake booked
// for it and the chips of its double are one amount, whatever was last bet by hand,
// and a rack short of the stake bets only what it holds.
TEST_F(GestureTest, AlwaysTheMinimumStakesAndDoublesWhatIsBooked) {
    struct Row {
        int minimum;
        bool twoHands;
        std::array<uint16_t, kChipKinds> rack;  // all zero: the starting rack
        int stake;
        bool doubles;
    };
    const Row rows[] = {
        {25, false, {}, 25, true},                     // after a $100 bet by hand
        {5, true, {}, 10, true},                       // $10 a hand at the $5 table
        {5, true, {1, 1, 0, 0, 0, 0, 0}, 5, false},    // $7.50 covers one $5 only
    };
    for (const Row& row : rows) {
        UseMinimum(row.minimum);
        if (row.rack != std::array<uint16_t, kChipKinds>{}) SetRack(row.rack);
        game.Options.AlwaysBetMinimum = true;
        game.Options.BetTwoHands = row.twoHands;
        game.CurrentBet = game.BetAmount = 100;  // the last bet made by hand
        const double booked = game.StatsOf(1).HourNet;
        StackShoe(game, {6, 10, 5, 7, 10});  // 11 against a 10; the double draws to 21
        PlayRoundWith({[this] { Click("Bet1"); }});
        EXPECT_EQ(game.CurrentBet, row.stake) << row.minimum;
        EXPECT_EQ(game.Hand(1).StakeByStrategy[1], row.doubles ? 2 * row.stake : row.stake);
        EXPECT_DOUBLE_EQ(game.StatsOf(1).HourNet - booked,
                         row.doubles ? 2 * row.stake : -row.stake)
            << row.minimum;
    }
}

// Presses, moves and releases anywhere and at any time, over many rounds of the
// player's own play: the money on the table stays whole and every piece goes home.
// (Seeds 4 and 34 once split a busted hand and staked a hand twice.)
TEST_F(GestureTest, RandomGesturesNeverBreakTheMoney) {
    game.Options.SurrenderAllowed = true;
    game.Options.BetTwoHands = true;
    host.answers.assign(10000, true);  // a new bankroll whenever the money runs out
    const auto& sprites = table.Scene.Sprites();
    for (unsigned seed : {1208u, 4u, 34u}) {
        std::mt19937 random(seed);
        auto pick = [&random](int n) {
            return std::uniform_int_distribution<int>(0, n - 1)(random);
        };
        host.onEvents = [&, this](Game& g) {
            for (int i = pick(4); i > 0; --i) {
                const SpriteId piece =
                    pick(6) == 0 ? kNoSprite : SpriteId(pick(int(sprites.size())));
                if (piece != kNoSprite && !sprites[piece].Visible) continue;
                MousePress(table, piece, pick(60) - 10, pick(60) - 10);
                for (int m = pick(4); m > 0; --m)
                    MouseMove(table, pick(400) - 300, pick(400) - 300);
                MouseRelease(table, pick(60), pick(60), pick(2) == 0);
            }
            if (pick(3) == 0) {  // now and then a plain bet or move, so rounds go on
                if (g.BettingOpen) ClickTable();
                if (g.DecisionAwaited) Click(pick(2) ? "pos2" : "pos11");
            }
        };
        for (int round = 0; round < 150; ++round) {
            const double bankroll = game.Bankroll, booked = game.StatsOf(1).HourNet;
            const size_t boxes = host.boxes.size();
            PlayRound(game);
            ASSERT_FALSE(game.StopRequested);
            const auto restarts = std::count(host.boxes.begin() + long(boxes), host.boxes.end(),
                                             "question: " + std::string(kGameOver));
            if (restarts == 0) {  // a restarted bankroll is new money
                ASSERT_DOUBLE_EQ(game.Bankroll - bankroll, game.StatsOf(1).HourNet - booked)
                    << "seed " << seed << " round " << round;
            }
            ASSERT_DOUBLE_EQ(game.Bankroll, RackValue()) << "seed " << seed << " round " << round;
            for (uint16_t count : game.RackCount) ASSERT_LT(count, 10000);  // never wrapped
            for (int h = 1; h <= 4; ++h) {
                int left, top, width, height;
                TableScene::CardHome(h, 2, left, top, width, height);
                ASSERT_EQ(Piece(table.Scene.CardPlace(h, 2)).Left, left);
            }
            ASSERT_EQ(Piece("Bet1").Left, 318);
            ASSERT_EQ(Piece("Bet3").Left, 6);
        }
    }
    host.onEvents = nullptr;
}

}  // namespace
}  // namespace velmora::testing
