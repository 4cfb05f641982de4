#include "ui/dialog_service.h"

#include "ui/application_title.h"
#include "ui/beep_sound.h"

#include <QMessageBox>

namespace velmora {

DialogService::DialogService() = default;
DialogService::~DialogService() = default;

void DialogService::Message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool DialogService::AskYesNo(const QString& text) {
    QMessageBox box(QMessageBox::Question, "Confirm", text, QMessageBox::Yes | QMessageBox::No,
                    parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool DialogService::AskYesCancel(const QString& text) {
    QMessageBox box(QMessageBox::Question, "Confirm", text,
                    QMessageBox::Yes | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void DialogService::ErrorAt(const QString& text, QPoint topLeft) {
    QMessageBox box(QMessageBox::Critical, "Error", text, QMessageBox::Ok, parent_);
    // A dialog that has been moved before it is shown keeps its place instead of
    // being centred on its parent.
    box.move(topLeft);
    box.exec();
}

void DialogService::PrepareBeep() {
    if (!beep_) beep_ = std::make_unique<BeepSound>();
}

void DialogService::Beep() {
    PrepareBeep();
    beep_->Play();
}

}  // namespace velmora
