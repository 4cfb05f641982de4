#include "engine/betting.h"

#include <vector>

#include "tests/engine/round_fixture.h"

namespace velmora {
namespace {

using Betting = testing::RoundFixture;

std::array<int, 5> Stakes(const Game& g) {
    return {0, g.Hand(1).NextStake, g.Hand(2).NextStake, g.Hand(3).NextStake,
            g.Hand(4).NextStake};
}

TEST_F(Betting, FourStrategiesStakeByTheCounts) {
    // $5 table, two hands, count +3, ace-five count 0, 2 decks: doubled stakes.
    game.Options.TableMinimum = 5;
    game.TwoHandsThisRound = true;
    game.CountIndex = 3;
    game.AceFiveIndex = 0;
    ChooseStakes(game);
    EXPECT_EQ(Stakes(game), (std::array<int, 5>{0, 10, 20, 10, 10}));

    // $25 table, two hands, count -1, ace-five 9 (not below 4 x 2 decks).
    ResetRound(game);
    game.Options.TableMinimum = 25;
    game.CountIndex = -1;
    game.AceFiveIndex = 9;
    ChooseStakes(game);
    EXPECT_EQ(Stakes(game), (std::array<int, 5>{0, 25, 25, 0, 0}));

    // A negative ace-five count stakes nothing for strategy 3; 7 < 8 does.
    ResetRound(game);
    game.AceFiveIndex = -1;
    game.CountIndex = 0;
    ChooseStakes(game);
    EXPECT_EQ(Stakes(game), (std::array<int, 5>{0, 25, 50, 0, 25}));
    ResetRound(game);
    game.AceFiveIndex = 7;
    ChooseStakes(game);
    EXPECT_EQ(game.Hand(3).NextStake, 25);
}

TEST_F(Betting, SingleStrategyViewStakesOnlyStrategyFourOnANonNegativeCount) {
    game.Options.SingleStrategyView = true;
    game.Options.TableMinimum = 5;
    game.TwoHandsThisRound = true;
    game.CountIndex = 0;
    ChooseStakes(game);
    EXPECT_EQ(Stakes(game), (std::array<int, 5>{0, 0, 0, 0, 10}));
    ResetRound(game);
    game.CountIndex = -1;
    ChooseStakes(game);
    EXPECT_EQ(Stakes(game), (std::array<int, 5>{0, 0, 0, 0, 0}));
}

TEST_F(Betting, HourHistogramCountsMultiplesOfTheAverageBet) {
    game.Options.TableMinimum = 5;
    game.Options.BetTwoHands = true;  // average bet 4 x 5 = 20
    game.BankrollUnit = 500;
    struct Case { double bets; std::vector<int> entries; };
    const Case cases[] = {
        {2.5, {1, 2}},                            // halves go to the even neighbour
        {3.5, {1, 2, 3, 4}},
        {-0.4, {0}},
        {-25, {-1, -2, -3, -4, -5, -6, -7, -8, -9}},  // clamped to -9
        {12, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (const Case& c : cases) {
        ResetStatistics(game);
        S(1).HourNet = c.bets * 20;
        EndOfHour(game);
        for (int k = -10; k <= 10; ++k) {
            const bool expected =
                std::find(c.entries.begin(), c.entries.end(), k) != c.entries.end();
            EXPECT_EQ(S(1).HourAt(k), expected ? 1 : 0) << c.bets << " bets, entry " << k;
        }
        EXPECT_DOUBLE_EQ(S(1).TotalNet, c.bets * 20);
        EXPECT_DOUBLE_EQ(S(1).HourNet, 0);
    }
}

TEST_F(Betting, BankrollsFoldOncePerHourPastTheUnit) {
    game.Options.TableMinimum = 5;
    game.BankrollUnit = 500;
    S(1).BankrollSwing = -10;
    S(1).HourNet = -500;  // swing -510
    S(2).HourNet = -500;  // swing exactly -500: nothing
    S(3).BankrollSwing = 400;
    S(3).HourNet = 1200;  // swing 1600: one fold only
    EndOfHour(game);
    EXPECT_EQ(S(1).BankrollsLost, 1);
    EXPECT_DOUBLE_EQ(S(1).BankrollSwing, -10);
    EXPECT_EQ(S(2).BankrollsLost, 0);
    EXPECT_DOUBLE_EQ(S(2).BankrollSwing, -500);
    EXPECT_EQ(S(3).BankrollsWon, 1);
    EXPECT_DOUBLE_EQ(S(3).BankrollSwing, 1100);
}

TEST_F(Betting, SingleStrategyViewBooksOnlyStrategyFourWithoutHistogram) {
    game.Options.SingleStrategyView = true;
    S(1).HourNet = 100;
    S(4).HourNet = 100;
    EndOfHour(game);
    EXPECT_DOUBLE_EQ(S(1).HourNet, 100);  // untouched
    EXPECT_DOUBLE_EQ(S(4).TotalNet, 100);
    for (int k = -10; k <= 10; ++k) EXPECT_EQ(S(4).HourAt(k), 0);
}

TEST_F(Betting, StrategyThreeBooksByTheAceFiveCount) {
    game.CountIndex = 2;
    game.AceFiveIndex = 1;
    ChooseStakes(game);
    PlaceStakes(game, 1);
    game.ActiveHand = 0;
    RecordResult(game, 1, -1);
    EXPECT_DOUBLE_EQ(S(3).StakeAt(1), 25);
    EXPECT_DOUBLE_EQ(S(3).ResultAt(1), -25);
    EXPECT_DOUBLE_EQ(S(2).StakeAt(2), 50);
    EXPECT_DOUBLE_EQ(S(2).ResultAt(2), -50);
    EXPECT_DOUBLE_EQ(S(4).StakeAt(2), 25);
}

// Every counter of the statistics, for tests that set or check them all.
std::vector<int64_t*> Counters(Statistics& s) {
    std::vector<int64_t*> all = {&s.BankrollsLost, &s.BankrollsWon, &s.HandsPlayed,
                                 &s.Splits,        &s.Doubles,      &s.Blackjacks};
    for (int64_t& v : s.HourHistogram) all.push_back(&v);
    return all;
}

TEST_F(Betting, CountersCarryOnPastTwoToTheThirtyOne) {
    // The analysis in the window books 2^31 hands in a few minutes: every counter goes
    // on counting from there instead of wrapping to a negative number.
    constexpr int64_t kLargest32 = INT32_MAX;
    for (int i = 1; i <= kStrategyCount; ++i)
        for (int64_t* v : Counters(S(i))) *v = kLargest32;
    game.BankrollUnit = 1;  // a bankroll won or lost nearly every hour
    for (int hour = 0; hour < 20; ++hour) {
        for (int round = 0; round < 100; ++round) PlayRound(game);
        EndOfHour(game);
    }
    for (int i = 1; i <= kStrategyCount; ++i) {
        SCOPED_TRACE(i);
        const Statistics& s = S(i);
        EXPECT_GT(s.HandsPlayed, kLargest32 + 100);
        EXPECT_GT(s.Splits, kLargest32);
        EXPECT_GT(s.Doubles, kLargest32);
        EXPECT_GT(s.Blackjacks, kLargest32);
        EXPECT_GT(s.BankrollsWon + s.BankrollsLost, 2 * kLargest32 + 10);
        // Each hour adds one to exactly one of the entries 0, +1 and -1.
        EXPECT_EQ(s.HourAt(0) + s.HourAt(1) + s.HourAt(-1), 3 * kLargest32 + 20);
    }
}

TEST(StatisticsSum, CountersOfManyGamesAddUpPastTwoToTheThirtyOne) {
    // The headless tool sums the games its threads played.
    Statistics game;
    for (int64_t* v : Counters(game)) *v = 1'500'000'000;
    Statistics sum;
    for (int chunk = 0; chunk < 4; ++chunk) sum.Add(game);
    for (int64_t* v : Counters(sum)) EXPECT_EQ(*v, 6'000'000'000);
}

}  // namespace
}  // namespace velmora
