#include "ui/dialog_service.h"

#include "ui/application_title.h"
#include "ui/beep_sound.h"

#include <algorithm>

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace velmora {

namespace {

// A box placed beside a hand keeps that place, moved in only as far as it must to lie
// wholly on the screen. (A dialog moved before it is shown is not centred on its parent.)
void PlaceAt(QMessageBox& box, QPoint topLeft) {
    QScreen* screen = QGuiApplication::screenAt(topLeft);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        const QSize size = box.sizeHint();
        topLeft.setX(std::clamp(topLeft.x(), area.left(),
                                std::max(area.left(), area.right() - size.width())));
        topLeft.setY(std::clamp(topLeft.y(), area.top(),
                                std::max(area.top(), area.bottom() - size.height())));
    }
    box.move(topLeft);
}

}  // namespace

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
    PlaceAt(box, topLeft);
    box.exec();
}

bool DialogService::AskYesNoAt(const QString& text, QPoint topLeft) {
    QMessageBox box(QMessageBox::Question, "Confirm", text, QMessageBox::Yes | QMessageBox::No,
                    parent_);
    box.setDefaultButton(QMessageBox::Yes);
    PlaceAt(box, topLeft);
    return box.exec() == QMessageBox::Yes;
}

void DialogService::PrepareBeep() {
    if (!beep_) beep_ = std::make_unique<BeepSound>();
}

void DialogService::Beep() {
    PrepareBeep();
    beep_->Play();
}

}  // namespace velmora
