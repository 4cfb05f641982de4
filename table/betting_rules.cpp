#include "table/betting_rules.h"

#include <string>

#include "table/chips.h"
#include "table/motion.h"
#include "table/rack.h"
#include "table/settlement.h"
#include "table/table_ops.h"

namespace velmora {

namespace {

constexpr char kNotEnoughChips[] = "SORRY ... You do not have enough chips to double your bet";
constexpr char kMaximum500[] = "SORRY ... Maximum Bet is $500";
constexpr char kPairQuestion[] = "Double Down on the Pair? (No = Split)";

void Say(TPlayer& t, const std::string& text) {
    t.game.host.ShowMessage(text);
}

std::string MinimumMessage(int minimum) {
    return "SORRY ... Table Minimum is $" + std::to_string(minimum);
}

SpriteId Spot(const TPlayer& t, int hand) {
    return t.Scene.BetSlot(hand, 1);
}
SpriteId SpotRing(const TPlayer& t, int hand) {
    return t.Scene.Ring(hand, 1);
}

// Puts `amount` on a hand's bet spot: one chip, or a pair shown as chip and ring.
bool PlaceBet(TPlayer& t, int amount, int hand, int pause) {
    if (!PlaceBetChip(t, amount, Spot(t, hand), kNoSprite)) return false;
    if (!IsTwoChipBet(amount)) return true;
    Delay(t, pause);
    return PlaceBetChip(t, amount, Spot(t, hand), SpotRing(t, hand));
}

// A chip picked up hides the betting signs; while the bet is still to be made, they
// come back once the chip has gone back or been changed.
void ShowBetPanelsAgain(TPlayer& t) {
    if (!BettingNow(t)) return;
    ShowBetPanels(t, true);
    t.animator.Repaint();
}

// The carried chip, bet alone on hand 1.
void BetOneChip(TPlayer& t) {
    Game& g = t.game;
    TableScene& s = t.Scene;
    const int chip = s[s.MovingChip].Tag;
    g.TwoHandsThisRound = false;
    if (!AddChips(t, chip, -1)) {
        PutChipBack(t);
        return;
    }
    t.TwoChipBet = false;
    ShowBetPanels(t, false);
    GlideChip(t, s.MovingChip, Spot(t, 1), false, true);
    ShowBankroll(t);
    g.BetAmount = static_cast<uint16_t>(s[Spot(t, 1)].Tag);
}

// Twice the last bet, and the message when that passes the table's maximum.
struct DoubledBet {
    int amount = 0;
    const char* message = nullptr;
};

DoubledBet Doubled(int last, int minimum) {
    switch (last) {
        case 5:
            return {10};
        case 10:
            return {25};
        case 25:
            return {50};
        case 50:
            return {100};
        case 100:
            return {200};
        case 200:
            return {500};
        case 500:
            return minimum == 5 ? DoubledBet{500, kMaximum500} : DoubledBet{1000};
        case 1000:
        case 2000:
            if (minimum == 5) return {500, kMaximum500};
            if (minimum == 25) return {1000, "SORRY ... Maximum Bet is $1,000"};
            return {last == 1000 ? 2000 : 5000};
        case 5000:
            return {5000, "SORRY ... Maximum Bet is $5000"};
        default:
            return {};
    }
}

}  // namespace

// Betting is open until the first chip lies on the main spot: events come in
// bursts, and a second gesture before the round has taken the bet must not add to it.
bool BettingNow(const TPlayer& t) {
    return t.game.BettingOpen && !t.Closed() && !t.Scene[Spot(t, 1)].Visible;
}

// One move a wait: once a gesture has decided, the rest of the burst waits for the
// round to carry it out.
bool DecidingNow(const TPlayer& t) {
    const Game& g = t.game;
    return g.DecisionAwaited && g.PlayerAction == kNoAction && IsPlayerHand(g.ActiveHand) &&
           !t.Closed();
}

void PickUpRackChip(TPlayer& t, int kind) {
    if (kind <= kHalfChip || kind >= kChipKinds) return;
    if (!BettingNow(t) && !DecidingNow(t)) return;  // chips move only when they can be used
    const int minimum = t.game.Options.TableMinimum;
    const int code = kChipCodes[static_cast<size_t>(kind)];
    switch (code) {
        case 5:
            if (minimum >= 25) return Say(t, MinimumMessage(minimum));
            break;
        case 25:
            if (t.ChipDragging || minimum >= 100) {
                if (minimum > 25) Say(t, MinimumMessage(100));
                return;
            }
            break;
        case 1000:
            if (minimum <= 5) return Say(t, kMaximum500);
            break;
        case 5000:
            if (minimum <= 5) return Say(t, kMaximum500);
            if (minimum != 100) return Say(t, "SORRY ... Maximum Bet is $1000");
            break;
        default:
            break;
    }
    t.ChipDragging = true;
    PickUpChip(t, t.Scene.RackImage(kind));
    RefreshStack(t, code);
}

void PutChipBack(TPlayer& t) {
    TableScene& s = t.Scene;
    const auto kind = KindOfCode(s[s.MovingChip].Tag);
    if (!kind) {
        s[s.MovingChip].Visible = false;
        return;
    }
    GlideChip(t, s.MovingChip, s.RackImage(*kind), false, true);
    ShowRack(t);
    ShowBankroll(t);
    ShowBetPanelsAgain(t);
}

void ReleaseChip(TPlayer& t) {
    if (!t.ChipDragging) return;
    t.ChipDragging = false;
    Game& g = t.game;
    TableScene& s = t.Scene;
    const int chip = s[s.MovingChip].Tag;
    if (chip < g.Options.TableMinimum) {
        PutChipBack(t);
    } else if (BettingNow(t)) {
        if (s[s.MovingChip].Left < 100 && g.Options.BetTwoHands)
            BetTwoHandsNow(t);
        else
            BetOneChip(t);
    } else if (DecidingNow(t) && (chip == g.CurrentBet || 2 * chip == g.CurrentBet)) {
        // The hand whose zone the chip's left edge lies in; hand 1's is tested first.
        const int left = s[s.MovingChip].Left;
        auto shown = [&](int hand) { return s[Spot(t, hand)].Visible; };
        if (left >= 281 && left <= 399)
            TouchBet(t, 1);
        else if (left >= 451 && left <= 549 && shown(2))
            TouchBet(t, 2);
        else if (left < 100 && shown(3))
            TouchBet(t, 3);
        else if (left >= 141 && left <= 299 && shown(4))
            TouchBet(t, 4);
        // A double or split takes its own chips from the rack: this one is not used.
        if (g.PlayerAction == kNoAction)
            PutChipBack(t);
        else
            s[s.MovingChip].Visible = false;
    } else {
        PutChipBack(t);
    }
    Delay(t, 50);
}

void BetTwoHandsNow(TPlayer& t) {
    Game& g = t.game;
    TableScene& s = t.Scene;
    const int chip = s[s.MovingChip].Tag;
    if (chip < g.Options.TableMinimum || !KindOfCode(chip)) return;
    // $5 chips go two to a hand; a rack that cannot cover both hands bets one.
    const int perHand = chip == 5 ? 10 : chip;
    if (2 * perHand > g.Bankroll) {
        if (s[s.MovingChip].Visible) BetOneChip(t);
        return;
    }
    g.TwoHandsThisRound = true;
    if (s[s.MovingChip].Visible && s[s.MovingChip].Left < 100) {
        AddChips(t, chip, -1);
        ShowBetPanels(t, false);
        GlideChip(t, s.MovingChip, Spot(t, 3), false, true);
    } else {
        PlaceBetChip(t, chip, Spot(t, 3), kNoSprite);
    }
    if (chip > 5) {
        PlaceBetChip(t, chip, Spot(t, 1), kNoSprite);
    } else {
        Delay(t, 5);
        PlaceBetChip(t, chip, Spot(t, 3), SpotRing(t, 3));
        PlaceBetChip(t, chip, Spot(t, 1), kNoSprite);
        Delay(t, 5);
        PlaceBetChip(t, chip, Spot(t, 1), SpotRing(t, 1));
    }
    t.TwoChipBet = chip == 5;
    ShowBankroll(t);
    g.BetAmount = static_cast<uint16_t>(perHand);  // the wait ends once every chip lies
}

void DoubleClickBet(TPlayer& t) {
    Game& g = t.game;
    if (2.0 * g.CurrentBet > g.Bankroll) return Say(t, kNotEnoughChips);
    const DoubledBet doubled = Doubled(g.CurrentBet, g.Options.TableMinimum);
    if (doubled.amount == 0) return;
    if (doubled.message) Say(t, doubled.message);
    const int amount = doubled.amount;
    if (amount > g.Bankroll) return Say(t, kNotEnoughChips);
    if (g.TwoHandsThisRound && 2.0 * amount > g.Bankroll) g.TwoHandsThisRound = false;
    t.TwoChipBet = IsTwoChipBet(amount);
    if (!PlaceBet(t, amount, 1, 20)) return;
    if (g.TwoHandsThisRound) {
        MakeChange(t, amount);
        PlaceBet(t, amount, 3, 20);
    }
    MakeChange(t, amount);
    g.BetAmount = static_cast<uint16_t>(amount);
}

void RepeatBet(TPlayer& t) {
    Game& g = t.game;
    if (!BettingNow(t)) return;
    const int minimum = g.Options.TableMinimum;
    if (minimum > g.CurrentBet || g.CurrentBet > g.Bankroll)
        g.CurrentBet = static_cast<uint16_t>(minimum);
    if (g.CurrentBet > g.Bankroll) return;  // not even the minimum is left
    // Each spot is staked exactly what lies on it: two $5 chips a hand make $10.
    int perHand = g.CurrentBet;
    if (g.TwoHandsThisRound && perHand == 5) perHand = 10;
    if (g.TwoHandsThisRound && 2 * perHand > g.Bankroll) {
        g.TwoHandsThisRound = false;
        perHand = g.CurrentBet;
    }
    t.TwoChipBet = IsTwoChipBet(perHand);
    if (!t.Scene[Spot(t, 1)].Visible && !PlaceBet(t, perHand, 1, 0)) return;
    if (g.TwoHandsThisRound && !t.Scene[Spot(t, 3)].Visible) PlaceBet(t, perHand, 3, 0);
    g.BetAmount = static_cast<uint16_t>(perHand);
}

void TouchBet(TPlayer& t, int hand) {
    Game& g = t.game;
    if (!IsPlayerHand(hand) || !DecidingNow(t)) return;
    if (g.CurrentBet > g.Bankroll || g.Hand(hand).Finished) return;
    const THand& h = g.Hand(hand);
    if (h.CanSplit) {
        g.ActiveHand = static_cast<uint16_t>(hand);
        // A pair of fours or fives may rather be doubled: ask, beside the hand.
        if ((h.Total == 8 || h.Total == 10) && h.CanDouble) {
            constexpr int kQuestionLeft[] = {0, 310, 460, 10, 160};
            if (g.PracticeDeckMode || g.host.AskYesNoAt(kPairQuestion, kQuestionLeft[hand], 50))
                g.PlayerAction = kDouble;
        }
        if (g.PlayerAction == kNoAction) g.PlayerAction = kSplit;
    } else if (h.CanDouble) {
        g.ActiveHand = static_cast<uint16_t>(hand);
        g.PlayerAction = kDouble;
        FinishHandsBefore(g, hand);
    }
}

void ExchangeChip(TPlayer& t) {
    Game& g = t.game;
    TableScene& s = t.Scene;
    const int chip = s[s.MovingChip].Tag;
    s[s.MovingChip2].MoveTo(s[s.MovingChip].Left, -50);
    GlideChip(t, s.MovingChip, s.MovingChip2, false, false);
    s[s.MovingChip2].Visible = false;
    const auto kind = KindOfCode(chip);
    if (!kind || *kind == kHalfChip || chip > g.Bankroll) {
        ShowRack(t);
        ShowBetPanelsAgain(t);
        return;
    }
    // Colour up when the rack holds enough of this chip to make the next one (the
    // carried chip among them) and at least one of the chip below; otherwise break the
    // chip into the one below. A $5 only ever colours up, and needs five $5s for it.
    const auto count = [&g](int k) { return int(g.RackCount[static_cast<size_t>(k)]); };
    const int k = *kind;
    const int next = k + 1 < kChipKinds ? kPerHigherChip[k + 1] : 0;
    if (k == kChip5 || (next > 0 && count(k) >= next && count(k - 1) >= 1)) {
        CombineChips(t, kChipCodes[static_cast<size_t>(k + 1)], next - 1);
    } else {
        g.RackCount[static_cast<size_t>(k)] -= 1;
        DeliverChips(t, s.RackImage(k - 1), kPerHigherChip[k]);
        g.RackCount[static_cast<size_t>(k - 1)] += static_cast<uint16_t>(kPerHigherChip[k]);
    }
    ShowRack(t);
    ShowBetPanelsAgain(t);
}

void AdvicePanel1Click(TPlayer& t) {
    uint16_t& minimum = t.game.Options.TableMinimum;
    if (minimum == 5)
        minimum = 25;
    else if (minimum == 25)
        minimum = 100;
    else if (minimum == 100)
        minimum = 5;
    ShowAdvice(t, "");
}

void Bet2aMouseUp(TPlayer& t) {
    Say(t, MinimumMessage(t.game.Options.TableMinimum));
}

}  // namespace velmora
