#include "engine/round.h"

#include <algorithm>
#include <cassert>
#include <string>

#include "engine/betting.h"
#include "engine/drill_deal.h"
#include "engine/game.h"
#include "engine/player_turn.h"
#include "engine/run_loop.h"

namespace velmora {

namespace {

constexpr int kPlayOrder[] = {2, 1, 4, 3};
constexpr char kGameOverQuestion[] = "GAME OVER (You lost all your money) - Play Again?";

// Table-side steps are marked noinline: the analysis compiles the round as one
// function, and keeping the table's code out of it keeps its hot path compact.

// The player's stakes are the chips on the bet spots: BetAmount (which becomes
// CurrentBet, the bet a double or split copies) is hand 1's.
void BookPlayersBet(Game& g, TableDisplay& table) {
    g.BetAmount = static_cast<uint16_t>(table.ChipsOnSpot(1));
    g.Hand(1).NextStake = g.BetAmount;
    g.Hand(1).StakeByStrategy[1] = g.BetAmount;
    if (table.ChipsOnSpot(3) > 0)
        g.Hand(3).StakeByStrategy[1] = static_cast<uint16_t>(table.ChipsOnSpot(3));
}

// The player's bet in table play: the practice chip, the table minimum when the
// player always bets it, or a wait until the table hands over a bet.
[[gnu::noinline]] void TakePlayersBet(Game& g) {
    TableDisplay* table = g.ShownTable();
    const uint16_t minimum = g.Options.TableMinimum;
    if (g.PracticeDeckMode) {
        // Practice books nothing; its chip only shows where the bet would lie.
        table->ClearTable();
        if (table->ChipsOnSpot(1) <= 0) table->PlaceBetChip(1, minimum);
        g.BetAmount = minimum;
        return;
    }
    if (g.Options.AlwaysBetMinimum) {
        table->PrepareBetting();
        uint16_t stake =
            g.Options.BetTwoHands && minimum == 5 ? static_cast<uint16_t>(2 * minimum) : minimum;
        if (stake > g.Bankroll) stake = minimum;  // a short rack bets what it can
        table->ClearTable();
        table->PlaceBetChip(1, stake);
        if (g.TwoHandsThisRound && stake <= g.Bankroll)  // still the previous round's
            table->PlaceBetChip(3, stake);
        // The stakes are the chips that lie on the spots: a chip the rack could not
        // give is not bet, and the doubles and splits to come copy these.
        BookPlayersBet(g, *table);
        return;
    }
    g.BetAmount = 0;
    table->PrepareBetting();
    // The bet is what lies on the spots: a bet handed over without chips on the first
    // spot is no bet, and the wait goes on.
    while (!g.StopRequested) {
        g.host.WaitForInput();
        if (!(table = g.ShownTable())) return;
        if (g.BetAmount > 0 && table->ChipsOnSpot(1) > 0) break;
        g.BetAmount = 0;
    }
    if (g.StopRequested) return;
    BookPlayersBet(g, *table);
    table->HideBetPanels();
    table->ClearTable();
    table->TakeMovingChipFromFirstSpot();
    table->ShowBankroll();
}

// Stakes at the table. Returns false when the run is to stop.
[[gnu::noinline]] bool TableStakes(Game& g) {
    TableDisplay* table = g.ShownTable();
    const uint16_t minimum = g.Options.TableMinimum;
    if (g.Bankroll + table->ChipsOnSpot(1) < minimum) {
        if (!g.host.AskYesNo(kGameOverQuestion)) {
            g.StopRequested = true;
            return false;
        }
        if (!(table = g.ShownTable())) return false;
        table->ClearTable();
        NewBankroll(g);
    }
    if (g.SimulationMode) {
        table->ClearTable();
        // Two hands stake twice the minimum each: bet them only while the rack can
        // cover both, else one hand, so no chip is ever bet that is not there.
        g.TwoHandsThisRound = g.Options.BetTwoHands && g.Bankroll >= 4.0 * minimum;
        if (g.Bankroll < minimum) {
            g.StopRequested = true;
            return false;
        }
        if (g.TwoHandsThisRound) {
            g.Hand(1).NextStake = static_cast<uint16_t>(2 * minimum);
            PlaceStakes(g, 3);
            table->PlaceBetChip(1, g.Hand(1).NextStake);
            table->PlaceBetChip(3, g.Hand(1).NextStake);
        } else {
            g.Hand(1).NextStake = minimum;
        }
        PlaceStakes(g, 1);
        g.CurrentBet = g.Hand(1).NextStake;
        if (table->ChipsOnSpot(1) <= 0) table->PlaceBetChip(1, g.Hand(1).NextStake);
        table->ShowBankroll();
        return true;
    }
    g.host.ShowPlayCommand(PlayCommand::Bet, true);
    g.BettingOpen = true;
    table->ShowBetBoxes(SecondBetBoxShown(g));
    TakePlayersBet(g);
    if ((table = g.ShownTable())) {
        g.CurrentBet = g.BetAmount;
        // A practice round is dealt one hand, whatever lies elsewhere.
        g.TwoHandsThisRound = !g.PracticeDeckMode && table->ChipsOnSpot(3) > 0;
        g.BettingOpen = false;
        g.host.ShowPlayCommand(PlayCommand::Bet, false);
    }
    if (g.DrillMode && g.Drill && !g.StopRequested)
        if (const std::optional<DrillCase> drill = g.Drill->NextCase(g)) ArrangeDrillCase(g, *drill);
    return !g.StopRequested;
}

// Stakes of the analysis: the four betting strategies on hand 1, and on hand 3 too
// when two hands are bet.
void AnalysisStakes(Game& g) {
    g.TwoHandsThisRound = g.Options.BetTwoHands;
    // An unwatched game's hands carry no stakes: each strategy's stake follows from the
    // round's counts alone, and the tally works it out at the block's end (BlockTally).
    if (!g.Unwatched) ChooseStakes(g);
    // In the single-strategy view a negative count places no stake at all: the round
    // is dealt but not played.
    if (g.Options.SingleStrategyView && g.CountIndex < 0) return;
    if (g.TwoHandsThisRound) PlaceStakes(g, 3);
    PlaceStakes(g, 1);
}

void FinishDeal(Game& g, int h) {
    THand& hand = g.Hand(h);
    hand.Unsplit = true;
    hand.Finished = false;
    hand.Blackjack = hand.Total == 21;
}

}  // namespace

[[gnu::flatten]] void StartRound(Game& g) {
    if (g.StopRequested) return;
    if (NeedsReshuffle(g)) Reshuffle(g);
    ShuffleAhead(g);
    g.RoundsInBatch += 1;
    ResetRound(g);
    g.ActiveHand = 1;
    g.CountIndex = std::clamp(g.RunningCount, kMinCountIndex, kMaxCountIndex);
    g.AceFiveIndex = std::clamp(g.AceFiveCount, kMinCountIndex, kMaxCountIndex);
    if (g.ShownTable())
        TableStakes(g);
    else
        AnalysisStakes(g);
}

bool SecondBetBoxShown(const Game& g) {
    return g.Options.BetTwoHands && !g.PracticeDeckMode;
}

void PlaceStakes(Game& g, int h) {
    if (!IsPlayerHand(h)) return;
    THand& hand = g.Hand(h);
    hand.Finished = false;
    hand.Doubled = false;
    if (g.Unwatched) {  // booked for every strategy at the block's end
        g.Tally.Round.Hands += 1;
        g.Tally.Round.Staked += 1;
        return;
    }
    if (g.Options.SingleStrategyView) {
        const uint16_t s = g.Hand(4).NextStake;
        hand.StakeByStrategy[4] = s;
        g.StatsOf(4).TotalStaked += s;
        g.StatsOf(4).HourStaked += s;
        g.StatsOf(4).HandsPlayed += 1;
        return;
    }
    for (int i = 1; i <= kStrategyCount; ++i) {
        const uint16_t s = g.Hand(i).NextStake;
        if (s == 0) continue;
        hand.StakeByStrategy[static_cast<size_t>(i)] = s;
        Statistics& stats = g.StatsOf(i);
        stats.TotalStaked += s;
        stats.HourStaked += s;
        stats.HandsPlayed += 1;
        const int count = CountFor(g, i);
        stats.StakeAt(count) += s;
        stats.HandsAt(count) += 1;
    }
}

namespace {

// The table side of a deal, kept out of the analysis's hot path.
[[gnu::noinline]] void ShowDealtCard(Game& g, int h) {
    THand& hand = g.Hand(h);
    TCard& card = hand.Cards[hand.NumCards];
    card.PositionCode = static_cast<uint16_t>(10 * h + hand.NumCards);
    g.Table->DealCard(card, h, hand.NumCards);
    g.host.ProcessEvents();
}

void Bust(Game& g, int h) {
    if (h > 0) {
        RecordResult(g, h, -1);
    } else {
        g.Hands[kDealer].Total = 0;
        g.PlayerAction = kStand;  // ends the dealer's drawing
    }
}

}  // namespace

void DealToHand(Game& g, int h) {
    if (!IsHandIndex(h) || g.StopRequested || !g.ShoeBuilt) return;
    const bool bust = AddCard(g.Hand(h), DrawCard(g));
    if (g.TableShown && g.Table) [[unlikely]]
        ShowDealtCard(g, h);
    if (bust) Bust(g, h);
    g.CardsDealt += 1;
}

[[gnu::flatten]] void DealInitialCards(Game& g) {
    const bool two = g.TwoHandsThisRound;
    DealToHand(g, 1);
    if (two) DealToHand(g, 3);
    DealToHand(g, kDealer);
    DealToHand(g, 1);
    FinishDeal(g, 1);
    if (two) {
        DealToHand(g, 3);
        FinishDeal(g, 3);
    } else {
        g.Hand(3).Blackjack = false;
    }
    DealToHand(g, kDealer);
    g.Hands[kDealer].Blackjack = g.Hands[kDealer].Total == 21;
}

// Each step of the round (the start, the deal, the player's turn, the dealer) is
// compiled as one piece, every engine call inlined, so the analysis, which plays it
// millions of times, pays no call per card; kept apart, the steps leave the
// compiler's registers to each one's own work.
void PlayRound(Game& g) {
    StartRound(g);
    if (g.StopRequested) return;
    // A round without strategy 4's stake in the single-strategy view placed none.
    const bool dealtOnly = g.Options.SingleStrategyView && g.Hand(1).Finished;
    DealInitialCards(g);
    if (TableDisplay* table = g.ShownTable()) table->ShowPointer(1);
    if (!dealtOnly) {
        PlayerTurns(g);
        if (!g.StopRequested && !g.PracticeDeckMode) {
            if (TableDisplay* table = g.ShownTable()) table->FlipHoleCard();
            if (!g.Hands[kDealer].Finished) {
                DealerPlays(g);
#pragma GCC unroll 4
                for (int h : kPlayOrder) SettleHand(g, h);
            }
            if (TableDisplay* table = g.ShownTable()) {
                if (g.SimulationMode) table->Delay(g.FlashTime);
                if ((table = g.ShownTable())) table->ReturnBets();
            }
        }
    }
    if (g.Unwatched)
        TallyRound(g);
    else
        g.host.ProcessEvents();
    assert(g.IsOk());
}

namespace {

[[gnu::noinline]] void ShowDealerTotal(Game& g) {
    if (TableDisplay* table = g.ShownTable()) {
        table->ShowLabel(kDealer, std::to_string(g.Hands[kDealer].Total));
        table->Delay(10);
    }
}

[[gnu::noinline]] void ShowPush(Game& g, int h) {
    if (TableDisplay* table = g.ShownTable()) table->ShowLabel(h, "PUSH");
}

}  // namespace

[[gnu::flatten]] void DealerPlays(Game& g) {
    THand& dealer = g.Hands[kDealer];
    g.PlayerAction = kNoAction;
    do {
        const int t = dealer.Total;
        if (t > 17) {
            g.PlayerAction = kStand;
        } else if (t < 17 || (g.Options.DealerHitsSoft17 && dealer.SoftAce > 0)) {
            DealToHand(g, kDealer);
        } else {
            g.PlayerAction = kStand;
        }
        if (g.TableShown) [[unlikely]]
            ShowDealerTotal(g);
        // A stop (or a lost shoe) means no card can be dealt any more: without this
        // the dealer would wait for a card forever.
    } while (g.PlayerAction != kStand && !g.StopRequested && g.ShoeBuilt);
}

void SettleHand(Game& g, int h) {
    if (!IsPlayerHand(h)) return;
    const int total = g.Hand(h).Total;
    if (total == 0) return;
    const int dealer = g.Hands[kDealer].Total;
    if (total < dealer) {
        RecordResult(g, h, -1);
    } else if (total > dealer) {
        RecordResult(g, h, +1);
    } else if (g.TableShown) [[unlikely]] {
        ShowPush(g, h);
    }
}

namespace {

// Every strategy with money on hand h books its result, and the table shows it.
[[gnu::noinline]] void BookResult(Game& g, int h, double r) {
    const THand& hand = g.Hand(h);
    const bool single = g.Options.SingleStrategyView;
    for (int i = single ? 4 : 1; i <= kStrategyCount; ++i) {
        const uint16_t s = hand.StakeByStrategy[static_cast<size_t>(i)];
        if (s == 0) continue;
        Statistics& stats = g.StatsOf(i);
        const double amount = r * s;
        stats.HourNet += amount;
        if (amount > 0)
            stats.Wins += 1;
        else
            stats.LossUnits += -r;
        stats.ResultAt(CountFor(g, i)) += amount;
    }
    if (TableDisplay* table = g.ShownTable()) table->ShowSettlement(h, r);
}

}  // namespace

void RecordResult(Game& g, int h, double r) {
    if (!IsPlayerHand(h)) return;
    THand& hand = g.Hand(h);
    if (g.ActiveHand > 0) {
        hand.Total = 0;
        hand.Finished = true;
        NextHand(g);
    }
    if (g.Unwatched)  // for every strategy at the block's end; no table
        g.Tally.Result(r, hand.Doubled ? 2 : 1);
    else
        BookResult(g, h, r);
}

void NextHand(Game& g) {
    g.ActiveHand = 0;
#pragma GCC unroll 4
    for (int h : kPlayOrder) {
        if (!g.Hand(h).Finished) {
            g.ActiveHand = static_cast<uint16_t>(h);
            break;
        }
    }
    if (TableDisplay* table = g.ShownTable()) table->ShowPointer(g.ActiveHand);
}

}  // namespace velmora
