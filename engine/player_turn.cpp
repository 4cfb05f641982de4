#include "engine/player_turn.h"

#include "engine/betting.h"
#include "engine/game.h"
#include "engine/round.h"
#include "strategy/advice.h"
#include "strategy/decision.h"

namespace velmora {

namespace {

// Every strategy with money on hand h counts a player blackjack.
void CountBlackjack(Game& g, int h) {
    if (g.Unwatched) {
        g.Tally.Round.Blackjacks += 1;
        return;
    }
    const THand& hand = g.Hand(h);
    for (int i = 1; i <= kStrategyCount; ++i)
        if (hand.StakeByStrategy[static_cast<size_t>(i)] > 0) g.StatsOf(i).Blackjacks += 1;
}

[[gnu::noinline]] void ShowDealerBlackjack(Game& g) {
    if (TableDisplay* table = g.ShownTable()) {
        table->FlipHoleCard();
        if (g.SimulationMode) {
            table->ShowAdvice("BLACKJACK!");
            if ((table = g.ShownTable())) table->LongDelay(g.FlashTime);
        }
    }
}

void SettleBlackjacks(Game& g) {
    const int hands[] = {1, 3};
    if (g.Hands[kDealer].Blackjack) {
        if (g.TableShown) ShowDealerBlackjack(g);
        g.Hands[kDealer].Finished = true;  // no drawing and no settlement later
        for (int h : hands) {
            if (h == 3 && !g.TwoHandsThisRound) continue;
            if (g.Hand(h).Blackjack)
                CountBlackjack(g, h);  // a push: nothing else is booked
            else
                RecordResult(g, h, -1);
        }
        g.ActiveHand = 0;
        return;
    }
#pragma GCC unroll 2
    for (int h : hands) {
        if (!g.Hand(h).Blackjack) continue;
        CountBlackjack(g, h);
        RecordResult(g, h, 1.5);
    }
}

// Which moves the rules allow each unfinished player hand now. The computer decides
// the active hand alone, and every hand's turn works its permissions out again, so in
// computer play only the active hand's are worked out; the player may act on any hand,
// and the stands that close the hands before it are judged with theirs.
void SetPermissions(Game& g) {
    const OptionsRecord& o = g.Options;
    const bool freePlace =
        g.Hand(2).NumCards == 0 || g.Hand(3).NumCards == 0 || g.Hand(4).NumCards == 0;
    const bool affordable = !g.ShownTable() || g.CurrentBet <= g.Bankroll;
    auto permit = [&](THand& hand) {
        if (hand.Finished) return;
        if (hand.NumCards == 2) {
            hand.IsPair = hand.Cards[1].Value == hand.Cards[2].Value;
            hand.CanSurrender = hand.Unsplit && o.SurrenderAllowed;
            hand.CanSplit =
                hand.IsPair && (hand.Unsplit || o.ResplitAllowed) && freePlace && affordable;
            hand.CanDouble = (hand.Unsplit || o.DoubleAfterSplit) &&
                             (o.DoubleAnyHand || hand.Total == 10 || hand.Total == 11) &&
                             affordable;
        } else if (hand.NumCards >= 3) {
            hand.CanSurrender = hand.CanSplit = hand.CanDouble = false;
        }
    };
    if (g.SimulationMode) {
        permit(g.Hand(g.ActiveHand));
        return;
    }
    for (int h = 1; h <= 4; ++h) permit(g.Hand(h));
}

// Acting on a hand closes the hands before it in play order (2, 1, 4, 3), each
// judged as a stand; then the move itself is judged on the active hand.
void JudgeMove(Game& g, uint16_t action) {
    auto closeAsStand = [&g](int h) {
        CheckAdvice(g, h, kStand);
        g.Hand(h).Finished = true;
    };
    switch (g.ActiveHand) {
        case 1:
            closeAsStand(2);
            break;
        case 3:
            closeAsStand(2);
            closeAsStand(1);
            closeAsStand(4);
            break;
        case 4:
            closeAsStand(2);
            closeAsStand(1);
            break;
        default:
            break;
    }
    CheckAdvice(g, g.ActiveHand, action);
}

void ShowChoices(Game& g) {
    g.host.ShowPlayCommand(PlayCommand::Hint, true);
    g.host.ShowPlayCommand(PlayCommand::Stand, true);
    g.host.ShowPlayCommand(PlayCommand::Hit, true);
    g.host.ShowPlayCommand(PlayCommand::Surrender, g.Hand(g.ActiveHand).CanSurrender);
    if (TableDisplay* table = g.ShownTable()) table->MakeChange(g.CurrentBet);
}

// The player decides through the host's events. Returns false when the move is
// not to be carried out (a stop, or the single judged decision of practice).
// Table play only, so kept out of line from the analysis's round.
[[gnu::noinline]] bool PlayerDecides(Game& g) {
    ShowChoices(g);
    struct Awaiting {  // the table takes decisions only while this wait runs
        Game& g;
        explicit Awaiting(Game& game) : g(game) { g.DecisionAwaited = true; }
        ~Awaiting() { g.DecisionAwaited = false; }
    } awaiting{g};
    do {
        g.PlayerAction = kNoAction;
        g.host.WaitForInput();
        if (g.StopRequested) return false;
        if (!IsPlayerHand(g.ActiveHand)) continue;
        // A card, double, split or surrender aimed at a hand that is already done
        // (settled, stood) is no move.
        const bool changesHand = g.PlayerAction >= kHit && g.PlayerAction <= kSurrender;
        if (changesHand && g.Hand(g.ActiveHand).Finished) {
            g.PlayerAction = kNoAction;
            NextHand(g);
            continue;
        }
        g.host.ShowPlayCommand(PlayCommand::Double, g.Hand(g.ActiveHand).CanDouble);
        g.host.ShowPlayCommand(PlayCommand::Split, g.Hand(g.ActiveHand).CanSplit);
        if (g.PlayerAction == kNoAction) continue;
        // Standing is "done with every hand": with a second hand on the table it closes
        // all hands up to hand 3, the last in play order.
        if (g.PlayerAction == kStand && g.Hand(3).NumCards > 0) g.ActiveHand = 3;
        JudgeMove(g, g.PlayerAction);
    } while (g.PlayerAction < kStand || g.PlayerAction > kSurrender);
    g.host.HidePlayCommands();
    if (g.StopRequested || g.PracticeDeckMode) {
        g.PlayerAction = kStand;
        g.Hand(1).Finished = true;
        return false;
    }
    return true;
}

// Every strategy with money on the hand doubles its stake.
void BookDouble(Game& g, THand& hand) {
    if (g.Unwatched) {  // booked for every strategy at the block's end
        g.Tally.Round.Doubles += 1;
        g.Tally.Round.Staked += 1;
        return;
    }
    const bool single = g.Options.SingleStrategyView;
    for (int i = single ? 4 : 1; i <= kStrategyCount; ++i) {
        uint16_t& s = hand.StakeByStrategy[static_cast<size_t>(i)];
        if (s == 0) continue;
        Statistics& stats = g.StatsOf(i);
        stats.Doubles += 1;
        stats.TotalStaked += s;
        stats.HourStaked += s;
        if (!single) stats.StakeAt(CountFor(g, i)) += s;
        s = static_cast<uint16_t>(2 * s);
    }
}

void Double(Game& g, int h) {
    THand& hand = g.Hand(h);
    hand.Doubled = true;
    BookDouble(g, hand);
    if (TableDisplay* table = g.ShownTable()) table->ShowDoubledBet(h);
    hand.Finished = true;
    DealToHand(g, h);
}

// Split targets: hand 3, then 4, then 2.
int FreeSplitPlace(const Game& g) {
    for (int h : {3, 4, 2})
        if (g.Hand(h).NumCards == 0) return h;
    return 0;
}

void Split(Game& g, int from) {
    const int to = FreeSplitPlace(g);
    if (to == 0) {
        g.Hand(from).CanSplit = false;
        return;
    }
    PlaceStakes(g, to);
    SplitInto(g.Hand(from), g.Hand(to));
    if (g.Unwatched)  // booked for every strategy at the block's end
        g.Tally.Round.Splits += 1;
    else
        for (int i = 1; i <= kStrategyCount; ++i)
            if (g.Hand(from).StakeByStrategy[static_cast<size_t>(i)] > 0) g.StatsOf(i).Splits += 1;
    if (TableDisplay* table = g.ShownTable()) table->ShowSplit(from, to);
    DealToHand(g, from);
    DealToHand(g, to);
}

void CarryOut(Game& g, int h) {
    // Tested in the order of how often each move is made (a jump table here costs a
    // mispredicted indirect branch in most rounds of the analysis).
    const uint16_t action = g.PlayerAction;
    if (action == kStand)
        g.Hand(h).Finished = true;
    else if (action == kHit)
        DealToHand(g, h);
    else if (action == kDouble)
        Double(g, h);
    else if (action == kSplit)
        Split(g, h);
    else if (action == kSurrender)
        RecordResult(g, h, -0.5);
}

}  // namespace

[[gnu::flatten]] void PlayerTurns(Game& g) {
    SettleBlackjacks(g);
    while (g.ActiveHand > 0 && !g.StopRequested) {
        PlayHand(g);
        if (g.PracticeDeckMode)
            g.ActiveHand = 0;  // one decision per round
        else
            NextHand(g);
    }
}

void PlayHand(Game& g) {
    if (g.StopRequested || !IsPlayerHand(g.ActiveHand)) {
        g.PlayerAction = kStand;
        g.ActiveHand = 0;
        return;
    }
    SetPermissions(g);
    if (g.SimulationMode) {
        const int h = g.ActiveHand;
        DecideAction(g, h, g.UpCard(), g.Hand(h).Total);
        // A hand the strategy cannot judge is stood, so the turn always moves on.
        if (g.PlayerAction == kNoAction) g.PlayerAction = kStand;
        if (TableDisplay* table = g.ShownTable()) table->ShowAdvice(g.AdviceText);
    } else if (!PlayerDecides(g)) {
        return;
    }
    if (IsPlayerHand(g.ActiveHand)) CarryOut(g, g.ActiveHand);
}

}  // namespace velmora
