#include "analysis/show_analysis.h"

#include <gtest/gtest.h>

#include "analysis/run_clock.h"
#include "tests/analysis/analysis_fixture.h"

namespace velmora {
namespace {

using testing::AnalysisFixture;
using testing::Blanks;
using testing::Cat;
using testing::kZeroPercent;

using InitAnalysisGridTest = AnalysisFixture;

TEST_F(InitAnalysisGridTest, HeadsMarginAndDefaults) {
    EXPECT_EQ(grid.Caption(), "STRATEGY ANALYSIS ");
    EXPECT_EQ(grid.Cell(3, 0), "    Basic Strategy");
    EXPECT_EQ(grid.Cell(4, 0), "    Card Counting");
    EXPECT_EQ(grid.Cell(5, 0), " ZOK Simple Count");
    EXPECT_EQ(grid.Cell(6, 0), " ZOK Max Strategy");
    EXPECT_EQ(grid.Cell(2, 0), "");
    EXPECT_EQ(grid.ColumnWidth(0), 2);
    for (int c = 1; c < ResultsGrid::kColumns; ++c) EXPECT_EQ(grid.ColumnWidth(c), 129);
    EXPECT_EQ(grid.RowHeight(0), 22);
    EXPECT_EQ(grid.RowHeight(1), 19);
    EXPECT_EQ(grid.RowHeight(2), 18);
    EXPECT_EQ(grid.RowHeight(19), 18);
}

using StatisticsFormat = AnalysisFixture;

TEST_F(StatisticsFormat, LayoutLabelsAndCaption) {
    Show(kStatisticsScreen);
    EXPECT_EQ(grid.Caption(), "STATISTICS, By Betting Strategy");
    EXPECT_EQ(grid.ColumnWidth(1), 5);
    EXPECT_EQ(grid.ColumnWidth(2), 100);
    for (int c = 3; c <= 6; ++c) EXPECT_EQ(grid.ColumnWidth(c), 129);
    EXPECT_EQ(grid.Selection(), (GridSelection{0, 0, 0, 0}));
    const char* labels[ResultsGrid::kRows] = {"",
                                              " Run Time",
                                              "",
                                              " Total Hands",
                                              " Bet Per Hand",
                                              " Won Per Hour",
                                              "",
                                              " Advantage",
                                              "",
                                              " Bets Won",
                                              " Bets Lost",
                                              " Pushed",
                                              "",
                                              " Hands Split",
                                              " Doubled",
                                              " Blackjacks",
                                              "",
                                              " Won $2,500",
                                              " Lost $2,500",
                                              " Ratio"};
    for (int r = 0; r < ResultsGrid::kRows; ++r) EXPECT_EQ(grid.Cell(2, r), labels[r]) << r;
    for (int r = 1; r < ResultsGrid::kRows; ++r) EXPECT_EQ(grid.Cell(1, r), "") << r;
}

TEST_F(StatisticsFormat, BankrollLabelsFollowTheTableMinimum) {
    const struct {
        uint16_t minimum;
        const char* won;
        const char* lost;
    } cases[] = {{5, " Won $500", " Lost $500"},
                 {25, " Won $2,500", " Lost $2,500"},
                 {100, " Won $10,000", " Lost $10,000"},
                 {10, "", ""}};
    for (const auto& c : cases) {
        game.Options.TableMinimum = c.minimum;
        Show(kStatisticsScreen);
        EXPECT_EQ(grid.Cell(2, 17), c.won) << c.minimum;
        EXPECT_EQ(grid.Cell(2, 18), c.lost) << c.minimum;
    }
}

TEST_F(StatisticsFormat, ValuesOfAStrategy) {
    Statistics& st = game.StatsOf(1);
    st.HandsPlayed = 1234;
    st.TotalStaked = 30850;
    st.TotalNet = -462.75;
    st.Wins = 500;
    st.LossUnits = 600;
    st.Splits = 30;
    st.Doubles = 120;
    st.Blackjacks = 56;
    st.BankrollsWon = 3;
    st.BankrollsLost = 2;
    game.HourBlocks = 12;
    game.PlayHours = 1;
    game.PlayMinutes = 5;
    game.PlaySeconds = 9;
    Show(kStatisticsScreen);

    EXPECT_EQ(grid.Cell(3, 1), "1:05:09");
    EXPECT_EQ(grid.Cell(3, 3), Cat({" 1,234", Blanks(9)}));
    EXPECT_EQ(grid.Cell(3, 4), Cat({"$   25.00", Blanks(9)}));
    EXPECT_EQ(grid.Cell(3, 5), Cat({"$  -38.56", Blanks(8)}));
    EXPECT_EQ(grid.Cell(3, 7), Blanks(5) + " -1.50 %");
    EXPECT_EQ(grid.Cell(3, 9), Blanks(5) + "40.52 %");
    EXPECT_EQ(grid.Cell(3, 10), Blanks(5) + "48.62 %");
    EXPECT_EQ(grid.Cell(3, 11), Blanks(5) + "10.86 %");
    EXPECT_EQ(grid.Cell(3, 13), Blanks(7) + "2.43 %");
    EXPECT_EQ(grid.Cell(3, 14), Blanks(7) + "9.72 %");
    EXPECT_EQ(grid.Cell(3, 15), Blanks(7) + "4.54 %");
    EXPECT_EQ(grid.Cell(3, 17), Cat({" 3", Blanks(9)}));
    EXPECT_EQ(grid.Cell(3, 18), Cat({" 2", Blanks(9)}));
    EXPECT_EQ(grid.Cell(3, 19), "+ 1.5 ");
}

TEST_F(StatisticsFormat, CountsPastTwoToTheThirtyOneAreShownWhole) {
    // About five minutes of the analysis in the window.
    Statistics& st = game.StatsOf(1);
    st.HandsPlayed = 3'000'000'000;
    st.TotalStaked = 25.0 * 3e9;
    st.TotalNet = -0.005 * st.TotalStaked;
    st.Wins = 1'300'000'000;
    st.LossUnits = 1'450'000'000;
    st.Splits = 75'000'000;
    st.Doubles = 291'000'000;
    st.Blackjacks = 136'500'000;
    st.BankrollsWon = 2'200'000'000;
    st.BankrollsLost = 4'400'000'000;
    game.HourBlocks = 25'000'000;
    Show(kStatisticsScreen);
    EXPECT_EQ(grid.Cell(3, 3), " 3,000,000,000 ");
    EXPECT_EQ(grid.Cell(3, 4), Cat({"$   25.00", Blanks(9)}));
    EXPECT_EQ(grid.Cell(3, 7), Blanks(5) + " -0.50 %");
    EXPECT_EQ(grid.Cell(3, 9), Blanks(5) + "43.33 %");
    EXPECT_EQ(grid.Cell(3, 13), Blanks(7) + "2.50 %");
    EXPECT_EQ(grid.Cell(3, 17), " 2,200,000,000");
    EXPECT_EQ(grid.Cell(3, 18), " 4,400,000,000");
    EXPECT_EQ(grid.Cell(3, 19), "- 2.0 ");
}

TEST_F(StatisticsFormat, AStrategyThatHasNotPlayedLeavesItsColumnEmpty) {
    Played(1, 100);
    Played(2, 100);
    Played(4, 60);
    game.HourBlocks = 1;
    Show(kStatisticsScreen);
    for (int r = 1; r < ResultsGrid::kRows; ++r) EXPECT_EQ(grid.Cell(5, r), "") << r;
    EXPECT_NE(grid.Cell(6, 3), "");
    EXPECT_EQ(grid.Cell(6, 3), Cat({" 60", Blanks(12)}));
}

TEST_F(StatisticsFormat, PushesAreExactlyZeroWhenEveryHandWonOrLost) {
    // 1 - 4/5 - 1/5 comes out a hair below zero in floating point.
    Statistics& st = game.StatsOf(1);
    st.HandsPlayed = 5;
    st.TotalStaked = 125;
    st.Wins = 4;
    st.LossUnits = 1;
    Played(2, 7);
    game.StatsOf(2).Wins = 7;
    game.StatsOf(2).LossUnits = 0;
    game.HourBlocks = 1;
    Show(kStatisticsScreen);
    EXPECT_EQ(grid.Cell(3, 11), kZeroPercent);
    EXPECT_EQ(grid.Cell(4, 9), Blanks(3) + "100.00 %");
    EXPECT_EQ(grid.Cell(4, 10), kZeroPercent);
    EXPECT_EQ(grid.Cell(4, 11), kZeroPercent);
}

TEST_F(StatisticsFormat, RatioStaysEmptyWhileEitherCountIsZero) {
    Played(1, 10);
    game.StatsOf(1).BankrollsWon = 4;
    Played(2, 10);
    game.StatsOf(2).BankrollsWon = 2;
    game.StatsOf(2).BankrollsLost = 3;
    game.HourBlocks = 1;
    Show(kStatisticsScreen);
    EXPECT_EQ(grid.Cell(3, 19), "");
    EXPECT_EQ(grid.Cell(3, 17), Cat({" 4", Blanks(9)}));
    EXPECT_EQ(grid.Cell(3, 18), Cat({" 0", Blanks(9)}));
    EXPECT_EQ(grid.Cell(4, 19), "- 1.5 ");
}

TEST_F(StatisticsFormat, ZeroDivisorsShowZeroesNeverNanOrInf) {
    Statistics& st = game.StatsOf(1);
    st.HandsPlayed = 10;  // as a damaged saved game might hold: nothing staked
    st.TotalNet = 50;
    game.HourBlocks = 0;
    Show(kStatisticsScreen);
    EXPECT_EQ(grid.Cell(3, 4), Cat({"$     0.00", Blanks(10)}));
    EXPECT_EQ(grid.Cell(3, 5), Cat({"$     0.00", Blanks(10)}));
    EXPECT_EQ(grid.Cell(3, 7), Blanks(6) + " 0.00 %");
    for (int r = 0; r < ResultsGrid::kRows; ++r) {
        EXPECT_EQ(grid.Cell(3, r).find("nan"), std::string::npos) << r;
        EXPECT_EQ(grid.Cell(3, r).find("inf"), std::string::npos) << r;
    }
}

TEST_F(StatisticsFormat, ValuesAreRewrittenOnEveryRedrawWithoutARelayout) {
    Played(1, 10);
    game.HourBlocks = 1;
    Show(kStatisticsScreen);
    EXPECT_EQ(grid.Cell(3, 3), Cat({" 10", Blanks(12)}));
    game.StatsOf(1).HandsPlayed = 20;
    game.PlaySeconds = 4;
    ShowAnalysis(game, grid);  // no title refresh
    EXPECT_EQ(grid.Cell(3, 3), Cat({" 20", Blanks(12)}));
    EXPECT_EQ(grid.Cell(3, 1), "0:00:04");
}

using OddsFormat = AnalysisFixture;

TEST_F(OddsFormat, LabelsForATwentyFiveDollarTableWithOneHand) {
    game.TwoHandsThisRound = false;
    Show(kOddsScreen);
    EXPECT_EQ(grid.Caption(),
              "ODDS OF WINNING/LOSING MULTIPLES OF AVERAGE BET, IN ONE HOUR (100 Hands)");
    EXPECT_EQ(grid.Cell(2, 1), "+ $450 / hour");
    EXPECT_EQ(grid.Cell(2, 2), "+ $400 / hour");
    EXPECT_EQ(grid.Cell(2, 9), "+ $50 / hour");
    EXPECT_EQ(grid.Cell(2, 10), "    + / -  $49");
    EXPECT_EQ(grid.Cell(2, 11), " - $50 / hour");
    EXPECT_EQ(grid.Cell(2, 19), " - $450 / hour");
    EXPECT_EQ(grid.ColumnWidth(1), 5);
    EXPECT_EQ(grid.ColumnWidth(2), 100);
    EXPECT_EQ(grid.Selection(), (GridSelection{2, 1, 6, 10}));
}

TEST_F(OddsFormat, TwoHandsDoubleTheMultiple) {
    game.Options.TableMinimum = 5;
    game.TwoHandsThisRound = true;
    Show(kOddsScreen);
    EXPECT_EQ(grid.Cell(2, 1), "+ $180 / hour");
    EXPECT_EQ(grid.Cell(2, 10), "    + / -  $19");
    EXPECT_EQ(grid.Cell(2, 19), " - $180 / hour");
}

TEST_F(OddsFormat, SharesOfTheHoursForEveryStrategyPlayedOrNot) {
    game.HourBlocks = 4;
    game.StatsOf(1).HourAt(9) = 1;
    game.StatsOf(1).HourAt(-9) = 4;
    game.StatsOf(3).HourAt(0) = 2;  // strategy 3 placed no stake at all
    Show(kOddsScreen);
    EXPECT_EQ(grid.Cell(3, 1), Blanks(5) + "25.00 %");
    EXPECT_EQ(grid.Cell(3, 19), Blanks(3) + "100.00 %");
    EXPECT_EQ(grid.Cell(3, 10), kZeroPercent);
    EXPECT_EQ(grid.Cell(5, 10), Blanks(5) + "50.00 %");
    for (int r = 1; r < ResultsGrid::kRows; ++r) EXPECT_EQ(grid.Cell(6, r), kZeroPercent) << r;
}

TEST_F(OddsFormat, NoHourBegunShowsZeroShares) {
    game.HourBlocks = 0;
    game.StatsOf(1).HourAt(2) = 3;
    Show(kOddsScreen);
    for (int c = 3; c <= 6; ++c) {
        for (int r = 1; r < ResultsGrid::kRows; ++r) EXPECT_EQ(grid.Cell(c, r), kZeroPercent);
    }
}

using CountFormat = AnalysisFixture;

TEST_F(CountFormat, LayoutSpellsCardCountAndLabelsTheCounts) {
    Show(kCountScreen);
    EXPECT_EQ(grid.Caption(), "PLAYER ADVANTAGE BY CARD COUNT (Ratio of $Won/$Bet)");
    EXPECT_EQ(grid.ColumnWidth(1), 20);
    EXPECT_EQ(grid.ColumnWidth(2), 85);
    EXPECT_EQ(grid.Selection(), (GridSelection{2, 1, 6, 10}));
    const char* letters[ResultsGrid::kRows] = {"",   "",   "",   "",  " ",  " ",  " C",
                                               " A", " R", " D", "",  " C", " O", " U",
                                               " N", " T", " ",  " ", "",   ""};
    for (int r = 1; r < ResultsGrid::kRows; ++r) EXPECT_EQ(grid.Cell(1, r), letters[r]) << r;
    EXPECT_EQ(grid.Cell(2, 1), Blanks(12) + "+9 >");
    EXPECT_EQ(grid.Cell(2, 2), Blanks(12) + "+8");
    EXPECT_EQ(grid.Cell(2, 9), Blanks(12) + "+1");
    EXPECT_EQ(grid.Cell(2, 10), Blanks(14) + "0");
    EXPECT_EQ(grid.Cell(2, 11), Blanks(13) + "-1");
    EXPECT_EQ(grid.Cell(2, 18), Blanks(13) + "-8");
    EXPECT_EQ(grid.Cell(2, 19), Blanks(13) + "-9 <");
}

TEST_F(CountFormat, AdvantageWhereStakedZeroPercentElsewhere) {
    Statistics& basic = game.StatsOf(1);
    basic.StakeAt(-9) = 100;
    basic.ResultAt(-9) = -5;
    basic.StakeAt(9) = 50;
    basic.ResultAt(9) = 75;
    Statistics& zok = game.StatsOf(3);
    zok.StakeAt(-1) = 10;  // below zero the ZOK strategies are not shown
    zok.ResultAt(-1) = 10;
    zok.StakeAt(2) = 20;
    zok.ResultAt(2) = 2;
    Show(kCountScreen);
    EXPECT_EQ(grid.Cell(3, 19), Blanks(5) + "- 5.00 %");
    EXPECT_EQ(grid.Cell(3, 1), Blanks(3) + "150.00 %");
    EXPECT_EQ(grid.Cell(3, 10), kZeroPercent);
    EXPECT_EQ(grid.Cell(5, 11), kZeroPercent);
    EXPECT_EQ(grid.Cell(5, 8), Blanks(5) + "10.00 %");
    // Strategy 4 never played: its column still shows 0.00 % cells.
    for (int r = 1; r < ResultsGrid::kRows; ++r) EXPECT_EQ(grid.Cell(6, r), kZeroPercent) << r;
}

TEST_F(CountFormat, RedrawUpdatesStakedCountsAndKeepsTheRest) {
    Show(kCountScreen);
    game.StatsOf(2).StakeAt(3) = 40;
    game.StatsOf(2).ResultAt(3) = -40;
    ShowAnalysis(game, grid);
    EXPECT_EQ(grid.Cell(4, 7), Blanks(2) + "-100.00 %");
    EXPECT_EQ(grid.Cell(4, 6), kZeroPercent);
}

using TitleAndClearing = AnalysisFixture;

TEST_F(TitleAndClearing, TitleCellShowsTheSavedGameNameInQuotes) {
    game.GameFileName = "MYGAME.VLM";
    Show(kStatisticsScreen);
    EXPECT_EQ(grid.Cell(2, 0), "\" MYGAME \"");

    game.GameFileName = "ABCDEFGHIJKL.VLM";  // 16 characters: the title just fits
    Show(kOddsScreen);
    EXPECT_EQ(grid.Cell(2, 0), "\" ABCDEFGHIJKL \"");

    game.GameFileName = "GAME.VLM.OLD";
    Show(kStatisticsScreen);
    EXPECT_EQ(grid.Cell(2, 0), "\" GAME \"");
}

TEST_F(TitleAndClearing, TitleCellKeepsItsTextWithoutAVlmNameInItsFirst16Characters) {
    game.GameFileName = "MYGAME.VLM";
    Show(kStatisticsScreen);
    for (const char* name : {"", "ABCDEFGHIJKLM.VLM", "NOTES.TXT"}) {
        game.GameFileName = name;
        Show(kStatisticsScreen);
        EXPECT_EQ(grid.Cell(2, 0), "\" MYGAME \"") << name;
    }
}

TEST_F(TitleAndClearing, TitleChangesOnlyWithARelayout) {
    Show(kStatisticsScreen);
    game.GameFileName = "SAVED.VLM";
    ShowAnalysis(game, grid);
    EXPECT_EQ(grid.Cell(2, 0), "");
    game.AnalysisTitleRefresh = true;  // as a save or load sets it
    ShowAnalysis(game, grid);
    EXPECT_EQ(grid.Cell(2, 0), "\" SAVED \"");
    EXPECT_FALSE(game.AnalysisTitleRefresh);
}

TEST_F(TitleAndClearing, ARelayoutEmptiesTheDataCellsButKeepsTheHeads) {
    Show(kStatisticsScreen);
    grid.SetCell(6, 2, "stale");
    grid.SetCell(1, 19, "stale");
    ShowAnalysis(game, grid);
    EXPECT_EQ(grid.Cell(6, 2), "stale");
    Show(kStatisticsScreen);
    EXPECT_EQ(grid.Cell(6, 2), "");
    EXPECT_EQ(grid.Cell(1, 19), "");
    EXPECT_EQ(grid.Cell(6, 0), " ZOK Max Strategy");
}

using Clicks = AnalysisFixture;

TEST_F(Clicks, CycleStatisticsOddsCountStatistics) {
    Show(kStatisticsScreen);
    const char* captions[] = {kOddsTitle, kCountTitle, kStatisticsTitle, kOddsTitle};
    const uint8_t screens[] = {kOddsScreen, kCountScreen, kStatisticsScreen, kOddsScreen};
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(FormClick(game));
        EXPECT_EQ(game.ResultsScreen, screens[i]);
        EXPECT_TRUE(game.AnalysisTitleRefresh);
        ShowAnalysis(game, grid);
        EXPECT_EQ(grid.Caption(), captions[i]);
        EXPECT_FALSE(game.AnalysisTitleRefresh);
    }
}

TEST_F(Clicks, SingleStrategyViewShowsOnlyTheMaxStrategyAndIgnoresClicks) {
    Played(1, 100);
    Played(4, 40);
    game.HourBlocks = 1;
    Show(kOddsScreen);

    Button1Click(game);
    EXPECT_TRUE(game.Options.SingleStrategyView);
    EXPECT_EQ(game.ResultsScreen, kStatisticsScreen);
    EXPECT_TRUE(game.AnalysisTitleRefresh);
    ShowAnalysis(game, grid);
    EXPECT_EQ(grid.Caption(), kStatisticsTitle);
    for (int c = 3; c <= 5; ++c) EXPECT_EQ(grid.ColumnWidth(c), 1) << c;
    EXPECT_EQ(grid.ColumnWidth(6), 129);
    EXPECT_EQ(grid.Cell(2, 1), "");  // no run time
    for (int r = 1; r < ResultsGrid::kRows; ++r) EXPECT_EQ(grid.Cell(3, r), "") << r;
    EXPECT_EQ(grid.Cell(6, 3), Cat({" 40", Blanks(12)}));

    EXPECT_FALSE(FormClick(game));
    EXPECT_EQ(game.ResultsScreen, kStatisticsScreen);
    EXPECT_FALSE(game.AnalysisTitleRefresh);
}

TEST_F(Clicks, ASingleStrategyViewEnteredInAnotherFormatShowsTheStatistics) {
    // A loaded game switches the view on while the odds are shown.
    Played(4, 100);
    game.HourBlocks = 1;
    Show(kOddsScreen);
    game.Options.SingleStrategyView = true;
    game.AnalysisTitleRefresh = true;
    ShowAnalysis(game, grid);
    EXPECT_EQ(grid.Caption(), kStatisticsTitle);
    EXPECT_EQ(grid.Cell(2, 3), " Total Hands");
    EXPECT_EQ(grid.ColumnWidth(3), ResultsGrid::kHiddenColumnWidth);
    EXPECT_EQ(grid.Cell(6, 3), Cat({" 100", Blanks(11)}));
}

TEST_F(Clicks, AnOutOfRangeFormatShowsStatisticsAndClicksOnToOdds) {
    game.ResultsScreen = 0;
    game.AnalysisTitleRefresh = true;
    ShowAnalysis(game, grid);
    EXPECT_EQ(grid.Caption(), kStatisticsTitle);
    ASSERT_TRUE(FormClick(game));
    EXPECT_EQ(game.ResultsScreen, kOddsScreen);
    game.ResultsScreen = 7;
    ASSERT_TRUE(FormClick(game));
    EXPECT_EQ(game.ResultsScreen, kOddsScreen);
}

using Refresh = AnalysisFixture;

TEST_F(Refresh, RedrawsOncePerClockSecond) {
    RunClock clock;
    Played(1, 100);
    game.HourBlocks = 1;
    ASSERT_TRUE(RefreshAnalysis(game, grid, clock, {10, 0, 30, 0}));
    EXPECT_EQ(grid.Cell(3, 3), Cat({" 100", Blanks(11)}));
    EXPECT_EQ(grid.Cell(3, 1), "0:00:01");

    game.StatsOf(1).HandsPlayed = 200;
    EXPECT_FALSE(RefreshAnalysis(game, grid, clock, {10, 0, 30, 400}));
    EXPECT_EQ(grid.Cell(3, 3), Cat({" 100", Blanks(11)}));

    EXPECT_TRUE(RefreshAnalysis(game, grid, clock, {10, 0, 31, 0}));
    EXPECT_EQ(grid.Cell(3, 3), Cat({" 200", Blanks(11)}));
    EXPECT_EQ(grid.Cell(3, 1), "0:00:02");
}

}  // namespace
}  // namespace velmora
