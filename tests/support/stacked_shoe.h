#pragma once
// Stacks the shoe for a test: the next cards dealt get the given values.

#include <initializer_list>

#include "engine/game.h"

namespace velmora::testing {

// Builds the shoe if needed, then moves cards of the given values (2..11, 10 = any
// ten-valued card) to the front in order, so the shoe stays a whole set of decks.
// Dealing starts again at the front with both counts at 0.
void StackShoe(Game& game, std::initializer_list<int> values);

}  // namespace velmora::testing
