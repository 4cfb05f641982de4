#include "ui/art/felt_painter.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>

namespace velmora {

namespace {

const QColor kFeltCentre(22, 120, 62);
const QColor kFeltEdge(8, 66, 34);

// A small tile of light and dark specks: the cloth's weave, the same on every start.
const QImage& WeaveTile() {
    static const QImage tile = [] {
        QImage image(96, 96, QImage::Format_ARGB32_Premultiplied);
        QRandomGenerator random(20240611);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int v = int(random.bounded(100));
                const QColor speck =
                    v < 50 ? QColor(0, 0, 0, v / 6) : QColor(255, 255, 255, (v - 50) / 9);
                image.setPixelColor(x, y, speck);
            }
        return image;
    }();
    return tile;
}

// The house's print on the cloth, low between the two bet boxes where no card or
// chip ever lies.
void PaintPrint(QPainter& painter, const QRectF& canvas, double scale) {
    const QColor ink(235, 210, 120, 80);
    QFont font = painter.font();
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.2 * scale);
    font.setPixelSize(std::max(1, int(10 * scale)));
    painter.setFont(font);
    painter.setPen(ink);
    const QRectF line(canvas.left() + 110 * scale, canvas.top() + 436 * scale, 200 * scale,
                      16 * scale);
    painter.drawText(line, Qt::AlignCenter, "BLACKJACK PAYS 3 TO 2");
    painter.setPen(QPen(ink, std::max(1.0, 0.8 * scale)));
    const double y = line.top() - 2 * scale;
    painter.drawLine(QPointF(line.left() + 20 * scale, y), QPointF(line.right() - 20 * scale, y));
}

// The player's chip rack at the right edge: a shallow tray pressed into the cloth
// behind the stacks.
void PaintRackTray(QPainter& painter, const QRectF& canvas, double scale) {
    const QRectF tray(canvas.left() + 563 * scale, canvas.top() + 26 * scale, 78 * scale,
                      360 * scale);
    const double radius = 10 * scale;
    QLinearGradient depth(tray.topLeft(), tray.topRight());
    depth.setColorAt(0, QColor(0, 0, 0, 70));
    depth.setColorAt(0.15, QColor(0, 0, 0, 40));
    depth.setColorAt(1, QColor(0, 0, 0, 30));
    painter.setPen(QPen(QColor(255, 255, 255, 28), std::max(1.0, scale)));
    painter.setBrush(depth);
    painter.drawRoundedRect(tray, radius, radius);
}

}  // namespace

void PaintFelt(QPainter& painter, const QSize& size, const QRectF& canvas, double scale) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, size.width(), size.height());
    QRadialGradient light(canvas.center() - QPointF(0, canvas.height() * 0.15),
                          std::max(all.width(), all.height()) * 0.7);
    light.setColorAt(0, kFeltCentre);
    light.setColorAt(1, kFeltEdge);
    painter.fillRect(all, light);
    painter.fillRect(all, QBrush(WeaveTile()));
    PaintPrint(painter, canvas, scale);
    PaintRackTray(painter, canvas, scale);
    painter.restore();
}

}  // namespace velmora
