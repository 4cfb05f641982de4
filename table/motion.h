#pragma once
// Everything that moves on the table moves by one rule: the piece is put at its
// start, stepped a fixed number of times by a fixed amount with a short wait and a
// repaint after each step, then put exactly on its target. The number of steps
// comes from ComputerSpeed, so one setting makes all motion faster or slower.

#include "engine/card.h"
#include "table/player.h"

namespace velmora {

// The nearest integer, halves going to the even neighbour (4.5 -> 4, 5.5 -> 6).
int Nearest(double x);

// Waits of `units` delay units after a step; nothing in practice, with the table
// hidden, or for 0.
void Delay(TPlayer& t, int units);
// The advice flash's wait: n long steps (n 1..100); nothing with the table hidden.
void LongDelay(TPlayer& t, int n);

// The stepping loop: show the piece, then `steps` times move it by (stepX, stepY),
// wait 2 units and repaint.
void GlideControl(TPlayer& t, SpriteId piece, int steps, int stepX, int stepY);
// One chip from `source` to `target`, flown by MovingChip. The target takes the
// source's chip value and picture.
void GlideChip(TPlayer& t, SpriteId source, SpriteId target, bool sourceShown,
               bool targetShownAfter);

// A dealt card flies from the shoe to its place (nothing for a card without one).
void DealCard(TPlayer& t, const TCard& card, int hand, int number);
// The dealer's face-down card narrows to its centre line and widens face up.
void FlipHoleCard(TPlayer& t);
// A split card slides from the second card of one hand to the first of another.
void MoveSplitCard(TPlayer& t, SpriteId source, SpriteId target);
// The cut card comes out of the shoe (out) or goes back into it.
void MoveCutCard(TPlayer& t, bool out);
// The shuffle seen on the table, before the shoe takes its new order.
void ShowShuffle(TPlayer& t);

}  // namespace velmora
