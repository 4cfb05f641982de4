#pragma once
// A game in the middle of an analysis with its results grid initialised, and helpers
// that fill a strategy's statistics.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "analysis/results_grid.h"
#include "analysis/show_analysis.h"
#include "engine/game.h"
#include "tests/support/scripted_host.h"

namespace velmora::testing {

inline std::string Blanks(size_t n) {
    return std::string(n, ' ');
}
// Joins texts by appending ("lit" + std::string trips a false GCC 12 warning).
inline std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view p : parts) out.append(p);
    return out;
}
inline const std::string kZeroPercent = Blanks(7) + "0.00 %";

class AnalysisFixture : public ::testing::Test {
  protected:
    ScriptedHost host;
    Game game{host};
    ResultsGrid grid;

    void SetUp() override {
        game.Options.TableMinimum = 25;
        game.ResultsScreen = kStatisticsScreen;
        game.AnalysisTitleRefresh = true;
        InitAnalysisGrid(grid);
    }

    // Shows `screen` as a fresh layout.
    void Show(uint8_t screen) {
        game.ResultsScreen = screen;
        game.AnalysisTitleRefresh = true;
        ShowAnalysis(game, grid);
    }

    // A strategy that played `hands` hands of $25 and shows simple figures.
    void Played(int strategy, int hands) {
        Statistics& st = game.StatsOf(strategy);
        st.HandsPlayed = hands;
        st.TotalStaked = 25.0 * hands;
        st.Wins = hands / 2;
        st.LossUnits = hands - hands / 2;
    }
};

}  // namespace velmora::testing
