#pragma once
// The table drawn in a window: the scene's pieces in order, bottom first, on the
// felt, the fixed 644 x 465 logical canvas scaled to the widget with its shape kept.
// Only what changed is repainted: the widget keeps each piece as it last showed it
// and updates the old and new places of the pieces that differ. It finds the piece
// under the mouse, shows its hint as a tooltip, drives the speed bar, and hands the
// other presses, moves and releases on for the table's gestures.

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "table/table_scene.h"
#include "ui/table/sprite_painter.h"
#include "ui/table/sprite_role.h"

namespace velmora {

class PictureCache;
class TableMouse;

class TableWidget : public QWidget {
    Q_OBJECT

  public:
    explicit TableWidget(const TableScene& scene, QWidget* parent = nullptr);
    ~TableWidget() override;

    // Schedules a repaint of the places of every piece that changed since the last call.
    void UpdateChanged();

    const CanvasMapping& Mapping() const { return painter_.Mapping(); }
    // Keeps a band of this many logical pixels free under the canvas, scaled with it
    // (the window's buttons lie there).
    void SetReservedBelow(int logicalPixels);
    // The topmost shown piece at a widget position.
    std::optional<SpriteId> SpriteAt(QPointF widgetPos) const;

    // The speed bar was moved to a position 1..100 by the player.
    void SetSpeedBarHandler(std::function<void(int)> handler) { speedBar_ = std::move(handler); }
    void SetMouseHandler(TableMouse* mouse) { mouse_ = mouse; }

    PictureCache& Pictures() { return *cache_; }
    // Renders every card, back and chip for the current size now, so that no motion
    // waits for a picture to be drawn.
    void WarmUp();
    // The time the last paint event took, and the paint events so far.
    double LastPaintMs() const { return lastPaintMs_; }
    long long Paints() const { return paints_; }

  signals:
    // The canvas has been placed anew for the widget's size.
    void Refitted();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    // Places the canvas for the widget's size and pixel ratio; the pictures of the
    // old ones are dropped.
    void Refit();
    bool PartOfPressUnderWay(const QMouseEvent& event) const;
    // A mouse position relative to the pressed piece's place at the press.
    QPoint FromPress(QPointF widgetPos) const;
    void PressSpeedBar(QPoint logical);
    void DragSpeedBar(QPoint logical);
    void MoveSpeedBar(int position);
    void PaintFeltIn(QPainter& painter, const QRegion& region);

    const TableScene& scene_;
    std::vector<SpriteRole> roles_;
    std::vector<Sprite> shown_;  // each piece as it was last put on the screen
    std::unique_ptr<PictureCache> cache_;
    SpritePainter painter_;
    QPixmap felt_;
    QTimer warmUp_;
    bool warmedUp_ = false;
    int reservedBelow_ = 0;
    double dpr_ = 1;

    std::function<void(int)> speedBar_;
    TableMouse* mouse_ = nullptr;
    std::optional<SpriteId> pressed_;  // kNoSprite: the bare table
    Qt::MouseButton pressButton_ = Qt::NoButton;
    QPoint pressOrigin_;
    std::optional<int> thumbGrab_;  // dragging the speed bar: the grab's offset in the thumb

    double lastPaintMs_ = 0;
    long long paints_ = 0;
};

}  // namespace velmora
