#pragma once
// Where the table's fixed 644 x 465 logical canvas lies in a widget: scaled as large
// as fits with its shape kept, and centred (with a band of logical pixels kept free
// below it, when asked, for what the window shows under the table). Maps logical places to widget
// pixels (snapped, so a piece keeps its pixel size wherever it moves) and back.

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace velmora {

class CanvasMapping {
  public:
    CanvasMapping();

    void Fit(QSize widget, int reservedBelow = 0);
    double Scale() const { return scale_; }
    QRectF Canvas() const;

    // A logical length or size in widget pixels; the same wherever it lies.
    QSize SizeOf(int width, int height) const;
    QPoint PointOf(int left, int top) const;
    QRect RectOf(int left, int top, int width, int height) const {
        return QRect(PointOf(left, top), SizeOf(width, height));
    }
    // The logical pixel under a widget position (may lie outside the canvas).
    QPoint LogicalAt(QPointF widget) const;

  private:
    double scale_ = 1;
    QPointF offset_;
};

}  // namespace velmora
