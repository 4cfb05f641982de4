#pragma once
// What the table's motions need of a window: show the scene as it now is, and wait.
// The program implements it with real-time waits that keep painting and hold the
// player's input back; the tests record the frames and the waits.

#include <chrono>
#include <functional>

namespace velmora {

class Animator {
  public:
    virtual ~Animator() = default;

    // Draw the scene's changes now (a window need only redraw what moved).
    virtual void Repaint() = 0;
    // Wait this long, drawing but handling no input.
    virtual void Wait(std::chrono::microseconds duration) = 0;
    // Calls `then` once `delay` has passed, without waiting for it: the table goes on
    // meanwhile (a banner that leaves by itself). Not called once the window is gone.
    virtual void After(std::chrono::milliseconds delay, std::function<void()> then) = 0;
};

}  // namespace velmora
