#pragma once
// The analysis's play-time clock. The run loop refreshes the results window after
// every block of 100 rounds; the clock counts one second of play for each wall-clock
// second in which at least one block ended, and lets the window redraw at most once
// per wall-clock second, so a fast analysis is not slowed by drawing.

#include <cstdint>

#include "engine/game.h"
#include "engine/random.h"

namespace velmora {

class RunClock {
  public:
    // The first step of a refresh. Outside the single-strategy view: within the
    // clock second of the last tick nothing happens and false is returned; in a new
    // second the play time (PlaySeconds, PlayMinutes, PlayHours) advances by one
    // second and true is returned. In the single-strategy view, which refreshes only
    // every 50th block, the clock stands still and the window always redraws.
    bool Tick(Game& game, const TimeOfDay& now);

    // The wall-clock second of the last tick; kNoSecond before the first.
    uint16_t LastClockSecond() const { return lastClockSecond_; }
    static constexpr uint16_t kNoSecond = 0xFFFF;

  private:
    // No clock second matches this, so the first block of a run always counts.
    uint16_t lastClockSecond_ = kNoSecond;
};

}  // namespace velmora
