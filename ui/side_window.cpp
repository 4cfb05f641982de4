#include "ui/side_window.h"

#include <QBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <algorithm>

namespace velmora {

QPushButton* AddCloseRow(QWidget& window, QBoxLayout& layout) {
    auto* close = new QPushButton("Close", &window);
    close->setObjectName("CloseButton");
    QObject::connect(close, &QPushButton::clicked, &window, &QWidget::close);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(close);
    layout.addLayout(row);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    QObject::connect(escape, &QShortcut::activated, &window, &QWidget::close);
    return close;
}

void PlaceBesideMainWindow(QWidget& window, const QWidget& mainWindow) {
    const QScreen* screen = mainWindow.screen();
    if (!screen) return;
    QRect room = screen->availableGeometry();
    // Below the menu bar, so that the menus stay in reach.
    if (const auto* main = qobject_cast<const QMainWindow*>(&mainWindow)) {
        if (const QMenuBar* bar = main->menuBar(); bar && bar->isVisible())
            room.setTop(std::max(room.top(), bar->mapToGlobal(QPoint(0, bar->height())).y()));
    }
    // The frame a window manager adds around the window counts as well (none without one).
    const QMargins frame(window.geometry().left() - window.frameGeometry().left(),
                         window.geometry().top() - window.frameGeometry().top(),
                         window.frameGeometry().right() - window.geometry().right(),
                         window.frameGeometry().bottom() - window.geometry().bottom());
    const QRect inner = room.marginsRemoved(frame);
    const QSize size = window.size().boundedTo(inner.size());
    window.resize(size);
    QRect placed(QPoint(), size);
    placed.moveCenter(mainWindow.geometry().center());
    placed.moveLeft(std::clamp(placed.left(), inner.left(), inner.right() - size.width() + 1));
    placed.moveTop(std::clamp(placed.top(), inner.top(), inner.bottom() - size.height() + 1));
    window.move(placed.topLeft() - QPoint(frame.left(), frame.top()));
}

}  // namespace velmora
