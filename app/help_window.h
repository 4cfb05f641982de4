#pragma once
// The program's help: its own pages, compiled into the program, in a window of their
// own with a Close button (Escape closes it too).

#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace velmora {

class THelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Opens the help at its index (the table of contents at the top); a window not yet
    // shown opens over the main window, inside its screen and below its menu bar.
    void ShowIndex();

    QTextBrowser* Pages;
    QPushButton* CloseButton;
};

}  // namespace velmora
