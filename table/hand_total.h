#pragma once
// What a hand's total reads beside it, as a player says it: "14", "soft 17", "21",
// "BUST", "BLACKJACK". Worked out from the cards alone, since the engine zeroes a
// hand's Total once it is settled and does not mark an ace split off as soft.

#include <string>

#include "engine/hand.h"

namespace velmora {

// The text for a hand's cards; empty while it holds none. One ace at most counts 11,
// and only while that keeps the hand at 21 or less. `blackjackCounts` is false for a
// hand made or broken up by a split, whose two-card 21 is only a 21.
std::string HandTotalText(const THand& hand, bool blackjackCounts);
// Over 21 with every ace counted 1.
bool Busted(const THand& hand);

}  // namespace velmora
