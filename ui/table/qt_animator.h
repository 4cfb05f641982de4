#pragma once
// The table's motions in real time. A repaint schedules the places that changed; a
// wait sleeps until its deadline while the window keeps painting, and holds the
// player's input back until the motion is over (but an open menu keeps working). Waits that follow
// each other closely run from one deadline to the next, so the time a frame takes to paint does not
// stretch the motion.

#include <chrono>
#include <functional>
#include <optional>

#include "table/animator.h"

namespace velmora {

class TableWidget;

class QtAnimator : public Animator {
  public:
    using Clock = std::chrono::steady_clock;
    // A wait that starts within this time of the last one's deadline continues from
    // that deadline; a later one (after a question, or the player's turn) starts anew.
    static constexpr std::chrono::milliseconds kChainWindow{40};
    // The longest sleep between two event passes, so that paints keep coming.
    static constexpr std::chrono::milliseconds kSlice{4};

    // The widget that shows the scene; until it is set repaints do nothing (the
    // table's rules object, which holds the scene, is made before its widget).
    void SetWidget(TableWidget* widget) { widget_ = widget; }
    // True once the table is going away: waits then return at once.
    void SetClosed(std::function<bool()> closed) { closed_ = std::move(closed); }
    // Called after every wait, so that the host hands the held-back input on soon.
    void SetAfterWait(std::function<void()> afterWait) { afterWait_ = std::move(afterWait); }

    void Repaint() override;
    void Wait(std::chrono::microseconds duration) override;
    // A timer of the widget: it dies with the widget, so nothing is called after the
    // window has gone.
    void After(std::chrono::milliseconds delay, std::function<void()> then) override;

  private:
    Clock::time_point NextDeadline(std::chrono::microseconds duration);
    bool Closed() const { return closed_ && closed_(); }

    TableWidget* widget_ = nullptr;
    std::function<bool()> closed_;
    std::function<void()> afterWait_;
    std::optional<Clock::time_point> lastDeadline_;
};

}  // namespace velmora
