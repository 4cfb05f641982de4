#include "strategy/decision.h"

#include "tests/strategy/strategy_fixture.h"

namespace velmora {
namespace {

using Decisions = testing::StrategyFixture;

TEST_F(Decisions, HardSixteenAgainstTenSurrendersBeforeHitting) {
    Deal({10, 6}, 10, false, true, true);
    EXPECT_EQ(Decide(), kSurrender);
    Deal({10, 6}, 10, false, true, false);
    EXPECT_EQ(Decide(), kHit);
}

TEST_F(Decisions, AdvancedEightsAgainstTenWithSurrenderSurrenderTheSixteen) {
    SetStrategyToAdvanced(game.Strategy, true);
    Deal({8, 8}, 10, true, true, true);
    EXPECT_EQ(Decide(), kSurrender);
    // Without the permission the hard 16 asks the advanced hit row, which stands
    // against a 10.
    Deal({8, 8}, 10, true, true, false);
    EXPECT_EQ(Decide(), kStand);
    SetStrategyToAdvanced(game.Strategy, false);
    Deal({8, 8}, 10, true, true, true);
    EXPECT_EQ(Decide(), kSplit);
}

TEST_F(Decisions, PairOfAcesIsSplitFromRow422EverywhereButHitsWithoutPermission) {
    for (int preset = 0; preset < 2; ++preset) {
        if (preset == 1) SetStrategyToAdvanced(game.Strategy, true);
        for (int up = 2; up <= 11; ++up) {
            Deal({11, 11}, up, true, true);
            EXPECT_EQ(Decide(), kSplit) << up;
        }
    }
    Deal({11, 11}, 6, false, false);
    EXPECT_EQ(Decide(), kHit);
    EXPECT_EQ(Judge(kStand), "Hit Soft 12 or less");
}

TEST_F(Decisions, HardSeventeenStandsWhateverRow517Says) {
    game.Strategy.SetCell(517, 11, true);
    Deal({10, 7}, 11, false, false, true);
    EXPECT_EQ(Decide(), kStand);
    EXPECT_EQ(Judge(kSurrender), "Stand with a hard total of 17 or more");
}

TEST_F(Decisions, SoftEighteenAgainstNineStandsByDefaultAndHitsAdvanced) {
    Deal({11, 7}, 9);
    EXPECT_EQ(Decide(), kStand);
    EXPECT_EQ(Judge(kHit), "Stand with a soft total of 18 against Dealer 9");
    SetStrategyToAdvanced(game.Strategy, false);
    EXPECT_EQ(Decide(), kHit);
    EXPECT_EQ(Judge(kStand), "Hit Soft 18 against Dealer 9");
}

TEST_F(Decisions, SmallHardTotalsHitWhenDoublingIsRefused) {
    Deal({6, 5}, 6, false, false);
    EXPECT_EQ(Decide(), kHit);
    EXPECT_EQ(Judge(kStand), "Hit  against Dealer 6");
    Deal({6, 5}, 6, false, true);
    EXPECT_EQ(Decide(), kDouble);
}

TEST_F(Decisions, ThePlayersOwnDoubleOrSplitIsJudgedAgainstAHit) {
    // Doubling hard 8 against a 2: row 308 is clear for 2.
    Deal({5, 3}, 2, false, true);
    EXPECT_EQ(Judge(kDouble), "Do Not Double8 against Dealer 2");
    // Splitting 5's against a 10: never split 4's or 5's.
    Deal({5, 5}, 10, true, true);
    EXPECT_EQ(Judge(kSplit), "NEVER Split 4's or 5's");
    // Against a 6 the ten doubles.
    Deal({5, 5}, 6, true, true);
    EXPECT_EQ(Judge(kSplit), "Double Down with 10 against Dealer 6");
    // Splitting 2's against an 8: row 404 is clear for 8, an ordinary hit.
    Deal({2, 2}, 8, true, true);
    EXPECT_EQ(Judge(kSplit), "Hit  against Dealer 8");
    // The computer never gets the player-only advice: its own action was cleared.
    Deal({5, 3}, 2, false, true);
    EXPECT_EQ(Decide(), kHit);
    EXPECT_EQ(game.AdviceText, "Hit  against Dealer 2");
}

TEST_F(Decisions, HardTwelveAgainstTwoAndThreeInBothPresets) {
    Deal({10, 2}, 2);
    EXPECT_EQ(Judge(kStand), "Hit  against Dealer 2");
    Deal({10, 2}, 3);
    EXPECT_EQ(Judge(kStand), "Hit  against Dealer 3");
    SetStrategyToAdvanced(game.Strategy, false);
    Deal({10, 2}, 2);
    EXPECT_EQ(Judge(kStand), "Hit  against Dealer 2");
    Deal({10, 2}, 3);
    EXPECT_EQ(Judge(kStand), "");
    EXPECT_EQ(Decide(), kStand);
}

TEST_F(Decisions, SoftDoublesAndSoftHitsBySoftRows) {
    Deal({11, 6}, 5, false, true);
    EXPECT_EQ(Decide(), kDouble);
    EXPECT_EQ(Judge(kHit), "Double Down with Soft 17 against Dealer 5");
    Deal({11, 6}, 5, false, false);
    EXPECT_EQ(Decide(), kHit);  // row 217 ALWAYS
    EXPECT_EQ(Judge(kStand), "Hit Soft 17 against Dealer 5");
    Deal({11, 4}, 9, false, false);
    EXPECT_EQ(Judge(kStand), "Hit Soft 15 or less");
}

TEST_F(Decisions, AdviceIsOnlyBuiltWhileTheTableIsShownWithAdviceOn) {
    Deal({10, 3}, 7);
    game.Options.AdviceOn = false;
    EXPECT_EQ(Judge(kStand), "");
    game.Options.AdviceOn = true;
    game.TableShown = false;
    EXPECT_EQ(Judge(kStand), "stale");  // analysis: left untouched
    game.TableShown = true;
    EXPECT_EQ(Judge(kHit), "");  // agrees: cleared
}

TEST_F(Decisions, OutOfRangeArgumentsChangeNothing) {
    Deal({10, 6}, 10);
    game.SimulationMode = true;
    for (auto [hand, up, total] : {std::tuple{0, 10, 16}, {5, 10, 16}, {1, 1, 16}, {1, 12, 16},
                                   {1, 10, 0}, {1, 10, 40}}) {
        game.PlayerAction = 77;
        game.AdviceText = "kept";
        DecideAction(game, hand, up, total);
        EXPECT_EQ(game.PlayerAction, 77);
        EXPECT_EQ(game.AdviceText, "kept");
    }
}

}  // namespace
}  // namespace velmora
