#include "engine/random.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora {
namespace {

TEST(LcgRandom, FollowsTheFormulaFromAKnownSeed) {
    LcgRandom rng;
    rng.Seed = 12345;
    // seed := seed x 134775813 + 1 (mod 2^32); result := seed x n div 2^32.
    const uint32_t expected[] = {385, 289, 79, 553, 633};
    for (uint32_t e : expected) EXPECT_EQ(rng.Random(1000), e);
    EXPECT_EQ(rng.Seed, 2721613530u);
}

TEST(LcgRandom, ClockSeedIsMillisecondsOfTheDay) {
    LcgRandom rng;
    rng.SeedFromClock({21, 34, 56, 789});
    EXPECT_EQ(rng.Seed, ((21u * 60 + 34) * 60 + 56) * 1000 + 789);
    rng.SeedFromClock({0, 0, 0, 0});
    EXPECT_EQ(rng.Seed, 0u);
}

TEST(LcgRandom, StaysBelowTheBound) {
    LcgRandom rng;
    rng.Seed = 7;
    for (int i = 0; i < 10000; ++i) ASSERT_LT(rng.Random(65000), 65000u);
}

TEST(Xoshiro256, SameSeedSameStreamAndAnotherSeedAnotherStream) {
    Xoshiro256 a(42), b(42), c(43);
    std::set<uint64_t> seen;
    for (int i = 0; i < 100; ++i) {
        const uint64_t x = a.Next();
        EXPECT_EQ(x, b.Next());
        EXPECT_NE(x, c.Next());
        seen.insert(x);
    }
    EXPECT_EQ(seen.size(), 100u);
}

TEST(Xoshiro256, BelowIsUnbiasedEnoughAndInRange) {
    Xoshiro256 rng(1);
    int counts[6] = {};
    for (int i = 0; i < 60000; ++i) {
        const uint32_t v = rng.Below(6);
        ASSERT_LT(v, 6u);
        ++counts[v];
    }
    for (int c : counts) EXPECT_NEAR(c, 10000, 400);
}

}  // namespace
}  // namespace velmora
