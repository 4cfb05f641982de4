#pragma once
// The player's mouse on the table. The window finds the topmost piece under the
// pointer at a press and gives it the mouse until the release; positions are the
// table's logical pixels relative to that piece's place at the press (negative when
// the pointer is above or left of it), so every threshold holds at any window size.
//
// Clicking a hand takes a card, clicking the dealer's face-down card stands,
// dragging the second card of a pair sideways splits it, chips are picked up and
// dropped to bet, touching a bet doubles or splits, dragging the bet away
// surrenders, and a chip dragged to the dealer changes colour.

#include "table/player.h"

namespace velmora {

// A press on `piece` (kNoSprite: the bare table).
void MousePress(TPlayer& t, SpriteId piece, int x, int y);
void MouseMove(TPlayer& t, int x, int y);
// `over`: the pointer is still over the pressed piece, so the release is a click.
void MouseRelease(TPlayer& t, int x, int y, bool over);

}  // namespace velmora
