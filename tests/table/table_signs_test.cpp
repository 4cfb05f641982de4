// The table's signs: what a hand's total reads, how far Stand reaches, the practice
// score's text, and on the table itself where the totals and banners lie, when they
// come and go in rounds the engine really plays, and that the mouse passes through.

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "engine/play_commands.h"
#include "engine/round.h"
#include "engine/shoe.h"
#include "strategy/strategy_table.h"
#include "table/gestures.h"
#include "table/hand_total.h"
#include "table/practice_score.h"
#include "table/stand_reach.h"
#include "table/table_signs.h"
#include "tests/support/stacked_shoe.h"
#include "tests/table/table_fixture.h"

namespace velmora::testing {
namespace {

THand HandOf(std::initializer_list<int> values) {
    THand hand;
    for (int v : values) AddCard(hand, TCard{static_cast<uint16_t>(v), 0, 0, 1, 0});
    return hand;
}

TEST(HandTotalText, ReadsAsAPlayerSaysIt) {
    struct Row {
        std::initializer_list<int> cards;
        bool blackjackCounts;
        const char* text;
    };
    const Row rows[] = {
        {{}, true, ""},
        {{8}, true, "8"},
        {{11}, true, "soft 11"},
        {{11, 6}, true, "soft 17"},
        {{11, 11}, true, "soft 12"},  // the second ace counts 1
        {{11, 6, 10}, true, "17"},    // soft turns hard
        {{11, 6, 5}, true, "12"},
        {{11, 5, 5}, true, "21"},  // a soft 21 of three cards is 21
        {{7, 7, 7}, true, "21"},
        {{11, 10}, true, "BLACKJACK"},
        {{10, 11}, true, "BLACKJACK"},
        {{11, 10}, false, "21"},  // a split hand's 21
        {{10, 6, 6}, true, "BUST"},
        {{11, 11, 10, 10}, true, "BUST"},       // both aces at 1 and still over
        {{11, 2, 11, 2, 11}, true, "soft 17"},  // five cards, three aces
        {{2, 3, 11, 2, 3}, true, "21"},
        {{5, 4, 3, 2, 10}, true, "BUST"},
        {{2, 2, 2, 2, 2, 2, 2, 2, 2}, true, "18"},
    };
    for (const Row& row : rows) {
        THand hand = HandOf(row.cards);
        EXPECT_EQ(HandTotalText(hand, row.blackjackCounts), row.text)
            << row.cards.size() << " cards, expected " << row.text;
        // Read from the cards: a hand the engine has settled (its Total zeroed) reads the same.
        hand.Total = 0;
        EXPECT_EQ(HandTotalText(hand, row.blackjackCounts), row.text);
    }
}

TEST(HandTotalText, AnAceSplitOffIsSoftThoughTheEngineCountsItHard) {
    THand from = HandOf({11, 11}), to;
    SplitInto(from, to);
    AddCard(to, TCard{5, 0, 0, 5, 0});
    AddCard(from, TCard{10, 0, 0, 10, 0});
    EXPECT_EQ(to.SoftAce, 0);  // the engine's own bookkeeping
    EXPECT_EQ(HandTotalText(to, false), "soft 16");
    EXPECT_EQ(HandTotalText(from, false), "21");
}

TEST(StandReach, SaysSoWhenStandClosesMoreThanThePointedHand) {
    struct Row {
        std::initializer_list<int> open;  // unfinished hands with cards
        int active;
        const char* text;
    };
    const Row rows[] = {
        {{1}, 1, ""},                        // one hand
        {{1, 3}, 1, "Stand on both hands"},  // two hands bet, or hand 1 split
        {{1, 3}, 3, "Stand on both hands"},
        {{3}, 3, ""},  // hand 1 done: Stand closes hand 3 alone
        {{1, 4, 3}, 4, "Stand on all 3 hands"},
        {{2, 1, 4, 3}, 2, "Stand on all 4 hands"},
        {{1, 3}, 0, ""},  // no decision under way
    };
    for (const Row& row : rows) {
        ScriptedHost host;
        Game g(host);
        ResetRound(g);
        for (int h : row.open) {
            g.Hand(h).NumCards = 2;
            g.Hand(h).Finished = false;
        }
        // A closed hand 3 still has cards: it decides where a stand goes.
        g.Hand(3).NumCards = 2;
        g.ActiveHand = static_cast<uint16_t>(row.active);
        EXPECT_EQ(StandReachText(g), row.text) << "active " << row.active;
    }
}

TEST(PracticeScore, CountsPracticeDecisionsAndRoundsTheShareHalfUp) {
    struct Row {
        int right, judged;
        const char* text;
    };
    const Row rows[] = {
        {0, 0, "Practice: 0 of 0 right"},        {17, 20, "Practice: 17 of 20 right (85 %)"},
        {2, 3, "Practice: 2 of 3 right (67 %)"}, {1, 3, "Practice: 1 of 3 right (33 %)"},
        {1, 8, "Practice: 1 of 8 right (13 %)"},  // 12.5 goes up
        {0, 5, "Practice: 0 of 5 right (0 %)"},  {5, 5, "Practice: 5 of 5 right (100 %)"},
    };
    for (const Row& row : rows) EXPECT_EQ((PracticeScore{row.right, row.judged}.Text()), row.text);

    PracticeScore score;
    JudgedDecision d;
    d.practice = true;
    d.taken = d.asked = kHit;
    score.Count(d);
    d.taken = kStand;
    score.Count(d);
    d.practice = false;  // Normal Play is not practice
    score.Count(d);
    EXPECT_EQ(score.Text(), "Practice: 1 of 2 right (50 %)");
}

class TableSignsTest : public TableFixture {
  protected:
    void SetUp() override {
        TableFixture::SetUp();
        ReadyToPlay();
    }

