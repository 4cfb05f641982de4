// Runs, modes and the game reset, with the scripted host.

#include "engine/run_loop.h"

#include "engine/modes.h"
#include "tests/engine/round_fixture.h"

namespace velmora {
namespace {

class Runs : public testing::RoundFixture {
protected:
    void SetUp() override {
        RoundFixture::SetUp();
        game.SimulationMode = false;
        game.Options.HideBettingIntro = true;
    }
};

TEST_F(Runs, AnAnalysisBooksEveryHourUntilStoppedAndTheResetClearsIt) {
    Statistics seen;
    uint32_t hours = 0;
    host.onEvents = [&](Game& g) {
        if (host.results.refreshes >= 5 && g.RunInProgress) {
            seen = g.StatsOf(1);
            hours = g.HourBlocks;
            GameReset(g);  // File > Reset Game
        }
    };
    ChooseMode(game, Mode::Analysis);
    EXPECT_EQ(hours, 6u);  // the sixth block had begun when the reset came
    EXPECT_EQ(seen.HandsPlayed > 500, true);
    int histogramHours = 0;
    for (int k = -9; k <= 9; ++k) histogramHours += seen.HourAt(k) > 0 ? 1 : 0;
    EXPECT_GT(histogramHours, 0);
    EXPECT_FALSE(host.resultsOpen);
    EXPECT_FALSE(game.ResultsWindowOpen);
    EXPECT_EQ(game.StatsOf(1), Statistics{});
    EXPECT_EQ(game.HourBlocks, 0u);
    EXPECT_EQ(game.Options.ModeName.Text(), "Analysis");
    EXPECT_FALSE(game.SimulationMode);
    EXPECT_FALSE(game.AnalysisShuffleOn);
}

TEST_F(Runs, ChoosingAModeDuringARunStopsItFirstAndNeverNests) {
    int depth = 0, deepest = 0;
    bool switched = false;
    host.onEvents = [&](Game& g) {
        if (!g.RunInProgress) return;
        if (host.results.refreshes == 2 && !switched) {
            switched = true;
            ++depth;
            deepest = std::max(deepest, depth);
            ChooseMode(g, Mode::Analysis);  // returns at once: the run in progress stops
            --depth;
            EXPECT_FALSE(g.ResultsWindowOpen);
        } else if (host.results.refreshes >= 4) {
            StopForExit(g);
        }
    };
    game.Options.HideBettingIntro = false;
    ChooseMode(game, Mode::Analysis);
    EXPECT_TRUE(switched);
    EXPECT_EQ(host.bettingIntros, 2);  // the second analysis started after the first ended
    EXPECT_EQ(deepest, 1);
    EXPECT_FALSE(game.RunInProgress);
    EXPECT_FALSE(game.PendingMode.has_value());
}

TEST_F(Runs, SingleStrategyViewRefreshesEveryFiftyHours) {
    host.onEvents = [&](Game& g) {
        g.Options.SingleStrategyView = true;
        if (g.HourBlocks > 120) StopForExit(g);
    };
    ChooseMode(game, Mode::Analysis);
    EXPECT_EQ(host.results.refreshes, 2);  // hours 50 and 100
    EXPECT_FALSE(game.Options.SingleStrategyView);  // cleared when the analysis ends
}

TEST_F(Runs, NewBankrollByTableMinimum) {
    ShowTable();
    struct Case { uint16_t minimum; double bankroll; std::array<uint16_t, kChipKinds> rack; };
    const Case cases[] = {{5, 1000, {0, 10, 2, 4, 1, 0, 0}},
                          {25, 5000, {0, 0, 8, 3, 3, 3, 0}},
                          {100, 20000, {0, 0, 0, 10, 6, 6, 2}}};
    const int values[] = {0, 5, 25, 100, 500, 1000, 5000};  // the half chip holds none here
    for (const Case& c : cases) {
        game.Options.TableMinimum = c.minimum;
        NewBankroll(game);
        EXPECT_DOUBLE_EQ(game.Bankroll, c.bankroll);
        EXPECT_DOUBLE_EQ(game.Hand(1).Stats.HourNet, c.bankroll);
        EXPECT_EQ(game.RackCount, c.rack);
        double rack = 0;
        for (int k = 0; k < kChipKinds; ++k) rack += game.RackCount[static_cast<size_t>(k)] * values[k];
        EXPECT_DOUBLE_EQ(rack, c.bankroll);  // the bankroll is the value of the rack
    }
}

TEST_F(Runs, GameResetStopsEverythingAndForgetsTheSavedGameName) {
    ShowTable();
    game.GameFileName = "MYGAME.VLM";
    game.Options.SingleStrategyView = true;
    game.PracticeDeckMode = true;
    game.Hand(1).Finished = false;
    S(2).Wins = 3;
    game.PlayMinutes = 7;
    GameReset(game);
    EXPECT_TRUE(game.StopRequested);
    EXPECT_FALSE(game.TableShown);
    EXPECT_EQ(game.Table, nullptr);
    EXPECT_TRUE(game.GameFileName.empty());
    EXPECT_FALSE(game.Options.SingleStrategyView);
    EXPECT_FALSE(game.PracticeDeckMode);
    EXPECT_TRUE(game.Hand(1).Finished);
    EXPECT_EQ(game.PlayerAction, kStand);
    EXPECT_EQ(game.BetAmount, game.Options.TableMinimum);
    EXPECT_EQ(S(2), Statistics{});
    EXPECT_EQ(game.PlayMinutes, 0);
}

TEST_F(Runs, WithoutATableWindowTheTableModesDoNotRun) {
    game.Options.HideBettingIntro = true;
    // The scripted host always gives a table; a host without one ends the mode at once.
    class NoTable : public testing::ScriptedHost {
    public:
        TableDisplay* OpenTable() override { return nullptr; }
    } noTable;
    Game g(noTable);
    ApplyDefaultOptions(g.Options);
    ChooseMode(g, Mode::Normal);
    EXPECT_FALSE(g.RunInProgress);
    EXPECT_TRUE(g.StopRequested);
}

}  // namespace
}  // namespace velmora
