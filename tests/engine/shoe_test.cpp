#include "engine/shoe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/game.h"
#include "tests/support/scripted_host.h"

namespace velmora {
namespace {

using testing::ScriptedHost;

class ShoeTest : public ::testing::Test {
protected:
    ScriptedHost host;
    Game game{host};

    void Build(int decks, int penetration, bool practice = false) {
        game.Options.Decks = static_cast<uint16_t>(decks);
        game.Options.Penetration = static_cast<uint16_t>(penetration);
        game.PracticeDeckMode = practice;
        FreeShoe(game);
        BuildShoe(game);
    }
    std::vector<int> FirstNumbers(size_t n) const {
        std::vector<int> out;
        for (size_t i = 0; i < n; ++i) out.push_back(game.Shoe[i].Card.Number);
        return out;
    }
    TCard Deal() {
        const TCard c = DrawCard(game);
        game.CardsDealt += 1;
        return c;
    }
};

TEST_F(ShoeTest, CardsCarryValueCountTagAndNumber) {
    // Card number k: suit (k-1)/13, rank (k-1)%13+1; ace 11, faces 10.
    EXPECT_EQ(MakeCard(1).Value, 11);
    EXPECT_EQ(MakeCard(13).Value, 10);   // king
    EXPECT_EQ(MakeCard(10).Value, 10);   // ten
    EXPECT_EQ(MakeCard(22).Value, 9);    // nine of the second suit
    EXPECT_EQ(MakeCard(1).CountTag, -1);
    EXPECT_EQ(MakeCard(13).CountTag, -1);
    EXPECT_EQ(MakeCard(10).CountTag, -1);
    EXPECT_EQ(MakeCard(9).CountTag, 0);
    EXPECT_EQ(MakeCard(7).CountTag, 0);
    EXPECT_EQ(MakeCard(6).CountTag, 1);
    EXPECT_EQ(MakeCard(2).CountTag, 1);
    EXPECT_EQ(SuitOf(40), 3);
    EXPECT_EQ(RankOf(40), 1);
}

TEST_F(ShoeTest, SizeAndCutPointForEveryShoe) {
    struct Case { int decks, penetration; bool practice; int size, cut; };
    const Case cases[] = {
        {1, 3, false, 52, 39},   {1, 2, false, 52, 26},   {2, 3, false, 104, 78},
        {4, 2, false, 208, 104}, {6, 3, false, 312, 234}, {8, 2, false, 416, 208},
        {8, 3, false, 416, 312}, {1, 2, true, 36, 18},    {1, 3, true, 36, 27},
        {8, 3, true, 288, 216},
    };
    for (const Case& c : cases) {
        Build(c.decks, c.penetration, c.practice);
        EXPECT_EQ(game.ShoeSize, c.size) << c.decks << " decks";
        EXPECT_EQ(game.Shoe.size(), static_cast<size_t>(c.size));
        EXPECT_EQ(game.CutPoint, c.cut) << c.decks << " decks";
        EXPECT_TRUE(game.ShoeIsOk());
    }
}

TEST_F(ShoeTest, GoldenShuffleForAFixedClock) {
    // Computed independently from the key rule: LCG seeded with the time of day,
    // key texts of Random(65000), text order.
    host.clock = {12, 0, 0, 0};
    Build(1, 3);
    EXPECT_EQ(FirstNumbers(12), (std::vector<int>{41, 38, 33, 7, 17, 30, 40, 52, 36, 3, 8, 20}));
    host.clock = {9, 30, 15, 250};
    Reshuffle(game);
    // A reshuffle draws new keys for the entries in their current order.
    EXPECT_EQ(FirstNumbers(12), (std::vector<int>{4, 8, 46, 7, 50, 36, 13, 24, 6, 16, 30, 2}));
}

TEST_F(ShoeTest, KeysSortAsTextNotAsNumbers) {
    EXPECT_LT(KeyTextOrder(10), KeyTextOrder(9));
    EXPECT_LT(KeyTextOrder(123), KeyTextOrder(45));
    EXPECT_LT(KeyTextOrder(1), KeyTextOrder(10));
    EXPECT_LT(KeyTextOrder(64999), KeyTextOrder(7));
    EXPECT_EQ(KeyTextOrder(0), KeyTextOrder(0));

    std::vector<ShoeEntry> entries;
    for (uint32_t key : {9u, 10u, 64999u, 0u, 123u, 45u, 10u, 1u}) {
        ShoeEntry e;
        e.Key = key;
        e.TextOrder = KeyTextOrder(key);
        entries.push_back(e);
    }
    SortShoe(entries.data(), static_cast<int>(entries.size()));
    std::vector<uint32_t> keys;
    for (const ShoeEntry& e : entries) keys.push_back(e.Key);
    EXPECT_EQ(keys, (std::vector<uint32_t>{0, 1, 10, 10, 123, 45, 64999, 9}));
}

TEST_F(ShoeTest, BuildingTwiceKeepsTheFirstShoe) {
    Build(2, 3);
    const std::vector<int> before = FirstNumbers(104);
    Deal();
    host.clock = {1, 2, 3, 4};
    BuildShoe(game);
    EXPECT_EQ(FirstNumbers(104), before);
    EXPECT_EQ(game.CardsDealt, 1);
}

TEST_F(ShoeTest, DealingCountsBothCounts) {
    Build(1, 3);
    int running = 0, aceFive = 0;
    for (int i = 0; i < 52; ++i) {
        const TCard c = Deal();
        running += c.CountTag;
        if (c.Value == 5) aceFive += 1;
        if (c.Value == 11) aceFive -= 1;
        ASSERT_EQ(game.RunningCount, running);
        ASSERT_EQ(game.AceFiveCount, aceFive);
    }
    // A whole deck balances both counts.
    EXPECT_EQ(game.RunningCount, 0);
    EXPECT_EQ(game.AceFiveCount, 0);
}

TEST_F(ShoeTest, ReshuffleComesOnlyPastTheCutPointAndResetsEverything) {
    Build(1, 3);
    for (int i = 0; i < 39; ++i) Deal();
    EXPECT_FALSE(NeedsReshuffle(game));  // 39 dealt: not past the cut point 39
    Deal();
    EXPECT_TRUE(NeedsReshuffle(game));
    Reshuffle(game);
    EXPECT_EQ(game.CardsDealt, 0);
    EXPECT_EQ(game.RunningCount, 0);
    EXPECT_EQ(game.AceFiveCount, 0);
    EXPECT_TRUE(game.ShoeIsOk());
}

TEST_F(ShoeTest, PracticeShoeHasNoTenValuedCard) {
    Build(1, 3, true);
    for (int i = 0; i < 36; ++i) EXPECT_NE(Deal().Value, 10) << i;
    for (const ShoeEntry& e : game.Shoe) EXPECT_NE(e.Card.Value, 10);
    EXPECT_EQ(std::count_if(game.Shoe.begin(), game.Shoe.end(),
                            [](const ShoeEntry& e) { return e.Card.Value == 11; }),
              4);
}

TEST_F(ShoeTest, ExhaustedShoeDealsAgainUncountedAndNeverReadsOutside) {
    Build(1, 3);
    for (int i = 0; i < 52; ++i) Deal();
    const int running = game.RunningCount, aceFive = game.AceFiveCount;
    // The 53rd card is entry 22 again, then 23, ... for 30 cards.
    for (int i = 0; i < 30; ++i) {
        const TCard c = Deal();
        EXPECT_EQ(c.Number, game.Shoe[static_cast<size_t>(22 + i)].Card.Number) << i;
    }
    // Past those 30 the last 30 entries come round again; never outside the shoe.
    for (int i = 0; i < 100; ++i) {
        const TCard c = Deal();
        EXPECT_EQ(c.Number, game.Shoe[static_cast<size_t>(22 + i % 30)].Card.Number) << i;
    }
    EXPECT_EQ(game.RunningCount, running);
    EXPECT_EQ(game.AceFiveCount, aceFive);
}

TEST_F(ShoeTest, TableSeesTheShuffleAndTheCutCardOnlyWhenShownAndNotInPractice) {
    Build(1, 2);
    for (int i = 0; i < 27; ++i) Deal();  // past the cut point 26, table hidden
    Reshuffle(game);
    EXPECT_TRUE(host.table.calls.empty());

    game.Table = &host.table;
    game.TableShown = true;
    for (int i = 0; i < 27; ++i) Deal();
    Reshuffle(game);
    EXPECT_EQ(host.table.calls, (std::vector<std::string>{"CutCardOut", "ShowShuffle"}));

    host.table.calls.clear();
    game.PracticeDeckMode = true;
    for (int i = 0; i < 27; ++i) Deal();
    Reshuffle(game);
    EXPECT_TRUE(host.table.calls.empty());
}

TEST_F(ShoeTest, AnalysisShuffleIsSeededOnceAndConsecutiveShoesDiffer) {
    auto dealAll = [](Game& g) {
        std::vector<int> cards;
        for (int i = 0; i < g.ShoeSize; ++i) {
            cards.push_back(DrawCard(g).Number);
            g.CardsDealt += 1;
        }
        return cards;
    };
    game.AnalysisShuffleOn = true;
    game.AnalysisRng.Reseed(99);
    Build(2, 3);
    const std::vector<int> first = dealAll(game);
    Reshuffle(game);
    const std::vector<int> second = dealAll(game);
    EXPECT_NE(first, second);
    EXPECT_TRUE(game.ShoeIsOk());
    // Every card of both decks comes exactly once per shoe.
    std::vector<int> sorted = second;
    std::sort(sorted.begin(), sorted.end());
    for (int k = 1; k <= 52; ++k)
        EXPECT_EQ(std::count(sorted.begin(), sorted.end(), k), 2) << k;

    // The same seed deals the same shoes again, whatever the clock says.
    ScriptedHost otherHost;
    otherHost.clock = {3, 4, 5, 6};
    Game other(otherHost);
    other.AnalysisShuffleOn = true;
    other.AnalysisRng.Reseed(99);
    BuildShoe(other);
    EXPECT_EQ(dealAll(other), first);
}

TEST_F(ShoeTest, AnalysisDealsTheSameCardsHoweverFarAheadItShuffles) {
    // The shuffle takes one random step per place, in place order, whether the
    // steps are taken ahead at a round start or one at a time as cards are dealt;
    // so a seed deals the same cards either way, and every card of the shoe once.
    auto deal = [](Game& g, int aheadEvery) {
        std::vector<int> cards;
        for (int shoe = 0; shoe < 3; ++shoe) {
            for (int i = 0; i < g.ShoeSize; ++i) {
                if (aheadEvery > 0 && i % aheadEvery == 0) ShuffleAhead(g);
                cards.push_back(DrawCard(g).Number);
                g.CardsDealt += 1;
            }
            Reshuffle(g);
        }
        return cards;
    };
    game.AnalysisShuffleOn = true;
    game.AnalysisRng.Reseed(5);
    Build(2, 3);
    const std::vector<int> oneByOne = deal(game, 0);

    for (int every : {1, 5, kShuffleAhead + 3}) {
        ScriptedHost otherHost;
        Game other(otherHost);
        other.AnalysisShuffleOn = true;
        other.AnalysisRng.Reseed(5);
        other.Options.Decks = 2;
        other.Options.Penetration = 3;
        BuildShoe(other);
        EXPECT_EQ(deal(other, every), oneByOne) << every;
    }
    for (int shoe = 0; shoe < 3; ++shoe) {
        std::vector<int> one(oneByOne.begin() + shoe * 104, oneByOne.begin() + (shoe + 1) * 104);
        std::sort(one.begin(), one.end());
        for (int k = 1; k <= 52; ++k) EXPECT_EQ(std::count(one.begin(), one.end(), k), 2) << k;
    }
}

TEST_F(ShoeTest, ShufflingAheadStopsAtTheEndOfTheShoeAndLeavesTableShoesAlone) {
    game.AnalysisShuffleOn = true;
    Build(1, 3);
    game.CardsDealt = 50;
    ShuffleAhead(game);
    EXPECT_EQ(game.ShuffledTo, 52);
    EXPECT_TRUE(game.ShoeIsOk());

    // A deal beyond the shuffled places shuffles every place up to the one dealt.
    Reshuffle(game);
    game.CardsDealt = 40;
    DrawCard(game);
    EXPECT_EQ(game.ShuffledTo, 41);
    EXPECT_TRUE(game.ShoeIsOk());

    game.AnalysisShuffleOn = false;
    Build(1, 3);
    const std::vector<int> sorted = FirstNumbers(52);
    ShuffleAhead(game);
    EXPECT_EQ(FirstNumbers(52), sorted);
}

TEST_F(ShoeTest, FreeShoeEmptiesIt) {
    Build(2, 3);
    FreeShoe(game);
    EXPECT_FALSE(game.ShoeBuilt);
    EXPECT_TRUE(game.Shoe.empty());
    EXPECT_TRUE(game.ShoeIsOk());
}

}  // namespace
}  // namespace velmora
