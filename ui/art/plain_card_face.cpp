#include "ui/art/plain_card_face.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace velmora {

namespace {

constexpr const char* kRanks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
// Clubs, diamonds, hearts, spades.
constexpr char16_t kSuits[] = {u'\u2663', u'\u2666', u'\u2665', u'\u2660'};

void PaintIndex(QPainter& painter, const QRectF& corner, const QString& rank, QChar suit) {
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(1, int(corner.height() * 0.5)));
    painter.setFont(font);
    const QRectF top(corner.left(), corner.top(), corner.width(), corner.height() * 0.5);
    const QRectF bottom = top.translated(0, corner.height() * 0.5);
    painter.drawText(top, Qt::AlignCenter, rank);
    painter.drawText(bottom, Qt::AlignCenter, QString(suit));
}

}  // namespace

void PaintPlainCardFace(QPainter& painter, const QRectF& rect, int card) {
    const int suit = (card - 1) / 13;
    const int rank = (card - 1) % 13;
    const qreal radius = rect.width() * 0.08;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), std::max(1.0, rect.width() / 72)));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

    const bool red = suit == 1 || suit == 2;
    painter.setPen(red ? QColor(200, 20, 30) : QColor(20, 20, 20));
    const QRectF corner(rect.left() + rect.width() * 0.04, rect.top() + rect.height() * 0.03,
                        rect.width() * 0.22, rect.height() * 0.26);
    PaintIndex(painter, corner, kRanks[rank], QChar(kSuits[suit]));
    // The lower corner reads the same way up from the other side of the table.
    painter.save();
    painter.translate(rect.center());
    painter.rotate(180);
    painter.translate(-rect.center());
    PaintIndex(painter, corner, kRanks[rank], QChar(kSuits[suit]));
    painter.restore();

    QFont big = painter.font();
    big.setPixelSize(std::max(1, int(rect.height() * 0.4)));
    painter.setFont(big);
    painter.drawText(rect, Qt::AlignCenter, QString(QChar(kSuits[suit])));
    painter.restore();
}

}  // namespace velmora
