#pragma once
// The table as data: every piece by its name, at its home place, in painting order
// (bottom first). The canvas is a fixed 644 x 465 logical pixels; the window scales
// it. The motions and the money operations move and show these pieces; the window
// only draws them and finds the piece under the mouse.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/game.h"
#include "table/sprite.h"

namespace velmora {

constexpr int kCanvasWidth = 644;
constexpr int kCanvasHeight = 465;

using SpriteId = uint16_t;
constexpr SpriteId kNoSprite = 0xFFFF;

// Cards a place exists for: the dealer's row holds 9, a player hand 11 (the 10th and
// 11th cut short, beside the hand, so they stay inside the window).
constexpr int kDealerPlaces = 9;
constexpr int kHandPlaces = 11;
constexpr int kCardWidth = 72;
constexpr int kCardHeight = 97;
// Bet slots of a hand: 1 the bet, 2 the double-down stake, 3..5 payouts and refunds.
constexpr int kBetSlots = 5;
// Stack outlines above a rack chip: a..e.
constexpr int kRackOutlines = 5;

// Fixed points: dealt cards come from the shoe point; the dealer's chip tray pays
// and takes chips; exchanges gather and deliver chips on the exchange column.
constexpr int kShoeLeft = 200;
constexpr int kShoeTop = -50;
constexpr int kTrayLeft = 50;
constexpr int kTrayTop = 0;
constexpr int kExchangeLeft = 500;

// The left edge of player hand h's first card (hands stand right to left 2, 1, 4, 3).
constexpr int HandLeft(int hand) {
    constexpr int kLeft[] = {0, 309, 461, 5, 157};
    return hand >= 1 && hand <= 4 ? kLeft[hand] : 0;
}

class TableScene {
  public:
    TableScene();

    const std::vector<Sprite>& Sprites() const { return sprites_; }
    Sprite& operator[](SpriteId id) { return sprites_[id]; }
    const Sprite& operator[](SpriteId id) const { return sprites_[id]; }
    std::optional<SpriteId> Find(std::string_view name) const;
    // The topmost visible piece at a logical point that takes the mouse, if any: the
    // table's signs are passed through.
    std::optional<SpriteId> SpriteAt(int x, int y) const;

    // Card place k (from 1) of a hand (0 = the dealer); kNoSprite when it has none.
    SpriteId CardPlace(int hand, int k) const;
    // The place a card with this position code (10 x hand + card number) is shown
    // on: 1..9 the dealer's cards, 11..19 hand 1, 20 hand 1's tenth card, and so on
    // to 50; kNoSprite for any other code.
    SpriteId PlaceOfCode(int code) const;
    // Home geometry of a card place (animations move places and put them back).
    static void CardHome(int hand, int k, int& left, int& top, int& width, int& height);
    // Moves card place k of a hand back to its home (a drag or a motion took it away).
    void PutCardHome(int hand, int k);
    // Where the active-hand pointer stands beside hand 1..4.
    static int PointerLeft(int hand);

    // Bet slot 1..5 of hand 1..4 and its ring; kNoSprite where there is none
    // (hands 2 and 4 have no fifth slot).
    SpriteId BetSlot(int hand, int slot) const;
    SpriteId Ring(int hand, int slot) const;

    // The rack: one chip image per kind (ChipKind order) and its stack outlines.
    SpriteId RackImage(int kind) const { return rack_[static_cast<size_t>(kind)]; }
    SpriteId RackOutline(int kind, int i) const;  // i 0..4 (a..e); kNoSprite if none
    // The rack kind an image or outline belongs to, if the sprite is one.
    std::optional<int> RackKindOf(SpriteId id) const;

    SpriteId HandLabel(int hand) const;  // Hand1..Hand4; kNoSprite for others

    // The table's signs, beside the cards and never over one: the total and the banner
    // of hand 0..4 (kNoSprite for others).
    SpriteId Total(int hand) const;
    SpriteId Banner(int hand) const;

    // Single pieces.
    SpriteId BetBox1, BetBox3, BetPanel, Bet2Panel;
    SpriteId MovingChip, MovingChip2, Chipa, Chipb;
    SpriteId CutCard, Pointer;
    SpriteId BankPanel, AdvicePanel, AdvicePanel1, AdvicePanel2, AdvicePanelBorder;
    SpriteId SpeedLabel;  // "Edit1": "< Slower    Faster>"
    SpriteId SpeedBar;    // "ScrollBar1": position 1..100 in Tag
    SpriteId Judgement;   // "Correct" above a hand, after a right practice decision
    SpriteId ModeLine;    // the mode, in the felt's lower left corner
    SpriteId PracticeCounter;  // Practice Deck's score, lower right under the bankroll

  private:
    SpriteId Add(Sprite sprite);

    std::vector<Sprite> sprites_;
    SpriteId cards_[kHandCount][kHandPlaces + 1];
    SpriteId slots_[kHandCount][kBetSlots + 1];
    SpriteId rings_[kHandCount][kBetSlots + 1];
    SpriteId rack_[kChipKinds];
    SpriteId outlines_[kChipKinds][kRackOutlines];
    SpriteId labels_[kHandCount];
    SpriteId totals_[kHandCount];
    SpriteId banners_[kHandCount];

    void AddSigns();
};

}  // namespace velmora
