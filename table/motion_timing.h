#pragma once
// How long the table's waits last, in one place. The setting ComputerSpeed
// (1000..25000) chooses how many steps every motion takes (a card to a player's
// hand takes ComputerSpeed x 0.002 steps, each followed by a wait of two delay
// units), so with a fixed unit the time of a motion grows with the setting:
// at 25000, where the start-up measurement lands on today's machines, a card to a
// player's hand takes a fifth of a second; at 8000 a third of that; at 1000
// motion is near-instant. The long-delay step is the advice flash's unit; the
// table's speed bar chooses how many steps (the middle of the bar about 0.75 s), so
// a round of computer play at the start-up setting lasts a few seconds.

#include <chrono>

namespace velmora {

constexpr std::chrono::microseconds kDelayUnit{2000};
constexpr std::chrono::microseconds kLongDelayStep{15000};

}  // namespace velmora
