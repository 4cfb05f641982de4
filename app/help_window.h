#pragma once
// The program's help: its own pages, compiled into the program, in a window of their own.

#include <QTextBrowser>

namespace velmora {

class THelpWindow : public QTextBrowser {
    Q_OBJECT

public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Opens the help at its index (the table of contents at the top).
    void ShowIndex();
};

}  // namespace velmora
