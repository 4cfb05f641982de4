#pragma once
// What an outline on the table stands for, which decides how it is drawn: a bet box
// printed on the felt, a ring (a second chip under a bet chip), a rack stack outline
// (one more chip on the stack) or a pile outline of an exchange (Chipa, Chipb).

#include "table/sprite.h"

namespace velmora {

enum class SpriteRole { Plain, BetBox, Ring, StackOutline, PileOutline };

// Read from the piece's kind and name once, when the window is made.
SpriteRole RoleOf(const Sprite& sprite);

}  // namespace velmora
