// The standard error of the advantage: the block sums kept by the engine against a
// direct computation from each block's net and stake, and its text.

#include "analysis/standard_error_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/game.h"
#include "engine/headless_host.h"
#include "engine/modes.h"

namespace velmora {
namespace {

// Records every block's net and stake of each strategy from the running totals, and
// stops the analysis after `blocks` blocks.
class BlockRecorder : public ResultsDisplay {
  public:
    explicit BlockRecorder(uint64_t blocks) : blocks_(blocks) {}
    void RefreshAnalysis() override {}
    void BlockEnded() override {
        for (int s = 1; s <= 4; ++s) {
            const Statistics& st = game->StatsOf(s);
            nets[s].push_back(st.TotalNet - lastNet[s]);
            stakes[s].push_back(st.TotalStaked - lastStake[s]);
            lastNet[s] = st.TotalNet;
            lastStake[s] = st.TotalStaked;
            final[s] = st;
        }
        if (game->HourBlocks >= blocks_) game->StopRequested = true;
    }
    Game* game = nullptr;
    std::vector<double> nets[5], stakes[5];
    double lastNet[5] = {}, lastStake[5] = {};
    Statistics final[5];

  private:
    uint64_t blocks_;
};

// The ratio estimator's standard error, computed the long way from the blocks.
double DirectStandardError(const std::vector<double>& n, const std::vector<double>& s) {
    const double k = static_cast<double>(n.size());
    double sumN = 0, sumS = 0;
    for (size_t i = 0; i < n.size(); ++i) {
        sumN += n[i];
        sumS += s[i];
    }
    const double a = sumN / sumS, meanS = sumS / k;
    double squares = 0;
    for (size_t i = 0; i < n.size(); ++i) squares += (n[i] - a * s[i]) * (n[i] - a * s[i]);
    return std::sqrt(squares / (k - 1) / k) / meanS;
}

TEST(StandardError, TheBlockSumsGiveTheDirectlyComputedStandardError) {
    BlockRecorder recorder(300);
    HeadlessHost host(&recorder);
    Game game(host);
    recorder.game = &game;
    ApplyDefaultOptions(game.Options);
    game.Options.HideBettingIntro = true;
    ResetStrategyToDefault(game.Strategy);
    game.AnalysisSeed = 11;
    BettingAnalysis(game);

    for (int s = 1; s <= 4; ++s) {
        const BlockMoments& m = recorder.final[s].Blocks;
        ASSERT_EQ(m.Blocks, 300) << s;
        EXPECT_EQ(m.Net, std::llround(recorder.final[s].TotalNet * 2)) << s;
        EXPECT_EQ(m.Stake, std::llround(recorder.final[s].TotalStaked * 2)) << s;
        const double direct = DirectStandardError(recorder.nets[s], recorder.stakes[s]);
        EXPECT_GT(direct, 0) << s;
        EXPECT_NEAR(m.AdvantageStandardError(), direct, direct * 1e-9) << s;
    }
}

TEST(StandardError, SumsOfPartsEqualTheSumOfTheWholeAndTooFewBlocksGiveNone) {
    BlockMoments whole, first, second;
    const double nets[] = {12.5, -40, 7.5, 0, -2.5}, stakes[] = {100, 150, 75, 50, 200};
    for (int i = 0; i < 5; ++i) {
        whole.AddBlock(nets[i], stakes[i]);
        (i < 2 ? first : second).AddBlock(nets[i], stakes[i]);
    }
    first.Add(second);
    EXPECT_EQ(first, whole);
    EXPECT_EQ(whole.NetSquares, 4 * (156.25 + 1600 + 56.25 + 0 + 6.25));

    BlockMoments one;
    one.AddBlock(10, 100);
    EXPECT_EQ(one.AdvantageStandardError(), 0);
    Statistics st;
    st.Blocks = one;
    EXPECT_EQ(AdvantageToolTip(st), "");
}

TEST(StandardError, TheTooltipSaysTheAdvantageItsErrorAndTheHours) {
    Statistics st;
    // Two blocks of 1000 staked, won 10 and lost 6: advantage 0.2 %; the residuals
    // +8 and -8 give a standard error of sqrt(128 / (2 - 1) / 2) / 1000 = 0.8 %.
    st.Blocks.AddBlock(10, 1000);
    st.Blocks.AddBlock(-6, 1000);
    EXPECT_EQ(AdvantageToolTip(st), "0.20 % \u00b1 0.80 % (1 standard error, 2 hours)");
    EXPECT_EQ(WithThousands(2000000), "2,000,000");
    EXPECT_EQ(WithThousands(999), "999");
    EXPECT_EQ(WithThousands(-1234), "-1,234");
}

}  // namespace
}  // namespace velmora
