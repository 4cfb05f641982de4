#pragma once
// The message boxes and the beep of the program. The host and the windows ask through
// this one object, so a test can replace it and answer every box from a script.

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace velmora {

class BeepSound;

class DialogService {
public:
    DialogService();
    virtual ~DialogService();
    DialogService(const DialogService&) = delete;
    DialogService& operator=(const DialogService&) = delete;

    // The window the boxes are centred on.
    void SetParent(QWidget* parent) { parent_ = parent; }

    // A plain box with OK, captioned with the program's title.
    virtual void Message(const QString& text);
    // Confirmation boxes; true for Yes.
    virtual bool AskYesNo(const QString& text);
    virtual bool AskYesCancel(const QString& text);
    // An error box (caption "Error", one OK) whose top-left corner is at `topLeft`
    // on the screen: the advice box beside the hand.
    virtual void ErrorAt(const QString& text, QPoint topLeft);
    // A Yes/No question whose top-left corner is at `topLeft` on the screen.
    virtual bool AskYesNoAt(const QString& text, QPoint topLeft);
    virtual void Beep();

    // Loads the beep sound ahead of its first use, so the first beep is not late.
    void PrepareBeep();

private:
    QPointer<QWidget> parent_;
    std::unique_ptr<BeepSound> beep_;
};

}  // namespace velmora
