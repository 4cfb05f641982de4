#include "ui/table/qt_animator.h"

#include "ui/table/table_widget.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <thread>

namespace velmora {

void QtAnimator::Repaint() {
    if (widget_ && !Closed()) widget_->UpdateChanged();
}

QtAnimator::Clock::time_point QtAnimator::NextDeadline(std::chrono::microseconds duration) {
    const Clock::time_point now = Clock::now();
    const bool chained = lastDeadline_ && now - *lastDeadline_ <= kChainWindow;
    lastDeadline_ = (chained ? *lastDeadline_ : now) + duration;
    return *lastDeadline_;
}

void QtAnimator::Wait(std::chrono::microseconds duration) {
    if (Closed() || duration.count() <= 0) return;
    const Clock::time_point deadline = NextDeadline(duration);
    for (;;) {
        // Paints and timers go on; the player's clicks and keys wait in the queue.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (Closed()) return;
        const Clock::duration left = deadline - Clock::now();
        if (left <= Clock::duration::zero()) return;
        std::this_thread::sleep_for(std::min<Clock::duration>(left, kSlice));
    }
}

}  // namespace velmora
