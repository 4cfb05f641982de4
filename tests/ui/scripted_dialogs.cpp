#include "tests/ui/scripted_dialogs.h"

namespace velmora::testing {

bool ScriptedDialogs::Answer(const QString& line) {
    boxes << line;
    if (onBox) onBox(line);
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

void ScriptedDialogs::Message(const QString& text) {
    boxes << "message: " + text;
    if (onBox) onBox(boxes.last());
}

bool ScriptedDialogs::AskYesNo(const QString& text) { return Answer("yes/no: " + text); }

bool ScriptedDialogs::AskYesNoAt(const QString& text, QPoint topLeft) {
    return Answer(QString("yes/no %1,%2: %3").arg(topLeft.x()).arg(topLeft.y()).arg(text));
}

bool ScriptedDialogs::AskYesCancel(const QString& text) {
    return Answer("yes/cancel: " + text);
}

void ScriptedDialogs::ErrorAt(const QString& text, QPoint topLeft) {
    boxes << QString("error %1,%2: %3").arg(topLeft.x()).arg(topLeft.y()).arg(text);
    if (onBox) onBox(boxes.last());
}

}  // namespace velmora::testing
