// The minimal loop of the speed comparison plays the analysis's cards with one flat
// bet, written apart from the engine: its totals must be the engine's "Basic
// Strategy" column to the half dollar, on any shoe, penetration and table.

#include "bench/minimal_loop.h"

#include <gtest/gtest.h>

#include "analysis/analyze_options.h"

namespace velmora {
namespace {

AnalysisRequest SmallRun(int decks, int penetration, int minimum, uint64_t seed) {
    AnalysisRequest q = BenchRequest();
    q.Rules.Decks = static_cast<uint16_t>(decks);
    q.Rules.Penetration = static_cast<uint16_t>(penetration);
    q.Rules.TableMinimum = static_cast<uint16_t>(minimum);
    q.Rounds = 30'000;
    q.ChunkBlocks = 70;  // 7,000 rounds a chunk; the last chunk is shorter
    q.Seed = seed;
    return q;
}

TEST(MinimalLoop, PlaysTheAnalysisCardsAndBooksWhatItsBasicStrategyBooks) {
    for (const AnalysisRequest& q :
         {SmallRun(1, 2, 5, 3), SmallRun(2, 3, 25, 20261207), SmallRun(8, 3, 100, 44)}) {
        ASSERT_TRUE(MinimalLoopPlays(q.Rules));
        const FlatBetTotals engine = FlatBetTotalsOf(RunAnalysis(q).Stats[1]);
        const FlatBetTotals minimal = PlayMinimalLoop(q);
        EXPECT_EQ(minimal, engine) << q.Rules.Decks << " decks";
        // Every round places a stake, splits add hands, and every kind of hand came up.
        EXPECT_EQ(minimal.Hands, 30'000 + minimal.Splits);
        EXPECT_EQ(minimal.Staked, q.Rules.TableMinimum * double(minimal.Hands + minimal.Doubles));
        EXPECT_GT(minimal.Splits, 0);
        EXPECT_GT(minimal.Doubles, 0);
        EXPECT_GT(minimal.Blackjacks, 0);
    }
}

TEST(MinimalLoop, OtherSeedsDealOtherCards) {
    const AnalysisRequest a = SmallRun(2, 3, 25, 1);
    AnalysisRequest b = a;
    b.Seed = 2;
    AnalysisRequest c = a;
    c.ChunkBlocks = 0;  // one chunk: the chunks' seeds are part of the cards
    EXPECT_NE(PlayMinimalLoop(a).Net, PlayMinimalLoop(b).Net);
    EXPECT_NE(PlayMinimalLoop(a).Net, PlayMinimalLoop(c).Net);
}

TEST(MinimalLoop, PlaysOnlyTheBenchRules) {
    AnalysisRequest q = BenchRequest();
    EXPECT_TRUE(MinimalLoopPlays(q.Rules));
    q.Rules.DealerHitsSoft17 = true;
    EXPECT_FALSE(MinimalLoopPlays(q.Rules));
    q = BenchRequest();
    q.Rules.BetTwoHands = true;
    EXPECT_FALSE(MinimalLoopPlays(q.Rules));
}

}  // namespace
}  // namespace velmora
