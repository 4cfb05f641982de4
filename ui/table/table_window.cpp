#include "ui/table/table_window.h"

#include "table/player.h"
#include "table/stand_reach.h"
#include "ui/table/gesture_mouse.h"
#include "ui/table/play_button.h"
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
    mouse_ = std::make_unique<GestureMouse>(*player_);
    widget_->SetMouseHandler(mouse_.get());
    widget_->SetSpeedBarHandler(
        [player = player_.get()](int position) { player->SpeedBarChanged(position); });

    // The buttons lie on the felt under the drawn table, in a band the widget keeps free.
    buttons_ = new PlayButtonStrip(widget_);
    connect(widget_, &TableWidget::Refitted, this, [this] {
        const CanvasMapping& m = widget_->Mapping();
        buttons_->Place(m.RectOf(0, kCanvasHeight, kCanvasWidth, PlayButtonStrip::kLogicalHeight),
                        m.Scale());
    });
    widget_->SetReservedBelow(PlayButtonStrip::kLogicalHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(widget_);
}

void TableWindow::BindPlayCommands(const std::vector<PlayButtonBinding>& bindings) {
    buttons_->Bind(bindings);
    if (PlayButton* stand = buttons_->Button(PlayCommand::Stand)) {
        stand->SetToolTipSource(
            [game = &player_->game] { return QString::fromStdString(StandReachText(*game)); });
    }
}

TableWindow::~TableWindow() {
    // The widget draws the player's scene: it goes before the player does.
    delete widget_;
    animator_->SetWidget(nullptr);
}

}  // namespace velmora
