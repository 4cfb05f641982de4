#pragma once
// The trainer: one English sentence saying what the strategy would have done, and
// the check that shows it beside the hand when the player's move differs.

#include <cstdint>

namespace velmora {

struct Game;

// Sets AdviceText to the sentence of advice code `code` for hand `hand`.
void BuildAdvice(Game& game, uint16_t code, int hand);

// Judges `action` on an unfinished hand; when the strategy differs and advice is on,
// points at the hand, beeps (with sound on) and shows the sentence in an error box
// placed by the hand. PlayerAction is left as it was.
void CheckAdvice(Game& game, int hand, uint16_t action);

// Screen position (left, top) of the advice box for hand 1..4.
struct BoxPosition {
    int left;
    int top;
};
BoxPosition AdviceBoxPosition(int hand);

}  // namespace velmora
