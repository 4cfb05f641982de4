// The price of one decision: the values of the moves for a dealt hand, checked
// against figures every published table gives (eight decks, dealer stands on soft
// 17, double any two cards and after splits) and against the basic strategy at
// cells where no shortcut can turn it.

#include <gtest/gtest.h>

#include "engine/game.h"
#include "exact/move_values.h"

namespace velmora {
namespace {

ExactRules EightDecks(bool surrender = false) {
    ExactRules rules;
    rules.Shoe = ShoeOfDecks(8);
    rules.SurrenderAllowed = surrender;
    return rules;
}

// Two cards (ranks, 1 the ace) against an up card value, every move the game can
// offer a first decision offered.
MoveValues Price(int a, int b, int up, bool surrender = false) {
    HandToPrice hand;
    hand.cards = CardsOf({a, b});
    hand.upValue = up;
    hand.canDouble = true;
    hand.canSplit = a == b;
    hand.canSurrender = surrender;
    return ValuesOfMoves(EightDecks(surrender), hand);
}

int BestMove(const MoveValues& v) {
    for (int action = kStand; action <= kSurrender; ++action)
        if (v.CostOf(action) == 0.0) return action;
    return 0;
}

TEST(MoveValues, MatchThePublishedValuesOfStandingAndDoubling) {
    // Standing on 16 wins only when the dealer busts: about 23 % against a ten
    // (without blackjack), 42 % against a six.
    EXPECT_NEAR(*Price(10, 6, 10).of[kStand], -0.54, 0.01);
    EXPECT_NEAR(*Price(10, 6, 6).of[kStand], -0.16, 0.01);
    EXPECT_NEAR(*Price(6, 5, 6).of[kDouble], 0.67, 0.02);
    EXPECT_DOUBLE_EQ(*Price(10, 6, 10, true).of[kSurrender], -0.5);
}

TEST(MoveValues, TheBestMoveIsTheBasicStrategysWhereItIsClearCut) {
    struct Row {
        int a, b, up;
        bool surrender;
        int best;
    };
    const Row rows[] = {
        {10, 2, 2, false, kHit},        {10, 2, 4, false, kStand},
        {10, 10, 6, false, kStand},     {6, 5, 10, false, kDouble},
        {6, 3, 7, false, kHit},         {1, 7, 9, false, kHit},
        {1, 7, 2, false, kStand},       {1, 6, 4, false, kDouble},
        {8, 8, 10, false, kSplit},      {1, 1, 6, false, kSplit},
        {9, 9, 7, false, kStand},       {10, 6, 10, true, kSurrender},
        {10, 7, 11, false, kStand},     {5, 5, 9, false, kDouble},
    };
    for (const Row& r : rows)
        EXPECT_EQ(BestMove(Price(r.a, r.b, r.up, r.surrender)), r.best)
            << r.a << "," << r.b << " against " << r.up;
}

TEST(MoveValues, AMistakeCostsWhatTheBestIsWorthMore) {
    const MoveValues tens = Price(10, 10, 6);
    // Splitting tens against a six gives up a sure-looking 20 for two hands that
    // are each worth less; hitting the 20 is worse still.
    EXPECT_GT(*tens.CostOf(kSplit), 0.05);
    EXPECT_LT(*tens.CostOf(kSplit), 0.4);
    EXPECT_GT(*tens.CostOf(kHit), 1.0);
    EXPECT_EQ(*tens.CostOf(kStand), 0.0);
    // Moves the hand is not offered have no price, nor has an unknown move.
    EXPECT_FALSE(tens.CostOf(kSurrender));
    EXPECT_FALSE(Price(10, 6, 10).CostOf(kSplit));
    EXPECT_FALSE(tens.CostOf(0));
}

}  // namespace
}  // namespace velmora
