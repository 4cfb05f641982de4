#include "ui/art/chip_painter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr int kInserts = 6;
constexpr double kInsertSpanDegrees = 22;

QRectF Shrunk(const QRectF& rect, double factor) {
    const double dx = rect.width() * (1 - factor) / 2, dy = rect.height() * (1 - factor) / 2;
    return rect.adjusted(dx, dy, -dx, -dy);
}

QColor Outline(const ChipLook& look) {
    return look.body.lightness() > 200 ? QColor(120, 120, 115) : look.body.darker(220);
}

void PaintBody(QPainter& painter, const QRectF& rect, const ChipLook& look) {
    QRadialGradient shade(rect.center() - QPointF(rect.width() * 0.2, rect.height() * 0.25),
                          rect.width() * 0.75);
    shade.setColorAt(0, look.body.lighter(125));
    shade.setColorAt(1, look.body.darker(118));
    painter.setPen(QPen(Outline(look), std::max(1.0, rect.width() / 50)));
    painter.setBrush(shade);
    painter.drawEllipse(rect);
}

// Six rectangular inserts set into the rim, as on real casino chips.
void PaintInserts(QPainter& painter, const QRectF& rect, const ChipLook& look) {
    const double rim = rect.width() * 0.15;
    const QRectF track = rect.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2);
    QPen pen(look.insert, rim, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < kInserts; ++i) {
        const double start = i * 360.0 / kInserts + 15;
        painter.drawArc(track, int(start * 16), int(kInsertSpanDegrees * 16));
    }
}

void PaintLabel(QPainter& painter, const QRectF& centre, const ChipLook& look) {
    if (look.label.isEmpty()) return;
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(1, int(centre.height() * 0.5)));
    // Long values ("1000", "2.50") shrink to fit inside the centre.
    const double room = centre.width() * 0.86;
    const double width = QFontMetricsF(font).horizontalAdvance(look.label);
    if (width > room) font.setPixelSize(std::max(1, int(font.pixelSize() * room / width)));
    painter.setFont(font);
    painter.setPen(look.insert);
    painter.drawText(centre, Qt::AlignCenter, look.label);
}

}  // namespace

void PaintChipFace(QPainter& painter, const QRectF& rect, const ChipLook& look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF disc = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    PaintBody(painter, disc, look);
    PaintInserts(painter, disc, look);

    // The raised centre: a slightly lighter inlay inside a thin ring of the inserts'
    // colour.
    const QRectF ring = Shrunk(disc, 0.66);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(look.insert, std::max(0.8, disc.width() / 45), Qt::DotLine));
    painter.drawEllipse(ring);
    const QRectF inlay = Shrunk(disc, 0.58);
    QRadialGradient raised(inlay.center() - QPointF(0, inlay.height() * 0.2), inlay.width() * 0.7);
    raised.setColorAt(0, look.body.lighter(115));
    raised.setColorAt(1, look.body);
    painter.setPen(QPen(look.body.darker(140), std::max(0.6, disc.width() / 80)));
    painter.setBrush(raised);
    painter.drawEllipse(inlay);
    PaintLabel(painter, inlay, look);
    painter.restore();
}

double TiltedChipEdge(double width) {
    return width * 0.12;
}

QPainterPath TiltedChipShape(const QRectF& rect) {
    const double edge = TiltedChipEdge(rect.width());
    const QRectF face(rect.left(), rect.top(), rect.width(), rect.height() - edge);
    QPainterPath shape;
    shape.addEllipse(face);
    shape.addEllipse(face.translated(0, edge));
    shape.addRect(QRectF(face.left(), face.center().y(), face.width(), edge));
    shape.setFillRule(Qt::WindingFill);
    return shape.simplified();
}

void PaintTiltedChip(QPainter& painter, const QRectF& rect, const ChipLook& look) {
    const double edge = TiltedChipEdge(rect.width());
    const QRectF face(rect.left(), rect.top(), rect.width(), rect.height() - edge);
    const QRectF bottom = face.translated(0, edge);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // The edge: the lower half of the bottom ellipse joined to the face's middle.
    QPainterPath side;
    side.addEllipse(bottom.adjusted(0.5, 0.5, -0.5, -0.5));
    side.addRect(QRectF(face.left() + 0.5, face.center().y(), face.width() - 1, edge));
    side.setFillRule(Qt::WindingFill);
    // Lit from above: the edge darkens downwards, so chips piled on each other show
    // as separate ridges.
    QLinearGradient shade(0, face.center().y(), 0, bottom.bottom());
    shade.setColorAt(0, look.body.darker(112));
    shade.setColorAt(1, look.body.darker(175));
    painter.setPen(QPen(Outline(look), std::max(1.0, rect.width() / 40)));
    painter.setBrush(shade);
    painter.drawPath(side.simplified());

    // The inserts run over the edge too: bands where the face's inserts meet the rim.
    painter.setClipPath(side);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.insert.darker(112));
    const double rx = face.width() / 2;
    for (int i = 0; i < kInserts; ++i) {
        const double mid = (i * 360.0 / kInserts + 15 + kInsertSpanDegrees / 2) * M_PI / 180;
        if (std::sin(mid) > -0.05) continue;  // on the far side of the chip
        const double x = face.center().x() + rx * std::cos(mid);
        const double half = rx * std::abs(std::sin(mid)) * kInsertSpanDegrees * M_PI / 360;
        painter.drawRect(QRectF(x - half, face.center().y(), 2 * half, edge + face.height()));
    }
    painter.setClipping(false);
    painter.restore();
    PaintChipFace(painter, face, look);
}

}  // namespace velmora
