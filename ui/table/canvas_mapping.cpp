#include "ui/table/canvas_mapping.h"

#include "table/table_scene.h"

#include <algorithm>
#include <cmath>

namespace velmora {

CanvasMapping::CanvasMapping() {
    Fit(QSize(kCanvasWidth, kCanvasHeight));
}

void CanvasMapping::Fit(QSize widget, int reservedBelow) {
    const int height = kCanvasHeight + std::max(0, reservedBelow);
    const double sx = double(std::max(1, widget.width())) / kCanvasWidth;
    const double sy = double(std::max(1, widget.height())) / height;
    scale_ = std::min(sx, sy);
    offset_ = QPointF((widget.width() - kCanvasWidth * scale_) / 2,
                      (widget.height() - height * scale_) / 2);
}

QRectF CanvasMapping::Canvas() const {
    return QRectF(offset_, QSizeF(kCanvasWidth * scale_, kCanvasHeight * scale_));
}

QSize CanvasMapping::SizeOf(int width, int height) const {
    return QSize(int(std::lround(width * scale_)), int(std::lround(height * scale_)));
}

QPoint CanvasMapping::PointOf(int left, int top) const {
    return QPoint(int(std::lround(offset_.x() + left * scale_)),
                  int(std::lround(offset_.y() + top * scale_)));
}

QPoint CanvasMapping::LogicalAt(QPointF widget) const {
    return QPoint(int(std::floor((widget.x() - offset_.x()) / scale_)),
                  int(std::floor((widget.y() - offset_.y()) / scale_)));
}

}  // namespace velmora
