#include "analysis/chart_data.h"

#include <gtest/gtest.h>

#include "tests/analysis/analysis_fixture.h"

namespace velmora {
namespace {

using Charts = testing::AnalysisFixture;

TEST_F(Charts, HourlyResultsAreTheSharesOfHoursNamedInDollarsAsTheOddsRows) {
    // $25 table, two hands: the average bet is $100.
    game.Options.BetTwoHands = true;
    game.HourBlocks = 8;
    Statistics& counting = game.StatsOf(2);
    counting.HourAt(-9) = 1;
    counting.HourAt(-1) = 4;
    counting.HourAt(0) = 2;
    counting.HourAt(1) = 2;
    counting.HourAt(2) = 1;
    const auto chart = HourlyResults(game);

    ASSERT_EQ(chart.Categories.size(), 19u);
    EXPECT_EQ(chart.Categories.front(), "-900");
    EXPECT_EQ(chart.Categories[8], "-100");
    EXPECT_EQ(chart.Categories[9], "±99");
    EXPECT_EQ(chart.Categories[10], "+100");
    EXPECT_EQ(chart.Categories.back(), "+900");
    EXPECT_EQ(chart.Title, "How an hour of 100 rounds ends (8 hours)");
    EXPECT_EQ(chart.AxisY, "Share of hours (%)");
    EXPECT_NE(chart.AxisX.find("within $99 of even"), std::string::npos) << chart.AxisX;

    ASSERT_EQ(chart.Lines.size(), 4u);
    EXPECT_EQ(chart.Lines[0].Name, "Basic Strategy");
    EXPECT_EQ(chart.Lines[3].Name, "ZOK Max Strategy");
    const auto& v = chart.Lines[1].Values;
    ASSERT_EQ(v.size(), 19u);
    EXPECT_DOUBLE_EQ(*v[0], 12.5);   // -9
    EXPECT_DOUBLE_EQ(*v[8], 50.0);   // -1
    EXPECT_DOUBLE_EQ(*v[9], 25.0);   // 0
    EXPECT_DOUBLE_EQ(*v[10], 25.0);  // +1
    EXPECT_DOUBLE_EQ(*v[11], 12.5);  // +2
    EXPECT_DOUBLE_EQ(*v[18], 0.0);   // +9
    EXPECT_DOUBLE_EQ(*chart.Lines[0].Values[9], 0.0);
}

TEST_F(Charts, HourlyResultsFollowTheTableAndTheView) {
    game.Options.TableMinimum = 5;
    game.Options.BetTwoHands = false;
    game.HourBlocks = 1;
    const auto chart = HourlyResults(game);
    EXPECT_EQ(chart.Categories[9], "±9");
    EXPECT_EQ(chart.Categories[10], "+10");
    EXPECT_EQ(chart.Title, "How an hour of 100 rounds ends (1 hour)");
    // No hour yet: every share is 0, not a division by 0.
    game.HourBlocks = 0;
    const auto empty = HourlyResults(game);
    for (const auto& value : empty.Lines[3].Values) EXPECT_EQ(value, 0.0);
    // The single-strategy view keeps the hours of the view before it but adds none:
    // its shares would shrink as the hours go on, so none are shown.
    game.Options.SingleStrategyView = true;
    game.HourBlocks = 5;
    game.StatsOf(4).HourAt(1) = 2;
    const auto single = HourlyResults(game);
    EXPECT_TRUE(single.Lines.empty());
    EXPECT_NE(single.Title.find("when all four strategies play"), std::string::npos);
}

TEST_F(Charts, TheAdvantageAtACountIsItsNetOverItsStakeAndMissingWhereNothingWasStaked) {
    Statistics& basic = game.StatsOf(1);
    basic.StakeAt(-10) = 50;  // holds every count at or below -10
    basic.ResultAt(-10) = -5;
    basic.StakeAt(3) = 200;
    basic.ResultAt(3) = 3;
    basic.HandsAt(-10) = 2;
    basic.HandsAt(3) = 8;
    Statistics& zok = game.StatsOf(4);
    zok.StakeAt(3) = 400;
    zok.ResultAt(3) = -2;
    zok.HandsAt(3) = 4;  // not the share shown: the bars are Basic Strategy's hands
    const auto chart = AdvantageByCount(game);
    const auto& adv = chart.Advantage;

    ASSERT_EQ(adv.Categories.size(), 21u);
    EXPECT_EQ(adv.Categories.front(), "≤-10");
    EXPECT_EQ(adv.Categories[10], "0");
    EXPECT_EQ(adv.Categories[13], "+3");
    EXPECT_EQ(adv.Categories.back(), "≥+10");
    ASSERT_EQ(adv.Lines.size(), 4u);
    EXPECT_DOUBLE_EQ(*adv.Lines[0].Values[0], -10.0);
    EXPECT_DOUBLE_EQ(*adv.Lines[0].Values[13], 1.5);
    EXPECT_FALSE(adv.Lines[0].Values[12].has_value());
    EXPECT_DOUBLE_EQ(*adv.Lines[3].Values[13], -0.5);
    EXPECT_FALSE(adv.Lines[3].Values[0].has_value());
    for (const auto& value : adv.Lines[1].Values) EXPECT_FALSE(value.has_value());

    ASSERT_EQ(chart.HandShare.size(), 21u);
    EXPECT_DOUBLE_EQ(chart.HandShare[0], 20.0);
    EXPECT_DOUBLE_EQ(chart.HandShare[13], 80.0);
    EXPECT_DOUBLE_EQ(chart.HandShare[12], 0.0);
    EXPECT_EQ(adv.AxisY, "Player's advantage (%)");
    EXPECT_EQ(chart.ShareAxis, "Hands dealt at this count (%)");
}

TEST_F(Charts, TheSingleStrategyViewHasNoAdvantageByCountAndSaysSo) {
    game.Options.SingleStrategyView = true;
    game.StatsOf(4).ResultAt(2) = 5;  // booked by the view, but never staked by count
    const auto chart = AdvantageByCount(game);
    EXPECT_TRUE(chart.Advantage.Lines.empty());
    EXPECT_NE(chart.Advantage.Title.find("when all four strategies play"), std::string::npos);
    ASSERT_EQ(chart.HandShare.size(), 21u);
    for (double share : chart.HandShare) EXPECT_EQ(share, 0.0);
}

// Lines that lie on one another are found, so the legend can say so; a line that
// differs anywhere, by a value or by a count measured, is its own.
TEST(CoincidingLines, FindsTheFirstEarlierLineEachLiesOn) {
    using V = std::vector<std::optional<double>>;
    ChartData chart;
    chart.Lines = {
        {"Basic Strategy", V{-2.0, 0.5, std::nullopt}},
        {"Card Counting", V{-2.0, 0.5004, std::nullopt}},   // within the tolerance
        {"ZOK Simple Count", V{-2.0, 0.5, 1.0}},            // a count the others lack
        {"ZOK Max Strategy", V{-2.0, 0.52, std::nullopt}},  // apart at one count
        {"Nothing measured", V{std::nullopt, std::nullopt, std::nullopt}},
        {"Also nothing", V{std::nullopt, std::nullopt, std::nullopt}},
    };
    const std::vector<int> under = CoincidingLines(chart, 0.005);
    EXPECT_EQ(under, (std::vector<int>{-1, 0, -1, -1, -1, -1}));
    EXPECT_EQ(LegendName(chart, under, 0), "Basic Strategy");
    EXPECT_EQ(LegendName(chart, under, 1), "Card Counting (same line as Basic Strategy)");
    EXPECT_EQ(LegendName(chart, under, 3), "ZOK Max Strategy");
}

TEST_F(Charts, StrategiesThatStakeAFixedMultiplePerCountDrawOneLine) {
    // At each count, strategy 2 stakes twice what strategy 1 does and wins twice as much.
    for (int c = kMinCountIndex; c <= kMaxCountIndex; ++c) {
        game.StatsOf(1).StakeAt(c) = 1000;
        game.StatsOf(1).ResultAt(c) = -5.0 * c;
        game.StatsOf(2).StakeAt(c) = 2000;
        game.StatsOf(2).ResultAt(c) = -10.0 * c;
        game.StatsOf(4).StakeAt(c) = 1000;
        game.StatsOf(4).ResultAt(c) = c == 3 ? 40 : -5.0 * c;
    }
    const std::vector<int> under = CoincidingLines(AdvantageByCount(game).Advantage, 0.005);
    EXPECT_EQ(under[1], 0);
    EXPECT_EQ(under[3], -1);
}

}  // namespace
}  // namespace velmora
