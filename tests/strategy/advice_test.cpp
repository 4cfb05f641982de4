#include "strategy/advice.h"

#include "tests/strategy/strategy_fixture.h"

namespace velmora {
namespace {

using Advice = testing::StrategyFixture;

TEST_F(Advice, EverySentenceExactToTheBlank) {
    struct Case { std::initializer_list<int> cards; int up; uint16_t code; const char* text; };
    const Case cases[] = {
        {{10, 5}, 10, kAdviceStandHard, "Stand with hard 15 against Dealer 10"},
        {{10, 8}, 10, kAdviceStandHard17, "Stand with a hard total of 17 or more"},
        {{11, 8}, 6, kAdviceStandSoft, "Stand with a soft total of 19 against Dealer 6"},
        {{10, 3}, 7, kAdviceHitHard, "Hit  against Dealer 7"},
        {{6, 3}, 7, kAdviceDoNotDouble, "Do Not Double9 against Dealer 7"},
        {{5, 5}, 10, kAdviceNeverSplit4sOr5s, "NEVER Split 4's or 5's"},
        {{11, 5}, 10, kAdviceHitSoft16OrLess, "Hit Soft 16 or less"},
        {{11, 7}, 11, kAdviceHitSoft, "Hit Soft 18 against Dealer Ace"},
        {{6, 4}, 13, kAdviceDoubleHard, "Double Down with 10 against Dealer 10"},
        {{11, 2}, 5, kAdviceDoubleSoft, "Double Down with Soft 13 against Dealer 5"},
        {{11, 11}, 4, kAdviceSplitAces, "ALWAYS Split Aces"},
        {{8, 8}, 9, kAdviceSplitPair, "ALWAYS Split 8's against Dealer 9"},
        {{9, 9}, 2, kAdviceSplitPair, "Split 9's against Dealer 2"},
        {{10, 6}, 11, kAdviceSurrender, "Surrender 16 against Dealer Ace"},
    };
    for (const Case& c : cases) {
        Deal(c.cards, c.up == 13 ? 10 : c.up);
        if (c.up == 13) game.Hands[kDealer].Cards[1] = MakeCard(13);  // a king shows "10"
        BuildAdvice(game, c.code, 1);
        EXPECT_EQ(game.AdviceText, c.text) << c.code;
    }
}

TEST_F(Advice, SplitWordingFollowsTheAlwaysMark) {
    Deal({11, 11}, 7);
    game.Strategy.SetCell(422, kAlwaysMark, false);
    BuildAdvice(game, kAdviceSplitAces, 1);
    EXPECT_EQ(game.AdviceText, "Split Aces against Dealer 7");
    SetStrategyToAdvanced(game.Strategy, true);
    Deal({8, 8}, 7);
    BuildAdvice(game, kAdviceSplitPair, 1);
    EXPECT_EQ(game.AdviceText, "Split 8's against Dealer 7");
}

TEST_F(Advice, WrongMoveBeepsAndShowsTheBoxBesideTheHand) {
    Deal({10, 3}, 7, false, false, false, 3);
    game.PlayerAction = 42;
    CheckAdvice(game, 3, kStand);
    EXPECT_EQ(host.boxes, (std::vector<std::string>{"error 10,50: Hit  against Dealer 7"}));
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(host.table.calls, (std::vector<std::string>{"ShowPointer 3"}));
    EXPECT_EQ(game.AdviceText, "");
    EXPECT_EQ(game.PlayerAction, 42);
}

TEST_F(Advice, BoxPositionsByHand) {
    const int lefts[] = {310, 460, 10, 160};
    for (int hand = 1; hand <= 4; ++hand) {
        host.boxes.clear();
        Deal({10, 3}, 7, false, false, false, hand);
        CheckAdvice(game, hand, kStand);
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0], "error " + std::to_string(lefts[hand - 1]) +
                                     ",50: Hit  against Dealer 7");
    }
}

TEST_F(Advice, SilentCases) {
    // Sound off: the box without the beep.
    game.Options.SoundOn = false;
    Deal({10, 3}, 7);
    CheckAdvice(game, 1, kStand);
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.beeps, 0);
    // Advice off, an agreeing move, a finished hand, a bad hand index: nothing at all.
    host.boxes.clear();
    game.Options.SoundOn = true;
    game.Options.AdviceOn = false;
    CheckAdvice(game, 1, kStand);
    game.Options.AdviceOn = true;
    CheckAdvice(game, 1, kHit);
    game.Hand(1).Finished = true;
    CheckAdvice(game, 1, kStand);
    CheckAdvice(game, 0, kStand);
    CheckAdvice(game, 9, kStand);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(host.beeps, 0);
}

TEST_F(Advice, HintAlwaysShowsTheStrategysSentence) {
    Deal({8, 8}, 10, true, true, true);
    SetStrategyToAdvanced(game.Strategy, true);
    CheckAdvice(game, 1, kHint);
    EXPECT_EQ(host.AdviceBoxes(), (std::vector<std::string>{"Surrender 16 against Dealer 10"}));
}

}  // namespace
}  // namespace velmora
