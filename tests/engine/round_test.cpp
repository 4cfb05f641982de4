#include "engine/round.h"

#include "engine/betting.h"
#include "engine/run_loop.h"
#include "tests/engine/round_fixture.h"

namespace velmora {
namespace {

using Rounds = testing::RoundFixture;

TEST_F(Rounds, DealerStandsOnSoft17UnlessTheRuleSaysHit) {
    // Player 19 against ace and six; the next card would make the dealer 21.
    Stack({10, 11, 9, 6, 4});
    PlayRound(game);
    EXPECT_EQ(game.Hands[kDealer].NumCards, 2);
    EXPECT_DOUBLE_EQ(S(1).HourNet, 25);
    EXPECT_DOUBLE_EQ(S(1).Wins, 1);

    game.Options.DealerHitsSoft17 = true;
    ResetStatistics(game);
    Stack({10, 11, 9, 6, 4});
    PlayRound(game);
    EXPECT_EQ(game.Hands[kDealer].NumCards, 3);
    EXPECT_EQ(game.Hands[kDealer].Total, 21);
    EXPECT_DOUBLE_EQ(S(1).HourNet, -25);
    EXPECT_DOUBLE_EQ(S(1).LossUnits, 1);
}

TEST_F(Rounds, DealerDrawsOn16AndAHard17StandsEvenWithAnAce) {
    game.Options.DealerHitsSoft17 = true;
    // Dealer ace, six (soft 17) draws a ten: hard 17, stands.
    Stack({10, 11, 9, 6, 10, 5});
    PlayRound(game);
    EXPECT_EQ(game.Hands[kDealer].NumCards, 3);
    EXPECT_EQ(game.Hands[kDealer].Total, 17);
    // Dealer 16 draws.
    Stack({10, 10, 9, 6, 2});
    PlayRound(game);
    EXPECT_EQ(game.Hands[kDealer].Total, 18);
}

TEST_F(Rounds, DealerBustPaysEveryHandStillHoldingATotal) {
    ShowTable();
    game.ActiveHand = 0;
    for (int h : {1, 3}) {
        game.Hand(h) = THand{};
        game.Hand(h).StakeByStrategy[1] = 25;
    }
    game.Hand(1).Total = 4;
    game.Hand(3).Total = 20;
    game.Hands[kDealer].Total = 0;  // busted
    SettleHand(game, 1);
    SettleHand(game, 3);
    SettleHand(game, 2);  // an empty hand settles nothing
    EXPECT_DOUBLE_EQ(S(1).Wins, 2);
    EXPECT_DOUBLE_EQ(S(1).HourNet, 50);
    EXPECT_EQ(host.table.Calls("ShowSettlement"),
              (std::vector<std::string>{"ShowSettlement 1 1", "ShowSettlement 3 1"}));
}

TEST_F(Rounds, APushBooksNothingAndShowsPush) {
    ShowTable();
    game.ActiveHand = 0;
    game.Hand(1).Total = 20;
    game.Hand(1).StakeByStrategy[1] = 25;
    game.Hands[kDealer].Total = 20;
    SettleHand(game, 1);
    EXPECT_EQ(S(1), Statistics{});
    EXPECT_EQ(host.table.Calls("ShowLabel"), (std::vector<std::string>{"ShowLabel 1 PUSH"}));
}

TEST_F(Rounds, ADoubleWinsOnTheDoubledStake) {
    // 6, 5 against a 6 doubles (row 311 always), draws a ten; dealer 16 busts.
    Stack({6, 6, 5, 10, 10, 10});
    PlayRound(game);
    EXPECT_EQ(game.Hand(1).NumCards, 3);
    EXPECT_EQ(S(1).Doubles, 1);
    EXPECT_DOUBLE_EQ(S(1).TotalStaked, 50);
    EXPECT_DOUBLE_EQ(S(1).HourNet, 50);
    EXPECT_DOUBLE_EQ(S(1).StakeAt(0), 50);
    EXPECT_DOUBLE_EQ(S(1).ResultAt(0), 50);
    EXPECT_DOUBLE_EQ(S(2).HourNet, 100);  // strategy 2 staked 50 at count 0
}

TEST_F(Rounds, ADoubledLossCountsOneLossButTwiceTheMoney) {
    // 6, 5 against a 10 (row 311 always), draws a 2: 13 against the dealer's 20.
    Stack({6, 10, 5, 10, 2});
    PlayRound(game);
    EXPECT_DOUBLE_EQ(S(1).LossUnits, 1);
    EXPECT_DOUBLE_EQ(S(1).HourNet, -50);
}

TEST_F(Rounds, SplitEightsGoToHands3Then4Then2AndNoFurther) {
    // 8, 8 against a 6; every new card on hand 1 is another 8, the others get tens.
    Stack({8, 6, 8, 10, 8, 10, 8, 10, 8, 10, 10});
    ShowTable();
    PlayRound(game);
    EXPECT_EQ(S(1).Splits, 3);
    EXPECT_EQ(S(1).HandsPlayed, 4);
    for (int h : {2, 3, 4}) {
        EXPECT_EQ(game.Hand(h).Cards[1].Value, 8) << h;
        EXPECT_EQ(game.Hand(h).Cards[2].Value, 10) << h;
    }
    EXPECT_EQ(host.table.Calls("ShowSplit"),
              (std::vector<std::string>{"ShowSplit 1 3", "ShowSplit 1 4", "ShowSplit 1 2"}));
    // Hand 1 kept its last pair of 8's: no place was left, so it stood on 16.
    EXPECT_EQ(game.Hand(1).NumCards, 2);
    // Dealer 16 busts with the last ten; settlement runs 2, 1, 4, 3.
    EXPECT_EQ(host.table.Calls("ShowSettlement"),
              (std::vector<std::string>{"ShowSettlement 2 1", "ShowSettlement 1 1",
                                        "ShowSettlement 4 1", "ShowSettlement 3 1"}));
    EXPECT_DOUBLE_EQ(S(1).HourNet, 100);
}

TEST_F(Rounds, WithTwoHandsTheFirstSplitGoesToHand4ThenHand2) {
    game.Options.BetTwoHands = true;
    // Deal order: hand 1, hand 3, up, hand 1, hand 3, hole.
    Stack({8, 10, 6, 8, 9, 10, 8, 10, 10, 10, 10});
    PlayRound(game);
    EXPECT_EQ(game.Hand(4).Cards[1].Value, 8);
    EXPECT_EQ(game.Hand(2).Cards[1].Value, 8);
    EXPECT_EQ(game.Hand(3).Total, 19);
    EXPECT_EQ(S(1).Splits, 2);
    EXPECT_EQ(S(1).HandsPlayed, 4);
}

TEST_F(Rounds, SplitAcesTakeOneCardEach) {
    Stack({11, 6, 11, 10, 10, 5, 7});
    PlayRound(game);
    EXPECT_EQ(game.Hand(1).NumCards, 2);
    EXPECT_EQ(game.Hand(3).NumCards, 2);
    EXPECT_EQ(game.Hand(1).Total, 21);
    EXPECT_EQ(game.Hand(3).Total, 16);
    EXPECT_EQ(S(1).Blackjacks, 0);  // 21 after a split is no blackjack
    EXPECT_DOUBLE_EQ(S(1).HourNet, 50);  // dealer 16 + 7 busts
}

TEST_F(Rounds, SurrenderOnlyOnAnUnsplitHand) {
    game.Options.SurrenderAllowed = true;
    Stack({10, 10, 6, 7});
    PlayRound(game);
    EXPECT_DOUBLE_EQ(S(1).LossUnits, 0.5);
    EXPECT_DOUBLE_EQ(S(1).HourNet, -12.5);
    EXPECT_EQ(game.Hand(1).NumCards, 2);

    // After a split the same 16 may not surrender: it hits instead.
    ResetStatistics(game);
    game.Options.ResplitAllowed = false;
    Stack({8, 10, 8, 7, 8, 10, 5});
    PlayRound(game);
    EXPECT_DOUBLE_EQ(S(1).LossUnits, 0);
    EXPECT_EQ(game.Hand(1).NumCards, 3);
    EXPECT_EQ(game.Hand(1).Total, 21);
}

TEST_F(Rounds, BlackjacksPayThreeToTwoAndPushAgainstTheDealers) {
    Stack({11, 9, 10, 8});
    PlayRound(game);
    EXPECT_EQ(S(1).Blackjacks, 1);
    EXPECT_DOUBLE_EQ(S(1).HourNet, 37.5);
    EXPECT_DOUBLE_EQ(S(2).HourNet, 75);

    ResetStatistics(game);
    Stack({11, 11, 10, 10});
    PlayRound(game);
    EXPECT_EQ(S(1).Blackjacks, 1);
    EXPECT_DOUBLE_EQ(S(1).HourNet, 0);
    EXPECT_DOUBLE_EQ(S(1).Wins, 0);
    EXPECT_DOUBLE_EQ(S(1).LossUnits, 0);
    EXPECT_EQ(game.Hands[kDealer].NumCards, 2);  // no drawing after a dealer blackjack
}

TEST_F(Rounds, DealerBlackjackBeatsEveryOtherHand) {
    game.Options.BetTwoHands = true;
    Stack({10, 10, 11, 9, 10, 10});
    PlayRound(game);
    EXPECT_DOUBLE_EQ(S(1).LossUnits, 2);
    EXPECT_EQ(game.Hand(1).NumCards, 2);
}

TEST_F(Rounds, TwoHandsAreDealtInTurnWithTheDealer) {
    game.Options.BetTwoHands = true;
    ShowTable();
    Stack({10, 9, 10, 8, 7, 7});
    PlayRound(game);
    const std::vector<std::string> deals = host.table.Calls("DealCard");
    ASSERT_GE(deals.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(deals.begin(), deals.begin() + 6),
              (std::vector<std::string>{"DealCard 11", "DealCard 31", "DealCard 1", "DealCard 12",
                                        "DealCard 32", "DealCard 2"}));
}

TEST_F(Rounds, SingleStrategyViewDealsButDoesNotPlayANegativeCount) {
    game.Options.BetTwoHands = true;
    game.Options.SingleStrategyView = true;
    Stack({10, 10, 10, 10, 10, 10, 10});
    game.RunningCount = -1;
    PlayRound(game);
    EXPECT_EQ(game.CardsDealt, 6);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(S(i), Statistics{}) << i;

    // With a count of 0 only strategy 4 is staked and booked.
    Stack({10, 10, 10, 9, 10, 7});
    PlayRound(game);
    EXPECT_EQ(S(4).HandsPlayed, 2);
    EXPECT_DOUBLE_EQ(S(4).TotalStaked, 50);
    EXPECT_DOUBLE_EQ(S(4).HourNet, 50);  // 19 and 20 both beat the dealer's 17
    EXPECT_EQ(S(1), Statistics{});
    EXPECT_EQ(S(4).StakeAt(0), 0);  // the stakes by count are not kept in this view
}

TEST_F(Rounds, OutOfRangeHandsAreIgnored) {
    const Statistics before = S(1);
    DealToHand(game, 5);
    DealToHand(game, -1);
    SettleHand(game, 0);
    RecordResult(game, 7, 1);
    PlaceStakes(game, 9);
    EXPECT_EQ(game.CardsDealt, 0);
    EXPECT_EQ(S(1), before);
}

TEST_F(Rounds, NoCardIsDealtWhileStoppingAndTheDealerStillFinishes) {
    Stack({10, 10, 6, 6});
    DealInitialCards(game);
    game.StopRequested = true;
    DealerPlays(game);  // would wait for a card forever
    EXPECT_EQ(game.Hands[kDealer].NumCards, 2);
    EXPECT_EQ(game.CardsDealt, 4);
}

}  // namespace
}  // namespace velmora
