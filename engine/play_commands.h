#pragma once
// The play commands of the menu bar (Stand, Hit, Double, Split, Surrender, Hint) as
// they act on the game; the table's gestures set the same flags. A command sets the
// move; the round judges it like the same move made by the mouse.

#include "engine/host.h"

namespace velmora {

struct Game;

void ChoosePlayCommand(Game& game, PlayCommand command);

}  // namespace velmora
