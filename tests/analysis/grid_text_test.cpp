#include "analysis/grid_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/analysis/analysis_fixture.h"

namespace velmora {
namespace {

using testing::AnalysisFixture;
using testing::Blanks;
using testing::Cat;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

using GridText = AnalysisFixture;

TEST_F(GridText, CaptionThenOneLinePerRowWithoutTrailingBlanks) {
    Played(1, 1234);
    game.HourBlocks = 3;
    Show(kStatisticsScreen);
    const std::string text = RenderGridText(grid);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 1u + ResultsGrid::kRows);
    EXPECT_EQ(lines[0], "STATISTICS, By Betting Strategy");
    for (const std::string& line : lines) {
        if (!line.empty()) {
            EXPECT_NE(line.back(), ' ') << line;
        }
    }
}

TEST_F(GridText, ColumnsArePaddedToSixPixelsACharacter) {
    Show(kStatisticsScreen);
    const std::vector<std::string> lines = Lines(RenderGridText(grid));
    // Column 0 (2 pixels) is left out; column 1 (5 pixels) is one character, column 2
    // (100 pixels) 17, each strategy column (129 pixels) 22.
    EXPECT_EQ(lines[1], Cat({Blanks(18), "    Basic Strategy", Blanks(4), "    Card Counting",
                             Blanks(5), " ZOK Simple Count", Blanks(5), " ZOK Max Strategy"}));
    EXPECT_EQ(lines[4], Blanks(1) + " Total Hands");
}

TEST_F(GridText, ValuesLineUpUnderTheirHeads) {
    Played(1, 1234);
    Played(4, 56);
    game.HourBlocks = 3;
    Show(kStatisticsScreen);
    const std::vector<std::string> lines = Lines(RenderGridText(grid));
    const size_t basic = lines[1].find("    Basic Strategy");
    const size_t max = lines[1].find(" ZOK Max Strategy");
    ASSERT_NE(basic, std::string::npos);
    ASSERT_NE(max, std::string::npos);
    EXPECT_EQ(lines[4].substr(basic, 6), " 1,234");
    EXPECT_EQ(lines[4].substr(max), " 56");
    EXPECT_EQ(lines[5].substr(basic, 9), "$   25.00");
    EXPECT_EQ(lines[5].substr(max), "$   25.00");
}

TEST_F(GridText, ACellWiderThanItsColumnWidensTheColumnInsteadOfBeingCut) {
    Show(kCountScreen);
    const std::vector<std::string> lines = Lines(RenderGridText(grid));
    // Column 2 is 85 pixels (15 characters) but holds 17-character labels.
    const std::string last = lines[20];
    EXPECT_NE(last.find(Blanks(13) + "-9 <"), std::string::npos);
    const size_t labelStart = last.find("-9 <") - 13;
    const size_t firstValue = labelStart + 18;
    EXPECT_EQ(last.substr(firstValue, 13), testing::kZeroPercent);
    EXPECT_EQ(lines[1].substr(firstValue, 18), "    Basic Strategy");
}

TEST_F(GridText, HiddenColumnsAreLeftOut) {
    Played(4, 40);
    game.HourBlocks = 1;
    Button1Click(game);
    ShowAnalysis(game, grid);
    const std::string text = RenderGridText(grid);
    EXPECT_EQ(text.find("Basic Strategy"), std::string::npos);
    EXPECT_EQ(text.find("Card Counting"), std::string::npos);
    EXPECT_EQ(text.find("ZOK Simple Count"), std::string::npos);
    const std::vector<std::string> lines = Lines(text);
    EXPECT_EQ(lines[1], Blanks(18) + " ZOK Max Strategy");
    EXPECT_EQ(lines[4], Cat({Blanks(1), " Total Hands", Blanks(5), " 40"}));
}

TEST_F(GridText, AllFormatsInClickOrderLeavingTheGameAsItWas) {
    Played(1, 100);
    game.HourBlocks = 2;
    game.GameFileName = "MYGAME.VLM";
    for (const uint8_t screen : {kOddsScreen, kCountScreen}) {
        for (const bool refresh : {false, true}) {
            game.ResultsScreen = screen;
            game.AnalysisTitleRefresh = refresh;
            const std::string text = RenderAllFormats(game);
            const size_t statistics = text.find(kStatisticsTitle);
            const size_t odds = text.find(kOddsTitle);
            const size_t count = text.find(kCountTitle);
            ASSERT_NE(statistics, std::string::npos);
            ASSERT_NE(odds, std::string::npos);
            ASSERT_NE(count, std::string::npos);
            EXPECT_LT(statistics, odds);
            EXPECT_LT(odds, count);
            EXPECT_NE(text.find("\" MYGAME \""), std::string::npos);
            EXPECT_EQ(Lines(text).size(), 3u * (1 + ResultsGrid::kRows) + 2);
            EXPECT_EQ(game.ResultsScreen, screen);
            EXPECT_EQ(game.AnalysisTitleRefresh, refresh);
        }
    }
}

}  // namespace
}  // namespace velmora
