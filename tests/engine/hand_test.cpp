#include "engine/hand.h"

#include <gtest/gtest.h>

#include "engine/game.h"
#include "tests/support/scripted_host.h"

namespace velmora {
namespace {

// A card of the given value (2..11) from the first suit.
TCard Card(int value) { return MakeCard(value == 11 ? 1 : value); }

THand HandOf(std::initializer_list<int> values) {
    THand hand;
    for (int v : values) AddCard(hand, Card(v));
    return hand;
}

TEST(HandTotals, SoftAceIsCountedOnceAndDemotedOnlyPast21) {
    struct Case { std::initializer_list<int> cards; int total; int softAce; };
    const Case cases[] = {
        {{11, 11}, 12, 1},          // ace, ace: soft 12
        {{11, 11, 9}, 21, 1},       // ace, ace, nine: soft 21
        {{11, 6, 10}, 17, 0},       // ace, six, ten: hard 17
        {{10, 6, 11}, 17, 0},       // ten, six, ace: 27 demoted at once to hard 17
        {{11, 11, 11, 11, 11}, 15, 1},  // five aces: soft 15
        {{11, 6}, 17, 1},           // soft 17
        {{9, 7}, 16, 0},
    };
    for (const Case& c : cases) {
        const THand h = HandOf(c.cards);
        EXPECT_EQ(h.Total, c.total);
        EXPECT_EQ(h.SoftAce, c.softAce);
        EXPECT_TRUE(h.IsOk());
    }
}

TEST(HandTotals, AddCardReportsABustOnlyWhenNoAceCanBeDemoted) {
    THand h = HandOf({10, 6});
    EXPECT_TRUE(AddCard(h, Card(10)));
    EXPECT_EQ(h.Total, 26);

    THand soft = HandOf({11, 6});
    EXPECT_FALSE(AddCard(soft, Card(10)));  // becomes hard 17
    EXPECT_TRUE(AddCard(soft, Card(5)));    // now it busts

    // An ace drawn to a hard 21 is first counted 11 and demoted, and still busts.
    THand hard21 = HandOf({10, 5, 6});
    EXPECT_TRUE(AddCard(hard21, Card(11)));
    EXPECT_EQ(hard21.Total, 22);
}

TEST(HandTotals, TwentyTwoCardsFitAndNoMoreAreTaken) {
    // The largest hand possible: 21 aces (soft 21 would be 31, so hard 21) and a bust card.
    THand h;
    for (int i = 0; i < 21; ++i) EXPECT_FALSE(AddCard(h, Card(11)));
    EXPECT_EQ(h.Total, 21);
    EXPECT_EQ(h.SoftAce, 0);
    EXPECT_TRUE(AddCard(h, Card(11)));
    EXPECT_EQ(h.NumCards, kMaxCardsInHand);
    EXPECT_TRUE(h.IsOk());
}

TEST(HandSplit, SecondCardStartsTheNewHand) {
    THand from = HandOf({8, 8});
    from.Unsplit = true;
    THand to;
    SplitInto(from, to);
    EXPECT_EQ(from.NumCards, 1);
    EXPECT_EQ(to.NumCards, 1);
    EXPECT_EQ(from.Total, 8);
    EXPECT_EQ(to.Total, 8);
    EXPECT_FALSE(from.Finished);
    EXPECT_FALSE(to.Finished);
    EXPECT_FALSE(from.Unsplit);
    EXPECT_FALSE(to.Unsplit);
}

TEST(HandSplit, SplitAcesAreFinishedAndTotalRightAfterOneCard) {
    THand from = HandOf({11, 11});
    THand to;
    SplitInto(from, to);
    EXPECT_TRUE(from.Finished);
    EXPECT_TRUE(to.Finished);
    EXPECT_EQ(from.Total, 11);
    EXPECT_EQ(to.Total, 11);
    AddCard(from, Card(10));
    AddCard(to, Card(11));
    EXPECT_EQ(from.Total, 21);
    EXPECT_EQ(to.Total, 12);
}

TEST(HandPairs, EqualValuesArePairsEvenAcrossFaces) {
    // King and queen share the value 10.
    EXPECT_EQ(MakeCard(13).Value, MakeCard(12).Value);
}

TEST(GameHands, ResetRoundAndResetStatistics) {
    testing::ScriptedHost host;
    Game game(host);
    CreateHands(game);
    for (THand& h : game.Hands) {
        AddCard(h, Card(9));
        h.NextStake = 25;
        h.StakeByStrategy[1] = 25;
        h.Unsplit = true;
        h.Stats.HandsPlayed = 3;
    }
    game.HourBlocks = 7;
    game.PlayMinutes = 3;
    ResetRound(game);
    for (int i = 0; i < kHandCount; ++i) {
        const THand& h = game.Hand(i);
        EXPECT_EQ(h.NumCards, 0);
        EXPECT_EQ(h.Total, 0);
        EXPECT_EQ(h.NextStake, 0);
        EXPECT_EQ(h.StakeByStrategy[1], 0);
        EXPECT_FALSE(h.Unsplit);
        EXPECT_EQ(h.Finished, i != kDealer);
        EXPECT_EQ(h.Stats.HandsPlayed, 3);  // statistics live across rounds
    }
    ResetStatistics(game);
    for (int i = 1; i <= kStrategyCount; ++i) EXPECT_EQ(game.StatsOf(i), Statistics{});
    EXPECT_EQ(game.HourBlocks, 0u);
    EXPECT_EQ(game.PlayMinutes, 0);
}

TEST(GameHands, StatisticsAddUp) {
    Statistics a, b;
    a.TotalStaked = 10;
    a.StakeAt(-3) = 5;
    a.HourAt(9) = 1;
    a.HandsPlayed = 2;
    b.TotalStaked = 2.5;
    b.StakeAt(-3) = 1;
    b.HourAt(9) = 4;
    b.HandsPlayed = 5;
    a.Add(b);
    EXPECT_DOUBLE_EQ(a.TotalStaked, 12.5);
    EXPECT_DOUBLE_EQ(a.StakeAt(-3), 6);
    EXPECT_EQ(a.HourAt(9), 5);
    EXPECT_EQ(a.HandsPlayed, 7);
}

}  // namespace
}  // namespace velmora
