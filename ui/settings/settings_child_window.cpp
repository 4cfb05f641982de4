#include "ui/settings/settings_child_window.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QScrollArea>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr int kSystemFontPixels = 13;
constexpr int kSansSerifFontPixels = 11;
constexpr int kWindowMargin = 8;

}  // namespace

QFont SettingsChildWindow::SystemFont() {
    QFont font;
    font.setPixelSize(kSystemFontPixels);
    font.setBold(true);
    return font;
}

QFont SettingsChildWindow::SansSerifFont() {
    QFont font;
    font.setPixelSize(kSansSerifFontPixels);
    return font;
}

SettingsChildWindow::SettingsChildWindow(QWidget* parent) : QWidget(parent) {
    // The button-face colours of a dialog, not the green of the table under it.
    QPalette face = palette();
    face.setColor(QPalette::Window, QApplication::palette(this).color(QPalette::Window));
    setPalette(face);
    setAutoFillBackground(true);
    if (parent) {
        parent->installEventFilter(this);
        FillParent();
    }
}

QFrame* SettingsChildWindow::NewPanel(QWidget* parent, const QString& name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    return panel;
}

void SettingsChildWindow::SetContent(QWidget* content) {
    // Centred while the window is larger than its controls need; scrolled when a
    // small main window leaves less room, so nothing is ever cut off.
    auto* page = new QWidget;
    auto* centred = new QGridLayout(page);
    centred->setContentsMargins(kWindowMargin, kWindowMargin, kWindowMargin, kWindowMargin);
    centred->addWidget(content, 1, 1);
    centred->setRowStretch(0, 1);
    centred->setRowStretch(2, 1);
    centred->setColumnStretch(0, 1);
    centred->setColumnStretch(2, 1);

    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->viewport()->setBackgroundRole(QPalette::Window);
    scroll->setWidget(page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

bool SettingsChildWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) FillParent();
    return QWidget::eventFilter(watched, event);
}

void SettingsChildWindow::FillParent() {
    setGeometry(parentWidget()->rect());
}

}  // namespace velmora
