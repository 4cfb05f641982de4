#pragma once
// Answers the next modal window that comes up: polls with a timer until an active
// modal widget appears, hands it to the test's function (which checks it and closes
// it), and stops. For tests of the real message boxes and dialogs.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace velmora::testing {

inline void AnswerNextModal(std::function<void(QWidget*)> answer, int timeoutMs = 5000) {
    // Owned by the application, so a timer still waiting when a test ends goes with it.
    auto* timer = new QTimer(QCoreApplication::instance());
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, answer, timeoutMs] {
        *waited += 10;
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        } else if (*waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

}  // namespace velmora::testing
