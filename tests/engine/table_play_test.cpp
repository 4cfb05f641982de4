// Rounds at the table with the scripted host in the player's seat.

#include "engine/decision_report.h"
#include "engine/modes.h"
#include "engine/play_commands.h"
#include "engine/run_loop.h"
#include "tests/engine/round_fixture.h"

namespace velmora {
namespace {

class TablePlay : public testing::RoundFixture {
protected:
    void SetUp() override {
        RoundFixture::SetUp();
        game.SimulationMode = false;
        ShowTable();
    }

    // The script bets `bet` whenever a bet is awaited, and answers every decision with
    // the moves in `moves` (the last one repeats), set as the table's gestures set them.
    void Script(uint16_t bet, std::vector<uint16_t> moves) {
        host.onEvents = [this, bet, moves, next = size_t{0}](Game& g) mutable {
            if (g.BettingOpen && g.BetAmount == 0) {
                host.table.chipsOnSpot[1] = bet;
                g.BetAmount = bet;
            } else if (host.DecisionAwaited() && !moves.empty()) {
                decisions += 1;
                g.PlayerAction = moves[std::min(next++, moves.size() - 1)];
            }
        };
    }
    int decisions = 0;
};

TEST_F(TablePlay, TheBetIsAwaitedThenTheWrongStandGetsItsAdvice) {
    Script(25, {kStand});
    Stack({10, 7, 3, 10, 5});  // 13 against a 7: the strategy hits
    PlayRound(game);
    EXPECT_EQ(game.Hand(1).StakeByStrategy[1], 25);
    EXPECT_EQ(host.boxes, (std::vector<std::string>{"error 310,50: Hit  against Dealer 7"}));
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(game.Hand(1).NumCards, 2);
    // Dealer 17 beats 13: the loss is shown and booked for the player's bet.
    EXPECT_EQ(host.table.Calls("ShowSettlement"), (std::vector<std::string>{"ShowSettlement 1 -1"}));
    EXPECT_DOUBLE_EQ(S(1).HourNet, -25);
    // The Bet command was shown for the bet and hidden after it.
    EXPECT_EQ(host.commandLog.front(), "show Bet");
    EXPECT_NE(std::find(host.commandLog.begin(), host.commandLog.end(), "hide Bet"),
              host.commandLog.end());
}

// Keeps every judged move the engine reports.
struct DecisionLog : DecisionReport {
    std::vector<JudgedDecision> judged;
    void DecisionJudged(const JudgedDecision& d) override { judged.push_back(d); }
};

// Stand by the menu command (or its key) is a move like the click on the dealer's
// card: judged, in practice as in play; a hint is never reported.
TEST_F(TablePlay, TheStandCommandIsJudgedAndReported) {
    DecisionLog log;
    game.Decisions = &log;
    for (bool practice : {false, true}) {
        game.PracticeDeckMode = practice;
        host.boxes.clear();
        log.judged.clear();
        bool hinted = false;
        host.onEvents = [&](Game& g) {
            if (g.BettingOpen && g.BetAmount == 0) {
                host.table.chipsOnSpot[1] = 25;
                g.BetAmount = 25;
            } else if (host.DecisionAwaited() && g.PlayerAction == kNoAction) {
                ChoosePlayCommand(g, hinted ? PlayCommand::Stand : PlayCommand::Hint);
                hinted = true;
            }
        };
        Stack({10, 2, 2, 10, 10});  // hard 12 against a 2: the strategy hits
        PlayRound(game);
        EXPECT_EQ(host.AdviceBoxes(),
                  (std::vector<std::string>{"Hit  against Dealer 2", "Hit  against Dealer 2"}))
            << "practice " << practice;
        ASSERT_EQ(log.judged.size(), 1u) << "practice " << practice;
        const JudgedDecision& d = log.judged[0];
        EXPECT_EQ(d.practice, practice);
        EXPECT_EQ(d.total, 12);
        EXPECT_EQ(d.upCard, 2);
        EXPECT_EQ(d.taken, kStand);
        EXPECT_EQ(d.asked, kHit);
        EXPECT_FALSE(d.Right());
    }
}

TEST_F(TablePlay, AHintShowsTheAdviceAndTheWaitGoesOn) {
    Script(25, {kHint, kHit, kStand});
    Stack({10, 7, 3, 10, 5, 10});
    PlayRound(game);
    // The hint's advice, then a hit that agrees, then a stand on 18 that agrees.
    EXPECT_EQ(host.AdviceBoxes(), (std::vector<std::string>{"Hit  against Dealer 7"}));
    EXPECT_EQ(decisions, 3);
    EXPECT_EQ(game.Hand(1).NumCards, 3);
}

TEST_F(TablePlay, ActingOnHandThreeClosesTheHandsBeforeItAsStands) {
    game.Options.BetTwoHands = true;
    host.onEvents = [this](Game& g) {
        if (g.BettingOpen && g.BetAmount == 0) {
            host.table.chipsOnSpot[1] = 25;
            host.table.chipsOnSpot[3] = 25;
            g.BetAmount = 25;
        } else if (host.DecisionAwaited() && g.ActiveHand == 1) {
            // A gesture on hand 3 while hand 1 is active: hand 1 closes as a stand.
            g.ActiveHand = 3;
            g.PlayerAction = kStand;
        }
    };
    // Hand 1 holds 12 against a 2 (the strategy hits), hand 3 holds 20.
    Stack({10, 10, 2, 2, 10, 10, 7});
    PlayRound(game);
    EXPECT_TRUE(game.TwoHandsThisRound);
    EXPECT_EQ(host.AdviceBoxes(), (std::vector<std::string>{"Hit  against Dealer 2"}));
    EXPECT_EQ(host.boxes[0].substr(0, 12), "error 310,50");
    EXPECT_EQ(game.Hand(1).NumCards, 2);
}

TEST_F(TablePlay, AStopDuringTheWaitEndsTheTurnWithNothingBooked) {
    host.onEvents = [this](Game& g) {
        if (g.BettingOpen && g.BetAmount == 0) {
            host.table.chipsOnSpot[1] = 25;
            g.BetAmount = 25;
        } else if (host.DecisionAwaited()) {
            StopForExit(g);
        }
    };
    Stack({10, 7, 3, 10, 5});
    PlayRound(game);
    EXPECT_EQ(S(1), Statistics{});
    EXPECT_TRUE(host.table.Calls("ShowSettlement").empty());
    EXPECT_TRUE(host.table.Calls("FlipHoleCard").empty());
    EXPECT_EQ(game.Hands[kDealer].NumCards, 2);
}

TEST_F(TablePlay, NoMoneyAsksGameOverAndNoEndsTheRun) {
    game.Bankroll = 0;
    PlayRound(game);
    EXPECT_EQ(host.boxes,
              (std::vector<std::string>{"question: GAME OVER (You lost all your money) - Play Again?"}));
    EXPECT_TRUE(game.StopRequested);
    EXPECT_EQ(game.CardsDealt, 0);
}

TEST_F(TablePlay, GameOverAnsweredYesStartsANewBankrollAndPlays) {
    game.Bankroll = 0;
    host.answers = {true};
    Script(25, {kStand});
    Stack({10, 7, 10, 10});
    PlayRound(game);
    EXPECT_DOUBLE_EQ(game.Bankroll, 5000);
    EXPECT_EQ(game.RackCount, (std::array<uint16_t, kChipKinds>{0, 0, 8, 3, 3, 3, 0}));
    EXPECT_FALSE(game.StopRequested);
    EXPECT_EQ(game.Hand(1).NumCards, 2);
    EXPECT_EQ(host.table.Calls("ShowSettlement"), (std::vector<std::string>{"ShowSettlement 1 1"}));
}

TEST_F(TablePlay, WithoutMoneyForASecondBetNeitherSplitNorDoubleIsOffered) {
    game.Bankroll = 10;
    host.table.chipsOnSpot[1] = 25;  // last round's chip still lies on the spot
    Script(25, {kStand});
    Stack({8, 6, 8, 10, 10});
    PlayRound(game);
    EXPECT_FALSE(game.Hand(1).CanSplit);
    EXPECT_FALSE(game.Hand(1).CanDouble);
    // Without those permissions the strategy stands on 16 against a 6 as well.
    EXPECT_TRUE(host.AdviceBoxes().empty());
}

TEST_F(TablePlay, AlwaysBetMinimumNeedsNoWaiting) {
    game.Options.AlwaysBetMinimum = true;
    Script(0, {kStand});
    Stack({10, 7, 10, 10});
    PlayRound(game);
    EXPECT_EQ(game.Hand(1).StakeByStrategy[1], 25);
    EXPECT_EQ(host.table.Calls("PlaceBetChip"), (std::vector<std::string>{"PlaceBetChip 1 25"}));
}

TEST_F(TablePlay, NormalPlayRunsRoundsUntilTheGameIsReset) {
    game.TableShown = false;
    game.Table = nullptr;
    int rounds = 0;
    host.onEvents = [&](Game& g) {
        if (g.BettingOpen && g.BetAmount == 0) {
            if (++rounds > 3) {
                GameReset(g);  // File > Reset Game
                return;
            }
            host.table.chipsOnSpot[1] = 25;
            g.BetAmount = 25;
        } else if (host.DecisionAwaited()) {
            ChoosePlayCommand(g, PlayCommand::Stand);
        }
    };
    ChooseMode(game, Mode::Normal);
    EXPECT_EQ(game.Options.ModeName.Text(), "Normal");
    EXPECT_EQ(host.table.Calls("ReturnBets").size(), 3u);
    EXPECT_FALSE(host.tableOpen);
    EXPECT_FALSE(game.TableShown);
    EXPECT_FALSE(game.RunInProgress);
    EXPECT_EQ(S(1), Statistics{});  // the reset clears everything
}

TEST_F(TablePlay, PracticeDeckJudgesOneDecisionPerRoundAndCarriesNoneOut) {
    game.TableShown = false;
    game.Table = nullptr;
    int decisions = 0;
    bool hinted = false, sawTen = false, dealerDrew = false, handChanged = false;
    host.onEvents = [&](Game& g) {
        if (!host.DecisionAwaited()) return;
        for (int h = 0; h <= 4; ++h)
            for (int c = 1; c <= g.Hand(h).NumCards; ++c)
                sawTen = sawTen || g.Hand(h).Cards[c].Value == 10;
        dealerDrew = dealerDrew || g.Hands[kDealer].NumCards != 2;
        handChanged = handChanged || g.Hand(1).NumCards != 2;
        if (!hinted) {  // a hint first: its advice is shown and the wait goes on
            hinted = true;
            ChoosePlayCommand(g, PlayCommand::Hint);
            return;
        }
        hinted = false;
        if (++decisions > 20) {
            GameReset(g);
            return;
        }
        ChoosePlayCommand(g, PlayCommand::Hit);  // judged, never carried out
    };
    ChooseMode(game, Mode::Practice);
    EXPECT_EQ(decisions, 21);
    EXPECT_FALSE(sawTen);
    EXPECT_FALSE(dealerDrew);
    EXPECT_FALSE(handChanged);
    EXPECT_GE(host.AdviceBoxes().size(), 21u);  // every hint shows the strategy's advice
    EXPECT_FALSE(game.PracticeDeckMode);
    EXPECT_EQ(game.ShoeSize, 104);  // the full shoe is back
    EXPECT_EQ(game.Options.ModeName.Text(), "Practice");
}

}  // namespace
}  // namespace velmora
