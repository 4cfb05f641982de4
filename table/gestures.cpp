#include "table/gestures.h"

#include <algorithm>
#include <cstdlib>

#include "table/betting_rules.h"
#include "table/chips.h"
#include "table/motion.h"
#include "table/rack.h"
#include "table/table_ops.h"

namespace velmora {

namespace {

enum class Role {
    None,         // a piece without mouse handling (labels, payouts, the bankroll)
    Background,   // the bare table
    HandCard,     // a card of a player hand: a click hits
    SecondCard,   // a hand's second card: a click hits, a sideways drag splits
    DealerCard,   // the dealer's first two cards: a click stands
    Pointer,      // the active-hand pointer: a click hits the hand it points at
    BetOne,       // hand 1's bet and bet box
    BetThree,     // hand 3's bet and bet box
    SplitBet,     // the bet of split hand 2 or 4: a touch doubles or splits
    RackChip,     // a rack chip or its stack outline
    CarriedChip,  // the moving chips: a release there releases the chip
    HalfChip,     // the half chip cannot be bet
    Limits,       // the table-limit panels
    SpeedBar,
};

struct Target {
    Role role = Role::None;
    int hand = 0;  // or the rack kind
};

Target Classify(const TPlayer& t, SpriteId id) {
    const TableScene& s = t.Scene;
    if (id == kNoSprite) return {Role::Background};
    for (int h = 0; h < kHandCount; ++h) {
        for (int k = 1; k <= kHandPlaces; ++k) {
            if (s.CardPlace(h, k) != id) continue;
            if (h == kDealer) return {k <= 2 ? Role::DealerCard : Role::None};
            return {k == 2 ? Role::SecondCard : Role::HandCard, h};
        }
    }
    if (auto kind = s.RackKindOf(id))
        return {*kind == kHalfChip ? Role::HalfChip : Role::RackChip, *kind};
    if (id == s.Pointer) return {Role::Pointer};
    if (id == s.BetSlot(1, 1) || id == s.Ring(1, 1) || id == s.BetBox1) return {Role::BetOne, 1};
    if (id == s.BetSlot(3, 1) || id == s.Ring(3, 1) || id == s.BetBox3) return {Role::BetThree, 3};
    for (int h : {2, 4})
        if (id == s.BetSlot(h, 1) || id == s.Ring(h, 1)) return {Role::SplitBet, h};
    if (id == s.MovingChip || id == s.MovingChip2) return {Role::CarriedChip};
    if (id == s.AdvicePanel1 || id == s.AdvicePanel2 || id == s.AdvicePanelBorder)
        return {Role::Limits};
    if (id == s.SpeedBar) return {Role::SpeedBar};
    return {};
}

void PutSecondCardsHome(TPlayer& t) {
    for (int h = 1; h < kHandCount; ++h) t.Scene.PutCardHome(h, 2);
}

// --- Cards ---------------------------------------------------------------------

void CardPress(TPlayer& t, int hand) {
    if (!DecidingNow(t) || t.game.Hand(hand).Finished) return;
    t.game.ActiveHand = static_cast<uint16_t>(hand);
    t.CardPressed = true;
    t.CardDragging = t.game.Hand(hand).CanSplit;
}

void SplitByDrag(TPlayer& t, SpriteId card) {
    Game& g = t.game;
    t.CardDragging = false;
    int to = 0;
    for (int h : {3, 4, 2}) {
        if (g.Hand(h).NumCards == 0) {
            to = h;
            break;
        }
    }
    if (to == 0) return;  // no free place: the card waits for the release
    t.CardPressed = false;
    g.PlayerAction = kSplit;
    MoveSplitCard(t, card, t.Scene.CardPlace(to, 1));
    PutSecondCardsHome(t);
    // The split hand's bet is placed when the round carries the split out, so a
    // split that is only judged (practice) moves no chip.
}

void CardDrag(TPlayer& t, int x, int y) {
    if (!t.CardDragging) return;
    Sprite& card = t.Scene[t.Pressed];
    card.MoveTo(t.PressLeft + x - t.PressX, t.PressTop + y - t.PressY);
    t.animator.Repaint();
    constexpr int kSplitDistance = 50;
    if (std::abs(card.Left - t.PressLeft) > kSplitDistance) SplitByDrag(t, t.Pressed);
}

void CardRelease(TPlayer& t) {
    t.CardDragging = false;
    PutSecondCardsHome(t);
    t.animator.Repaint();
    if (!t.CardPressed) return;
    t.CardPressed = false;
    if (DecidingNow(t)) t.game.PlayerAction = kHit;
}

void Hit(TPlayer& t, int hand) {
    if (DecidingNow(t)) RequestHit(t, hand);
}

// --- The bets of hands 1 and 3 ---------------------------------------------------

struct BetZone {
    int homeLeft, homeTop;
    int awayTop, awayLeft;    // beyond these the bet has left: surrender
    int ringTop, ringLeft;    // beyond these it has left its place: the ring hides
    int touchLeft, touchTop;  // released before these it touches the bet
};
constexpr BetZone kZone1{318, 369, 320, 370, 364, 323, 325, 375};
constexpr BetZone kZone3{6, 369, 320, 55, 364, 11, 100, 375};
const BetZone& ZoneOf(int hand) {
    return hand == 1 ? kZone1 : kZone3;
}

bool HasChoice(const THand& h) {
    return h.CanSurrender || h.CanDouble || h.CanSplit;
}

void StartBetDrag(TPlayer& t, int hand) {
    Game& g = t.game;
    FinishHandsBefore(g, hand);
    g.ActiveHand = static_cast<uint16_t>(hand);
    t.ChipDragging = true;
    t.BetDragged = hand;
    const Sprite& bet = t.Scene[t.Scene.BetSlot(hand, 1)];
    t.DragOffsetX = bet.Left - t.PressX;
    t.DragOffsetY = bet.Top - t.PressY;
    if (hand == 3) t.Scene[t.Scene.Ring(3, 1)].Visible = false;
}

void BetPress(TPlayer& t, int hand) {
    Game& g = t.game;
    TableScene& s = t.Scene;
    if (BettingNow(t)) {
        if (hand == 3) {
            if (g.Options.BetTwoHands) BetTwoHandsNow(t);
            return;
        }
        if (s[s.BetSlot(1, 1)].Visible) return;
        // Two presses on the empty box in one betting phase bet twice the last bet.
        if (t.BetBoxPressed)
            DoubleClickBet(t);
        else
            t.BetBoxPressed = true;
        return;
    }
    if (!DecidingNow(t) || g.Hand(hand).Finished || !HasChoice(g.Hand(hand))) return;
    if (!s[s.BetSlot(hand, 1)].Visible) return;
    StartBetDrag(t, hand);
}

void PutBetHome(TPlayer& t, int hand) {
    const BetZone& zone = ZoneOf(hand);
    TableScene& s = t.Scene;
    s[s.BetSlot(hand, 1)].MoveTo(zone.homeLeft, zone.homeTop);
    s[s.Ring(hand, 1)].Visible = t.TwoChipBet && s[s.BetSlot(hand, 1)].Visible;
    t.animator.Repaint();
}

void BetMove(TPlayer& t, int x, int y) {
    if (!t.ChipDragging || t.BetDragged == 0) return;
    const int hand = t.BetDragged;
    const BetZone& zone = ZoneOf(hand);
    TableScene& s = t.Scene;
    const SpriteId betId = s.BetSlot(hand, 1);
    // The bet follows the pointer sideways and upwards, never down.
    s[betId].MoveTo(x + t.DragOffsetX, std::min(zone.homeTop, y + t.DragOffsetY));
    t.animator.Repaint();
    const Sprite& bet = s[betId];
    if (bet.Top < zone.awayTop || bet.Left > zone.awayLeft) {
        t.ChipDragging = false;
        if (t.game.Hand(hand).CanSurrender) {
            // The bet goes home; the dealer takes it and pays half back when the round
            // carries the surrender out.
            t.game.PlayerAction = kSurrender;
            PutBetHome(t, hand);
            return;
        }
        // Surrender is not offered: the bet glides back.
        Sprite& chip = s[s.MovingChip];
        chip.MoveTo(bet.Left, bet.Top);
        chip.Tag = bet.Tag;
        chip.Pic = bet.Pic;
        s[betId].MoveTo(zone.homeLeft, zone.homeTop);
        GlideChip(t, s.MovingChip, betId, false, true);
        PutBetHome(t, hand);
    } else if (bet.Top < zone.ringTop || bet.Left > zone.ringLeft) {
        s[s.Ring(hand, 1)].Visible = false;
    }
}

void BetRelease(TPlayer& t) {
    const int hand = t.BetDragged;
    if (hand == 0) return;
    const BetZone& zone = ZoneOf(hand);
    const Sprite& bet = t.Scene[t.Scene.BetSlot(hand, 1)];
    const bool touched = t.ChipDragging && bet.Left < zone.touchLeft && bet.Top < zone.touchTop;
    t.ChipDragging = false;
    t.BetDragged = 0;
    PutBetHome(t, hand);
    if (touched) TouchBet(t, hand);
}

// --- Chips from the rack -----------------------------------------------------------

void ChipDrag(TPlayer& t, int x, int y) {
    if (!t.ChipDragging || t.BetDragged != 0) return;
    TableScene& s = t.Scene;
    ShowBetPanels(t, false);
    // The chip follows the pointer up, down and to the left, never right of its stack.
    const Sprite& stack = s[t.Pressed];
    s[s.MovingChip].MoveTo(stack.Left + std::min(0, x - t.PressX), stack.Top + y - t.PressY);
    t.animator.Repaint();
    constexpr int kDealerSide = 40;
    if (s[s.MovingChip].Top < kDealerSide) {
        t.ChipDragging = false;
        ExchangeChip(t);
    }
}

void SpeedBarAt(TPlayer& t, int x) {
    const int width = std::max(1, t.Scene[t.Scene.SpeedBar].Width);
    t.SpeedBarChanged(1 + Nearest(99.0 * std::clamp(x, 0, width) / width));
}

}  // namespace

void MousePress(TPlayer& t, SpriteId piece, int x, int y) {
    if (t.Closed()) return;
    // A press ends whatever the last one started: its release may never have come (a
    // box that opened during the drag took it).
    t.CardPressed = t.CardDragging = t.ChipDragging = false;
    t.BetDragged = 0;
    t.Pressed = piece;
    t.PressX = x;
    t.PressY = y;
    if (piece != kNoSprite) {
        t.PressLeft = t.Scene[piece].Left;
        t.PressTop = t.Scene[piece].Top;
    }
    const Target target = Classify(t, piece);
    switch (target.role) {
        case Role::SecondCard:
            CardPress(t, target.hand);
            break;
        case Role::BetOne:
        case Role::BetThree:
            BetPress(t, target.hand);
            break;
        case Role::SplitBet:
            if (DecidingNow(t) && !t.game.Hand(target.hand).Finished) TouchBet(t, target.hand);
            break;
        case Role::RackChip:
            PickUpRackChip(t, target.hand);
            break;
        case Role::SpeedBar:
            SpeedBarAt(t, x);
            break;
        default:
            break;
    }
}

void MouseMove(TPlayer& t, int x, int y) {
    if (t.Closed() || t.Pressed == kNoSprite) return;
    switch (Classify(t, t.Pressed).role) {
        case Role::SecondCard:
            CardDrag(t, x, y);
            break;
        case Role::BetOne:
        case Role::BetThree:
            BetMove(t, x, y);
            break;
        case Role::RackChip:
            ChipDrag(t, x, y);
            break;
        case Role::SpeedBar:
            SpeedBarAt(t, x);
            break;
        default:
            break;
    }
}

void MouseRelease(TPlayer& t, int x, int y, bool over) {
    (void)x;
    (void)y;
    if (t.Closed()) return;
    const Target target = Classify(t, t.Pressed);
    const SpriteId pressed = t.Pressed;
    t.Pressed = kNoSprite;
    switch (target.role) {
        case Role::SecondCard:
            CardRelease(t);
            if (over && (target.hand == 2 || target.hand == 4)) Hit(t, target.hand);
            break;
        case Role::HandCard:
            if (over) Hit(t, target.hand);
            break;
        case Role::DealerCard:
            if (over && DecidingNow(t)) t.game.PlayerAction = kStand;
            break;
        case Role::Pointer:
            if (over) {
                for (int h = 1; h < kHandCount; ++h)
                    if (t.Scene[pressed].Left == TableScene::PointerLeft(h)) Hit(t, h);
            }
            break;
        case Role::BetOne:
        case Role::BetThree:
            BetRelease(t);
            break;
        case Role::RackChip:
        case Role::CarriedChip:
            ReleaseChip(t);
            break;
        case Role::HalfChip:
            Bet2aMouseUp(t);
            break;
        case Role::Limits:
            if (over && !t.game.SimulationMode) AdvicePanel1Click(t);
            break;
        case Role::Background:
            if (BettingNow(t)) RepeatBet(t);
            break;
        default:
            break;
    }
}

}  // namespace velmora
