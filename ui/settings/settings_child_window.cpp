#include "ui/settings/settings_child_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QKeySequence>
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
    // The window shares the main window's keyboard with the menu bar, whose
    // accelerators (Alt+S for Stand, Alt+R for the Run menu) would otherwise take
    // this window's own: the filter sees every key first while the window lives.
    qApp->installEventFilter(this);
}

void SettingsChildWindow::FocusFirstControl() {
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && w->isVisibleTo(this) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    setFocus();
}

QAbstractButton* SettingsChildWindow::ButtonOfAccelerator(const QKeyEvent& key) const {
    if (key.modifiers() != Qt::AltModifier) return nullptr;
    const QKeySequence pressed(QKeyCombination(key.modifiers(), Qt::Key(key.key())));
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(this) && button->isEnabled() &&
            QKeySequence::mnemonic(button->text()) == pressed)
            return button;
    }
    return nullptr;
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
    scroll->setFocusPolicy(Qt::NoFocus);  // no tab stop that shows no focus
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
    const QEvent::Type type = event->type();
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) && isVisible()) {
        auto* target = qobject_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (target && target->window() == window()) {
            if (QAbstractButton* button = ButtonOfAccelerator(*key)) {
                // Claimed before the shortcuts are looked at, then pressed as its
                // accelerator presses it: this window's own captions win.
                if (type == QEvent::KeyPress && !key->isAutoRepeat()) {
                    button->setFocus(Qt::ShortcutFocusReason);
                    button->click();
                }
                event->accept();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SettingsChildWindow::FillParent() {
    setGeometry(parentWidget()->rect());
}

}  // namespace velmora
