#pragma once
// One piece of the drawn table: a card place, a chip slot or ring, a rack chip or
// stack outline, a moving piece or a panel. The core keeps only what a piece is
// and where it lies; the window turns that into pixels.

#include <cstdint>
#include <string>

namespace velmora {

// Colours as 0xRRGGBB.
using Rgb = uint32_t;

namespace colour {
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kBlack = 0x000000;
constexpr Rgb kRed = 0xFF0000;
constexpr Rgb kLime = 0x00FF00;
constexpr Rgb kBlue = 0x0000FF;
constexpr Rgb kPurple = 0x800080;
constexpr Rgb kMaroon = 0x800000;
constexpr Rgb kFuchsia = 0xFF00FF;
constexpr Rgb kSilver = 0xC0C0C0;
}  // namespace colour

enum class SpriteKind : uint8_t {
    Image,      // shows a picture (a card, a chip, the pointer)
    Ellipse,    // an outline: a ring under a bet chip, a rack stack outline, a bet box
    Rectangle,  // the cut card
    Panel,      // a caption on a coloured ground: labels, bankroll, advice, limits
    SpeedBar,   // the playing-speed bar of computer play; Tag holds its position 1..100
};

// Where a panel's caption sits across it.
enum class Align : uint8_t { Centre, Left, Right };

enum class PictureKind : uint8_t {
    None,      // nothing drawn (a card place before a card is dealt to it)
    CardFace,  // Value: card number 1..52
    CardBack,  // Value: the shoe's CardBackChoice, 0 or 1
    Chip,      // Value: chip code 2 (the half chip), 5, 25, 100, 500, 1000, 5000
    Pointer,   // the active-hand pointer
};

struct Picture {
    PictureKind Kind = PictureKind::None;
    int Value = 0;
    friend bool operator==(const Picture&, const Picture&) = default;
};

struct Sprite {
    std::string Name;  // the piece's name on the table: "pos11", "Bet1", "Ring1", ...
    SpriteKind Kind = SpriteKind::Image;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Visible = false;
    // Images: the picture squeezed into Width x Height (the hole card turning over);
    // otherwise drawn at its own size from the top-left corner and cut at the edges.
    bool Stretch = false;
    Picture Pic;
    int Tag = 0;       // chip slots and rack images: the chip value code on it
    std::string Hint;  // shown as a tooltip

    // Outlines and panels.
    Rgb Pen = colour::kWhite;  // outline colour (rings, stack outlines, bet boxes)
    int PenWidth = 1;
    Rgb Fill = colour::kBlack;  // panel ground and cut card colour
    bool Filled = false;        // panels: draw the ground (else the felt shows)
    std::string Caption;
    Rgb TextColour = colour::kWhite;
    bool Bold = false;
    bool Underline = false;
    Align Alignment = Align::Centre;
    // Filled panels: the ground covers only the caption (and a margin), on the side the
    // alignment says, so a short text is a small tag rather than a wide bar.
    bool HugCaption = false;
    // Drawn only: presses, clicks and hints go to whatever lies beneath (the table's
    // signs, which must never take a gesture away from the pieces of play).
    bool Passive = false;

    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool Contains(int x, int y) const {
        return x >= Left && x < Left + Width && y >= Top && y < Top + Height;
    }
    void MoveTo(int left, int top) {
        Left = left;
        Top = top;
    }
};

}  // namespace velmora
