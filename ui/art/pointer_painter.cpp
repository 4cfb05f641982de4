#include "ui/art/pointer_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace velmora {

void PaintPointer(QPainter& painter, const QRectF& rect) {
    // Laid out on the pointer's own 53 x 36 grid.
    const double sx = rect.width() / 53, sy = rect.height() / 36;
    auto at = [&](double x, double y) {
        return QPointF(rect.left() + x * sx, rect.top() + y * sy);
    };
    QPainterPath arrow;
    arrow.moveTo(at(19, 2));
    arrow.lineTo(at(34, 2));
    arrow.lineTo(at(34, 15));
    arrow.lineTo(at(46, 15));
    arrow.lineTo(at(26.5, 34));
    arrow.lineTo(at(7, 15));
    arrow.lineTo(at(19, 15));
    arrow.closeSubpath();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPath(arrow.translated(1.2 * sx, 1.5 * sy));
    QLinearGradient gold(at(0, 2), at(53, 34));
    gold.setColorAt(0, QColor(255, 236, 140));
    gold.setColorAt(0.5, QColor(236, 184, 50));
    gold.setColorAt(1, QColor(176, 118, 20));
    painter.setPen(QPen(QColor(110, 70, 10), std::max(1.0, 1.2 * sx), Qt::SolidLine, Qt::SquareCap,
                        Qt::RoundJoin));
    painter.setBrush(gold);
    painter.drawPath(arrow);
    painter.restore();
}

}  // namespace velmora
