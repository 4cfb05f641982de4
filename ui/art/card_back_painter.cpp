#include "ui/art/card_back_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace velmora {

namespace {

struct BackColours {
    QColor ground;
    QColor pattern;
    QColor frame;
};

// The white card with its border; returns the inner field the pattern fills.
QRectF PaintCardBody(QPainter& painter, const QRectF& rect, const BackColours& c) {
    const qreal unit = rect.width() / 72;
    const qreal radius = 5 * unit;
    painter.setPen(QPen(QColor(70, 70, 70), std::max(1.0, unit)));
    painter.setBrush(QColor(250, 250, 247));
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    const QRectF field = rect.adjusted(5 * unit, 5 * unit, -5 * unit, -5 * unit);
    QLinearGradient shade(field.topLeft(), field.bottomRight());
    shade.setColorAt(0, c.ground.lighter(120));
    shade.setColorAt(1, c.ground.darker(115));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawRoundedRect(field, 2.5 * unit, 2.5 * unit);
    return field;
}

// Back 0: a diagonal lattice with a diamond medallion.
void PaintLattice(QPainter& painter, const QRectF& field, const BackColours& c, qreal unit) {
    painter.save();
    painter.setClipRect(field);
    painter.setPen(QPen(c.pattern, 0.8 * unit));
    const qreal step = 6 * unit;
    const qreal span = field.width() + field.height();
    for (qreal d = -span; d < span; d += step) {
        painter.drawLine(QPointF(field.left() + d, field.top()),
                         QPointF(field.left() + d + field.height(), field.bottom()));
        painter.drawLine(QPointF(field.left() + d, field.bottom()),
                         QPointF(field.left() + d + field.height(), field.top()));
    }
    painter.restore();

    const QPointF centre = field.center();
    const qreal w = field.width() * 0.34, h = field.height() * 0.3;
    QPainterPath diamond;
    diamond.moveTo(centre.x(), centre.y() - h);
    diamond.lineTo(centre.x() + w, centre.y());
    diamond.lineTo(centre.x(), centre.y() + h);
    diamond.lineTo(centre.x() - w, centre.y());
    diamond.closeSubpath();
    painter.setPen(QPen(c.frame, 1.4 * unit));
    painter.setBrush(c.ground);
    painter.drawPath(diamond);
    painter.setBrush(c.frame);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, 4 * unit, 4 * unit);
}

// Back 1: rows of small rings inside a double frame, with an oval in the middle.
void PaintRings(QPainter& painter, const QRectF& field, const BackColours& c, qreal unit) {
    painter.save();
    painter.setClipRect(field);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(c.pattern, 0.8 * unit));
    const qreal step = 7 * unit;
    int row = 0;
    for (qreal y = field.top() + step / 2; y < field.bottom() + step; y += step * 0.87, ++row) {
        const qreal shift = row % 2 ? step / 2 : 0;
        for (qreal x = field.left() + shift; x < field.right() + step; x += step)
            painter.drawEllipse(QPointF(x, y), 2.6 * unit, 2.6 * unit);
    }
    painter.restore();

    painter.setPen(QPen(c.frame, 1.2 * unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(field.adjusted(3 * unit, 3 * unit, -3 * unit, -3 * unit), 2 * unit,
                            2 * unit);
    const QRectF oval(field.center().x() - 14 * unit, field.center().y() - 20 * unit, 28 * unit,
                      40 * unit);
    painter.setBrush(c.ground.darker(110));
    painter.drawEllipse(oval);
    painter.setBrush(c.frame);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(oval.adjusted(9 * unit, 13 * unit, -9 * unit, -13 * unit));
}

}  // namespace

void PaintCardBack(QPainter& painter, const QRectF& rect, int choice) {
    const qreal unit = rect.width() / 72;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (choice == 1) {
        const BackColours navy{QColor(22, 48, 112), QColor(120, 150, 215), QColor(235, 215, 140)};
        PaintRings(painter, PaintCardBody(painter, rect, navy), navy, unit);
    } else {
        const BackColours red{QColor(140, 18, 32), QColor(215, 110, 110), QColor(245, 225, 200)};
        PaintLattice(painter, PaintCardBody(painter, rect, red), red, unit);
    }
    painter.restore();
}

}  // namespace velmora
