#pragma once
// How far the Stand command reaches. A stand while the second main hand (hand 3) has
// cards makes hand 3 the active hand, and acting on a hand closes every hand before it
// in play order (2, 1, 4, 3): so with two hands in play Stand closes them all, not only
// the one the pointer marks. The table's Stand button says so.

#include <string>

#include "engine/game.h"

namespace velmora {

// The unfinished hands a Stand would close now: 0 while no hand is being decided.
int HandsClosedByStand(const Game& game);

// "Stand on both hands" (or "Stand on all 3 hands") when Stand closes more than the
// active hand; empty otherwise.
std::string StandReachText(const Game& game);

}  // namespace velmora
