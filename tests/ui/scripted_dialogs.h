#pragma once
// A dialog service for window tests: every box is recorded as one line and answered
// from a queue, and beeps are counted, so no test ever waits for a person.

#include "ui/dialog_service.h"

#include <QStringList>

#include <deque>
#include <functional>

namespace velmora::testing {

class ScriptedDialogs : public DialogService {
public:
    // Answers for AskYesNo and AskYesCancel, in order; an empty queue answers No/Cancel.
    std::deque<bool> answers;
    // Lines "message: ...", "yes/no: ...", "yes/no x,y: ...", "yes/cancel: ...",
    // "error x,y: ...".
    QStringList boxes;
    int beeps = 0;
    // Runs when a box comes up, before it is answered (a test may act there).
    std::function<void(const QString&)> onBox;

    void Message(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    bool AskYesCancel(const QString& text) override;
    void ErrorAt(const QString& text, QPoint topLeft) override;
    bool AskYesNoAt(const QString& text, QPoint topLeft) override;
    void Beep() override { ++beeps; }

private:
    bool Answer(const QString& line);
};

}  // namespace velmora::testing
