#pragma once
// A settings window as the main window shows it: a borderless child that covers its
// parent's whole area, follows its parent's size, and shows its controls on a
// raised panel centred on the button-face background (scrolled when the area is too
// small for them). The controls keep the arrangement of the window's design; Qt
// layouts size them for the font in use.

#include <QFont>
#include <QFrame>
#include <QWidget>

class QAbstractButton;
class QKeyEvent;

namespace velmora {

class SettingsChildWindow : public QWidget {
    Q_OBJECT

public:
    // The bold "System" font of the settings windows: 13 pixels high.
    static QFont SystemFont();
    // The lighter font of the preferences window: 11 pixels high.
    static QFont SansSerifFont();

protected:
    explicit SettingsChildWindow(QWidget* parent);

public:
    // The first control in the tab order takes the focus, so the first Tab moves on
    // from a control that shows it.
    void FocusFirstControl();

protected:
    // A raised panel of the window's background, as the windows' designs draw them.
    static QFrame* NewPanel(QWidget* parent, const QString& name);
    // Shows `content` centred in the window, or scrolled in a window too small for it.
    void SetContent(QWidget* content);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillParent();
    // The enabled control shown here whose caption's accelerator is this key (Alt+R
    // for "&Reset to Default"), if any.
    QAbstractButton* ButtonOfAccelerator(const QKeyEvent& key) const;
};

}  // namespace velmora
