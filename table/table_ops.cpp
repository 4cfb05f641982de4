#include "table/table_ops.h"

#include <string>

#include "table/table_signs.h"

namespace velmora {

void ClearTable(TPlayer& t) {
    TableScene& scene = t.Scene;
    for (int h = 0; h < kHandCount; ++h) {
        for (int k = 1; k <= kHandPlaces; ++k) {
            const SpriteId place = scene.CardPlace(h, k);
            if (place != kNoSprite) scene[place].Visible = false;
        }
        if (const SpriteId label = scene.HandLabel(h); label != kNoSprite)
            scene[label].Visible = false;
    }
    ShowPointer(t, 0);
    ClearRoundSigns(t);
}

void ShowPointer(TPlayer& t, int hand) {
    TableScene& scene = t.Scene;
    Sprite& pointer = scene[scene.Pointer];
    if (IsPlayerHand(hand)) pointer.Left = TableScene::PointerLeft(hand);
    // Hand 3's first place is filled whenever more than one hand is in play (a second
    // hand bet, or a split, which fills hand 3 first): one hand needs no pointer.
    pointer.Visible = IsPlayerHand(hand) && scene[scene.CardPlace(3, 1)].Visible;
    t.animator.Repaint();
}

void ShowHandLabel(TPlayer& t, int hand, std::string_view text) {
    const SpriteId label = t.Scene.HandLabel(hand);
    if (label == kNoSprite) return;
    t.Scene[label].Caption = std::string(text);
    t.Scene[label].Visible = true;
    t.animator.Repaint();
}

void SelectBetSpots(TPlayer& t, int hand) {
    if (!IsPlayerHand(hand)) return;
    for (int s = 1; s <= kBetSlots; ++s) {
        // Hands 2 and 4 have four slots: the fifth of the group stays as it was.
        if (t.Scene.BetSlot(hand, s) == kNoSprite) continue;
        t.SelectedSlots[static_cast<size_t>(s)] = t.Scene.BetSlot(hand, s);
        t.SelectedRings[static_cast<size_t>(s)] = t.Scene.Ring(hand, s);
    }
}

void RequestHit(TPlayer& t, int hand) {
    Game& g = t.game;
    if (!IsPlayerHand(hand) || g.Hand(hand).Finished) return;
    g.PlayerAction = kHit;
    g.ActiveHand = static_cast<uint16_t>(hand);
    FinishHandsBefore(g, hand);
}

void ShowBetPanels(TPlayer& t, bool shown) {
    t.Scene[t.Scene.BetPanel].Visible = shown;
    t.Scene[t.Scene.Bet2Panel].Visible = shown && t.game.Options.BetTwoHands;
}

void FinishHandsBefore(Game& g, int hand) {
    // Hands are played 2, 1, 4, 3.
    for (int h : {2, 1, 4, 3}) {
        if (h == hand) break;
        g.Hand(h).Finished = true;
    }
}

}  // namespace velmora
