#pragma once
// What the table's motions need of a window: show the scene as it now is, and wait.
// The program implements it with real-time waits that keep painting and hold the
// player's input back; the tests record the frames and the waits.

#include <chrono>

namespace velmora {

class Animator {
  public:
    virtual ~Animator() = default;

    // Draw the scene's changes now (a window need only redraw what moved).
    virtual void Repaint() = 0;
    // Wait this long, drawing but handling no input.
    virtual void Wait(std::chrono::microseconds duration) = 0;
};

}  // namespace velmora
