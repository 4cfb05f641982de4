#include "ui/table/table_window.h"

#include "table/player.h"
#include "ui/table/qt_animator.h"
#include "ui/table/table_widget.h"

#include <QVBoxLayout>

namespace velmora {

TableWindow::TableWindow(Game& game, QWidget* parent)
    : QWidget(parent), animator_(std::make_unique<QtAnimator>()) {
    setObjectName("TableWindow");
    setWindowTitle(kCaption);
    // The player holds the scene and needs the animator; the widget draws that scene,
    // so the animator learns of its widget last.
    player_ = std::make_unique<TPlayer>(game, *animator_);
    widget_ = new TableWidget(player_->Scene, this);
    animator_->SetWidget(widget_);
    animator_->SetClosed([player = player_.get()] { return player->Closed(); });
    widget_->SetSpeedBarHandler(
        [player = player_.get()](int position) { player->SpeedBarChanged(position); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(widget_);
}

TableWindow::~TableWindow() {
    // The widget draws the player's scene: it goes before the player does.
    delete widget_;
    animator_->SetWidget(nullptr);
}

}  // namespace velmora