    const Sprite& TotalOf(int h) const { return Piece(table.Scene.Total(h)); }
    const Sprite& BannerOf(int h) const { return Piece(table.Scene.Banner(h)); }
    // What hand h shows: its banner while one is up, else its total, else nothing.
    std::string Shown(int h) const {
        if (BannerOf(h).Visible) return "banner " + BannerOf(h).Caption;
        return TotalOf(h).Visible ? TotalOf(h).Caption : "";
    }

    // Runs at the next round's bet, before the chip goes down.
    std::function<void()> atNextBet;

    // One round of the player's own play at the last bet; `decide` makes each decision
    // (by a play command) and may look at the table first.
    void PlayRoundWith(const std::function<void(Game&)>& decide) {
        host.onEvents = [&](Game& g) {
            if (g.BettingOpen && g.BetAmount == 0) {
                if (atNextBet) std::exchange(atNextBet, nullptr)();
                MousePress(table, kNoSprite, 100, 250);
                MouseRelease(table, 100, 250, true);
            } else if (g.DecisionAwaited && g.PlayerAction == kNoAction) {
                decide(g);
            }
        };
        PlayRound(game);
        host.onEvents = nullptr;
    }
};

// The signs lie where no card, chip, panel or the pointer can ever be.
TEST_F(TableSignsTest, NoSignLiesOverAPieceOfPlay) {
    const TableScene& s = table.Scene;
    std::vector<Sprite> pieces;
    for (const Sprite& sprite : s.Sprites())
        if (!sprite.Passive && sprite.Name.rfind("Moving", 0) != 0 && sprite.Name != "Chipa" &&
            sprite.Name != "Chipb")
            pieces.push_back(sprite);
    for (int h = 1; h <= 4; ++h) {  // the pointer beside each hand
        Sprite pointer = Piece("Pointer");
        pointer.Left = TableScene::PointerLeft(h);
        pieces.push_back(pointer);
    }
    Sprite cutOut = Piece("CutCard");  // the cut card out of the shoe
    cutOut.MoveTo(20, 12);
    pieces.push_back(cutOut);
    std::vector<SpriteId> signs = {s.ModeLine, s.PracticeCounter, s.Judgement};
    for (int h = 0; h < kHandCount; ++h) signs.insert(signs.end(), {s.Total(h), s.Banner(h)});
    for (SpriteId id : signs) {
        const Sprite& sign = s[id];
        EXPECT_TRUE(sign.Passive) << sign.Name;
        EXPECT_GE(sign.Left, 0);
        EXPECT_LE(sign.Right(), kCanvasWidth) << sign.Name;
        for (const Sprite& p : pieces) {
            // Practice's judgement lies on the label row a practice round never writes,
            // where a practice round, whose dealer holds two cards and whose one hand
            // has no pointer, shows nothing else.
            const bool notInPractice =
                p.Name.rfind("Hand", 0) == 0 || p.Name == "Pointer" ||
                (p.Name.size() == 4 && p.Name.rfind("pos", 0) == 0 && p.Name[3] >= '3');
            if (id == s.Judgement && notInPractice) continue;
            const bool apart = sign.Right() <= p.Left || p.Right() <= sign.Left ||
                               sign.Bottom() <= p.Top || p.Bottom() <= sign.Top;
            EXPECT_TRUE(apart) << sign.Name << " lies over " << p.Name;
        }
    }
}

TEST_F(TableSignsTest, TheMousePassesThroughTheSigns) {
    Sprite& total = table.Scene[table.Scene.Total(1)];
    total.Visible = true;
    EXPECT_EQ(table.Scene.SpriteAt(total.Left + 5, total.Top + 5), std::nullopt);  // bare table
    // Even moved over a card, a sign never takes the press from it.
    const SpriteId card = table.Scene.CardPlace(1, 1);
    table.Scene[card].Visible = true;
    table.Scene[card].Pic = {PictureKind::CardFace, 1};
    total.MoveTo(Piece(card).Left, Piece(card).Top);
    EXPECT_EQ(table.Scene.SpriteAt(total.Left + 5, total.Top + 5), card);
}

TEST_F(TableSignsTest, TotalsFollowTheCardsAndTheDealersWaitsForTheHoleCard) {
    StackShoe(game, {10, 9, 6, 7, 5, 10});  // 16 against 9 and 7; a five; the dealer's ten
    std::vector<std::string> atDecisions;
    PlayRoundWith([&](Game& g) {
        atDecisions.push_back(Shown(1) + "/" + Shown(0));
        ChoosePlayCommand(g, g.Hand(1).NumCards == 2 ? PlayCommand::Hit : PlayCommand::Stand);
    });
    EXPECT_EQ(atDecisions, (std::vector<std::string>{"16/", "21/"}));
    EXPECT_EQ(Shown(1), "21");
    EXPECT_EQ(Shown(0), "banner DEALER BUSTS");  // 9, 7 and a ten
    animator.RunLater();                         // a second later
    EXPECT_EQ(Shown(0), "BUST");
    EXPECT_EQ(Piece("Hand1").Caption, "Win $25");  // the hand's own label says the rest
    // The next deal starts clean.
    table.ClearTable();
    EXPECT_EQ(Shown(0) + Shown(1), "");
}

TEST_F(TableSignsTest, ABustABlackjackAndAPushEachShowTheirBanner) {
    StackShoe(game, {10, 10, 6, 7, 10});  // 16 hits into a ten
    PlayRoundWith([](Game& g) { ChoosePlayCommand(g, PlayCommand::Hit); });
    EXPECT_EQ(Shown(1), "banner BUST");
    EXPECT_EQ(Piece("Hand1").Caption, "Lose $25");
    EXPECT_EQ(Shown(0), "17");  // the hole card is turned all the same

    // The banner's second ends while the next bet is awaited (the engine has cleared
    // its hands by then): the last deal's total shows again until the next deal.
    std::string afterBanner;
    atNextBet = [&] {
        animator.RunLater();
        afterBanner = Shown(1);
    };
    StackShoe(game, {11, 9, 10, 8});
    PlayRoundWith([](Game&) { ADD_FAILURE() << "a blackjack is not played"; });
    EXPECT_EQ(afterBanner, "BUST");
    EXPECT_EQ(Shown(1), "banner BLACKJACK!");
    animator.RunLater();
    EXPECT_EQ(Shown(1), "BLACKJACK");

    StackShoe(game, {10, 10, 10, 10});
    PlayRoundWith([](Game& g) { ChoosePlayCommand(g, PlayCommand::Stand); });
    EXPECT_EQ(Shown(1), "banner PUSH");
    EXPECT_EQ(Piece("Hand1").Caption, "PUSH");
    EXPECT_EQ(Shown(0), "20");
}

TEST_F(TableSignsTest, SplitAcesReadTwentyOneNotBlackjack) {
    StackShoe(game, {11, 6, 11, 10, 10, 5, 10});  // aces against a 6; the dealer busts
    PlayRoundWith([](Game& g) { ChoosePlayCommand(g, PlayCommand::Split); });
    animator.RunLater();
    EXPECT_EQ(Shown(1), "21");
    EXPECT_EQ(Shown(3), "soft 16");
    // A new deal forgets the split.
    table.ClearTable();
    StackShoe(game, {11, 9, 10, 8});
    PlayRoundWith([](Game&) {});
    animator.RunLater();
    EXPECT_EQ(Shown(1), "BLACKJACK");
}

TEST_F(TableSignsTest, ALaterBannerOutlivesTheEndOfAnEarlierOne) {
    ShowBanner(table, 1, BannerKind::Bust);
    ShowBanner(table, 1, BannerKind::Push);
    ASSERT_EQ(animator.later.size(), 2u);
    animator.later[0]();  // the first banner's second is over
    EXPECT_EQ(Shown(1), "banner PUSH");
    animator.later[1]();
    EXPECT_EQ(Shown(1), "");
}

TEST_F(TableSignsTest, PracticeCountsJudgedDecisionsAndFlashesCorrect) {
    game.PracticeDeckMode = true;
    table.ShowModeLine();
    EXPECT_EQ(Piece("ModeLine").Caption, "PRACTICE DECK");
    EXPECT_EQ(Piece("PracticeCounter").Caption, "Practice: 0 of 0 right");
    EXPECT_TRUE(Piece("PracticeCounter").Visible);

    const Sprite& judgement = Piece("Judgement");
    JudgedDecision d;
    d.practice = true;
    d.hand = 1;
    d.taken = d.asked = kStand;
    table.DecisionJudged(d);
    EXPECT_TRUE(judgement.Visible);
    EXPECT_EQ(judgement.Caption, "Correct");
    // Above the hand, where its label would be (a practice round writes none).
    EXPECT_EQ(judgement.Left, Piece("Hand1").Left);
    EXPECT_EQ(judgement.Right(), Piece("Hand1").Right());
    EXPECT_LE(judgement.Bottom(), Piece(table.Scene.CardPlace(1, 1)).Top);
    // The next practice deal follows at once: the judgement keeps its second, and the
    // new hand's total shows beside it.
    table.ClearTable();
    StackShoe(game, {9, 3});
    DealToHand(game, 1);
    EXPECT_TRUE(judgement.Visible);
    EXPECT_EQ(Shown(1), "9");
    d.taken = kHit;  // wrong, within the second: the advice box says so, no "Correct"
    table.DecisionJudged(d);
    EXPECT_FALSE(judgement.Visible);
    EXPECT_EQ(Piece("PracticeCounter").Caption, "Practice: 1 of 2 right (50 %)");

    // Normal Play has no score on the table.
    game.PracticeDeckMode = false;
    d.practice = false;
    table.DecisionJudged(d);
    table.ShowModeLine();
    EXPECT_EQ(Piece("ModeLine").Caption, "NORMAL PLAY");
    EXPECT_FALSE(Piece("PracticeCounter").Visible);
    game.SimulationMode = true;
    table.ShowModeLine();
    EXPECT_EQ(Piece("ModeLine").Caption, "COMPUTER PLAY");
    game.SimulationMode = false;
    game.PracticeDeckMode = game.DrillMode = true;
    table.ShowModeLine();
    EXPECT_EQ(Piece("ModeLine").Caption, "WEAK SPOTS DRILL");
    EXPECT_TRUE(Piece("PracticeCounter").Visible);
}

}  // namespace
}  // namespace velmora::testing
