#include "ui/table/qt_animator.h"

#include "ui/table/table_widget.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

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
        // Paints and timers go on; the player's clicks and keys on the table wait in
        // the queue. A menu the player has opened is not the table: it answers.
        QCoreApplication::processEvents(QApplication::activePopupWidget()
                                            ? QEventLoop::AllEvents
                                            : QEventLoop::ExcludeUserInputEvents);
        if (Closed()) return;
        const Clock::duration left = deadline - Clock::now();
        if (left <= Clock::duration::zero()) break;
        std::this_thread::sleep_for(std::min<Clock::duration>(left, kSlice));
    }
    if (afterWait_) afterWait_();
}

void QtAnimator::After(std::chrono::milliseconds delay, std::function<void()> then) {
    if (!widget_ || Closed()) return;
    QTimer::singleShot(delay, widget_, [this, then = std::move(then)] {
        if (Closed()) return;
        then();
    });
}

}  // namespace velmora
