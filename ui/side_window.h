#pragma once
// A window of its own beside the main window (the help, the analysis charts). It can
// always be closed, by its Close button or by Escape, also where no window manager
// draws a title bar; and it opens inside the screen the main window is on, below the
// main window's menu bar, made smaller where the screen has less room than it asks.

class QBoxLayout;
class QPushButton;
class QWidget;

namespace velmora {

// Adds a row with a "Close" button to the end of the window's layout and lets Escape
// close the window. Returns the button.
QPushButton* AddCloseRow(QWidget& window, QBoxLayout& layout);

// Centres the window over the main window, then moves and shrinks it as needed to
// lie inside the main window's screen and below its menu bar.
void PlaceBesideMainWindow(QWidget& window, const QWidget& mainWindow);

}  // namespace velmora
