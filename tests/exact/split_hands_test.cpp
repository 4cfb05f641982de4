// How many hands a split ends in, on shoes small enough to follow by hand.

#include <gtest/gtest.h>

#include "exact/split_hands.h"

namespace velmora {
namespace {

// One card of the pair's rank among three: without re-splitting each of the two
// hands may get it; the first with chance 1/3, the second with 2/3 x 1/2.
TEST(SplitHands, WithoutResplittingTwoHandsAlways) {
    const SplitHands h = ExpectedSplitHands(1, 3, 2);
    EXPECT_NEAR(h.Paired, 2.0 / 3, 1e-15);
    EXPECT_NEAR(h.Unpaired, 4.0 / 3, 1e-15);
}

// One card of the pair's rank among ten, with re-splitting: whichever hand gets it
// splits again into two hands that (the pair card gone) both get other cards. The
// first hand gets it with chance 1/10, the second with 9/10 x 1/9: 2 + 1/5 hands on
// average, none of them paired.
TEST(SplitHands, ResplittingMakesAThirdHand) {
    const SplitHands h = ExpectedSplitHands(1, 10, 4);
    EXPECT_NEAR(h.Paired, 0.0, 1e-15);
    EXPECT_NEAR(h.Unpaired, 2.2, 1e-15);
}

// A shoe of nothing but the pair's rank: split to the limit of four hands, each of
// which then gets the pair's rank and keeps it.
TEST(SplitHands, NoMoreThanFourHands) {
    const SplitHands h = ExpectedSplitHands(10, 10, 4);
    EXPECT_NEAR(h.Unpaired, 0.0, 1e-15);
    EXPECT_NEAR(h.Paired, 4.0, 1e-15);
}

TEST(SplitHands, NoCardOfThePairLeft) {
    const SplitHands h = ExpectedSplitHands(0, 50, 4);
    EXPECT_DOUBLE_EQ(h.Unpaired, 2.0);
    EXPECT_DOUBLE_EQ(h.Paired, 0.0);
}

}  // namespace
}  // namespace velmora
