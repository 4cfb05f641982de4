// An unwatched analysis game (the worker threads') gathers its hands in the block's
// tally and works out each strategy's statistics later: for the same seed it must end
// with exactly the statistics of a watched game, which books every hand at once.

#include <gtest/gtest.h>

#include <array>

#include "engine/betting.h"
#include "engine/game.h"
#include "engine/headless_host.h"
#include "engine/modes.h"

namespace velmora {
namespace {

constexpr uint64_t kBlocks = 200;

// The results window of the analysis: keeps the statistics after the last block, the
// tally folded in, and stops the run there.
class Keeper : public ResultsDisplay {
  public:
    Game* game = nullptr;
    std::array<Statistics, 5> kept{};
    void RefreshAnalysis() override {}
    void BlockEnded() override {
        Game& g = *game;
        if (g.HourBlocks < kBlocks) return;
        FoldBlockTally(g);
        for (int i = 1; i <= kStrategyCount; ++i) kept[static_cast<size_t>(i)] = g.StatsOf(i);
        g.StopRequested = true;
    }
};

// Opens the results as the window's single-strategy button leaves them, when asked.
class AnalysisHost : public HeadlessHost {
  public:
    AnalysisHost(Keeper& keeper, bool single) : HeadlessHost(&keeper), keeper_(keeper), single_(single) {}
    ResultsDisplay* OpenResults() override {
        keeper_.game->Options.SingleStrategyView = single_;
        return HeadlessHost::OpenResults();
    }

  private:
    Keeper& keeper_;
    bool single_;
};

struct Setting {
    const char* name;
    int minimum;
    bool twoHands;
    bool surrender;
    bool single;
};

std::array<Statistics, 5> Analysis(const Setting& s, bool unwatched) {
    Keeper keeper;
    AnalysisHost host(keeper, s.single);
    Game game(host);
    keeper.game = &game;
    ApplyDefaultOptions(game.Options);
    game.Options.HideBettingIntro = true;
    game.Options.TableMinimum = static_cast<uint16_t>(s.minimum);
    game.Options.BetTwoHands = s.twoHands;
    game.Options.SurrenderAllowed = s.surrender;
    game.Options.DealerHitsSoft17 = s.surrender;
    ResetStrategyToDefault(game.Strategy);
    SetStrategyToAdvanced(game.Strategy, s.surrender);
    game.AnalysisSeed = 97;
    game.Unwatched = unwatched;
    ChooseMode(game, Mode::Analysis);
    return keeper.kept;
}

TEST(BlockTally, AnUnwatchedAnalysisEndsWithTheStatisticsOfAWatchedOne) {
    const Setting settings[] = {
        {"$25, two hands", 25, true, false, false},
        {"$5, two hands: every stake doubled", 5, true, false, false},
        {"$100, one hand, surrender and H17", 100, false, true, false},
        {"single-strategy view", 5, true, true, true},
    };
    for (const Setting& s : settings) {
        const std::array<Statistics, 5> watched = Analysis(s, false);
        const std::array<Statistics, 5> unwatched = Analysis(s, true);
        for (int i = 1; i <= kStrategyCount; ++i) {
            const Statistics& w = watched[static_cast<size_t>(i)];
            EXPECT_EQ(unwatched[static_cast<size_t>(i)], w) << s.name << ", strategy " << i;
            // The run played: a strategy that stakes has hands, blocks and money.
            if (s.single && i != 4) {
                EXPECT_EQ(w.HandsPlayed, 0) << s.name;
                continue;
            }
            EXPECT_GT(w.HandsPlayed, int64_t{kBlocks * 30}) << s.name << ", strategy " << i;
            EXPECT_EQ(w.Blocks.Blocks, int64_t{kBlocks}) << s.name << ", strategy " << i;
            EXPECT_GT(w.Doubles, 0);
            EXPECT_GT(w.Splits, 0);
            EXPECT_GT(w.Blackjacks, 0);
        }
    }
}

// Each result books its money in half stakes, twice that on a doubled hand, and a
// win or the lost part of the bet; a push books nothing and never reaches the tally.
TEST(BlockTally, AResultBooksHalfStakesAWinOrTheLostPart) {
    struct Row {
        double r;
        int units;
        int netHalves, wins, lossHalves;
    };
    const Row rows[] = {
        {+1.5, 1, +3, 1, 0},  // a blackjack paid 3 to 2
        {+1.0, 1, +2, 1, 0},  {+1.0, 2, +4, 1, 0},  // won, and won doubled
        {-1.0, 1, -2, 0, 2},  {-1.0, 2, -4, 0, 2},  // lost: one lost bet either way
        {-0.5, 1, -1, 0, 1},  // surrendered: half the stake
    };
    for (const Row& row : rows) {
        BlockTally t;
        t.Result(row.r, row.units);
        EXPECT_EQ(t.Round.NetHalves, row.netHalves) << row.r << " x" << row.units;
        EXPECT_EQ(t.Round.Wins, row.wins) << row.r << " x" << row.units;
        EXPECT_EQ(t.Round.LossHalves, row.lossHalves) << row.r << " x" << row.units;
    }
}

}  // namespace
}  // namespace velmora
