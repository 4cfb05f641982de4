#include "ui/table/sprite_painter.h"

#include "table/table_scene.h"
#include "ui/art/chip_painter.h"
#include "ui/art/picture_cache.h"
#include "ui/table/speed_bar_layout.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr int kChipSize = 44;
constexpr int kPointerWidth = 53;
constexpr int kPointerHeight = 36;
// Rack chips and the chips that stack outlines and pile outlines stand for are drawn
// tilted at the rack's chip height.
constexpr int kTiltedHeight = 38;
constexpr int kPaintMargin = 2;

QSize NaturalSize(PictureKind kind) {
    switch (kind) {
        case PictureKind::CardFace:
        case PictureKind::CardBack:
            return QSize(kCardWidth, kCardHeight);
        case PictureKind::Chip:
            return QSize(kChipSize, kChipSize);
        case PictureKind::Pointer:
            return QSize(kPointerWidth, kPointerHeight);
        case PictureKind::None:
            break;
    }
    return QSize();
}

Art ArtOf(PictureKind kind) {
    switch (kind) {
        case PictureKind::CardFace:
            return Art::CardFace;
        case PictureKind::CardBack:
            return Art::CardBack;
        case PictureKind::Chip:
            return Art::ChipFace;
        default:
            return Art::Pointer;
    }
}

QColor ColourOf(Rgb rgb, int alpha = 255) {
    QColor colour = QColor::fromRgb(rgb);
    colour.setAlpha(alpha);
    return colour;
}

// Panel grounds: the table's pure colours toned down to the shades of a printed
// casino sign, so a blue advice panel or a red limit panel does not glare.
QColor PanelGround(Rgb rgb) {
    switch (rgb) {
        case colour::kBlue:
            return QColor(30, 66, 178);
        case colour::kRed:
            return QColor(186, 30, 42);
        case colour::kLime:
            return QColor(84, 196, 72);
        case colour::kBlack:
            return QColor(26, 26, 30);
        case colour::kWhite:
            return QColor(250, 250, 245);
        default:
            return QColor::fromRgb(rgb);
    }
}

// A panel's font: as tall as the panel allows, narrowed to fit a long caption (a
// bankroll of millions, "Maximum Bet $1,000") inside the panel, `margin` logical
// pixels short of each side.
QFont CaptionFont(QFont font, const Sprite& sprite, const QString& caption, double unit,
                  double margin = 2) {
    const double room = (sprite.Width - 2 * margin) * unit;
    font.setPixelSize(std::max(1, int(std::lround(std::min(sprite.Height * 0.7, 13.0) * unit))));
    font.setBold(sprite.Bold);
    font.setUnderline(sprite.Underline);
    double width = QFontMetricsF(font).horizontalAdvance(caption);
    // A sign's word ("BLACKJACK!") keeps its height, narrowed first, and only then smaller.
    if (width > room && sprite.HugCaption) {
        constexpr int kNarrowest = 78;  // percent of the letters' own width
        font.setStretch(std::max(kNarrowest, int(100 * room / width)));
        width = QFontMetricsF(font).horizontalAdvance(caption);
    }
    if (width > room) font.setPixelSize(std::max(1, int(font.pixelSize() * room / width)));
    return font;
}

}  // namespace

bool SpritePainter::Drawn(const Sprite& sprite) {
    if (!sprite.Visible || sprite.Width <= 0 || sprite.Height <= 0) return false;
    return sprite.Kind != SpriteKind::Image || sprite.Pic.Kind != PictureKind::None;
}

QRect SpritePainter::PaintRect(const Sprite& sprite) const {
    return mapping_.RectOf(sprite.Left, sprite.Top, sprite.Width, sprite.Height)
        .adjusted(-kPaintMargin, -kPaintMargin, kPaintMargin, kPaintMargin);
}

void SpritePainter::Paint(QPainter& painter, const Sprite& sprite, SpriteRole role) const {
    if (!Drawn(sprite)) return;
    switch (sprite.Kind) {
        case SpriteKind::Image:
            PaintImage(painter, sprite);
            break;
        case SpriteKind::Ellipse:
            PaintOutline(painter, sprite, role);
            break;
        case SpriteKind::Rectangle:
            PaintCutCard(painter, sprite);
            break;
        case SpriteKind::Panel:
            PaintPanel(painter, sprite);
            break;
        case SpriteKind::SpeedBar:
            PaintSpeedBar(painter, sprite);
            break;
    }
}

void SpritePainter::PaintImage(QPainter& painter, const Sprite& sprite) const {
    const QRect rect = mapping_.RectOf(sprite.Left, sprite.Top, sprite.Width, sprite.Height);
    if (rect.isEmpty()) return;
    const Picture& pic = sprite.Pic;
    // A squeezed chip is a rack chip: drawn for its own size, tilted.
    if (sprite.Stretch && pic.Kind == PictureKind::Chip) {
        painter.drawPixmap(rect.topLeft(),
                           cache_.Get(Art::TiltedChip, pic.Value, rect.size(), dpr_));
        return;
    }
    const QSize natural =
        mapping_.SizeOf(NaturalSize(pic.Kind).width(), NaturalSize(pic.Kind).height());
    const QPixmap& pixmap = cache_.Get(ArtOf(pic.Kind), pic.Value, natural, dpr_);
    if (sprite.Stretch) {  // the hole card turning: squeezed, not drawn anew
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect, pixmap);
        painter.restore();
        return;
    }
    // At its own size, cut at the piece's edges (the short tenth and eleventh cards).
    const QSize shown = rect.size().boundedTo(natural);
    const QSizeF source = QSizeF(shown) * dpr_;
    painter.drawPixmap(QRectF(rect.topLeft(), shown), pixmap, QRectF(QPointF(0, 0), source));
}

void SpritePainter::PaintOutline(QPainter& painter, const Sprite& sprite, SpriteRole role) const {
    const QRect rect = mapping_.RectOf(sprite.Left, sprite.Top, sprite.Width, sprite.Height);
    switch (role) {
        case SpriteRole::Ring:  // the second chip under a bet chip, its edge showing
            painter.drawPixmap(rect.topLeft(),
                               cache_.Get(Art::ColourTilted, int(sprite.Pen), rect.size(), dpr_));
            return;
        case SpriteRole::StackOutline:  // one more chip on a rack stack
            painter.drawPixmap(rect.topLeft(),
                               cache_.Get(Art::ColourTilted, int(sprite.Pen),
                                          mapping_.SizeOf(sprite.Width, kTiltedHeight), dpr_));
            return;
        case SpriteRole::PileOutline:
            PaintPile(painter, sprite);
            return;
        default:
            break;
    }
    // A bet box: a ring printed on the felt.
    const double pen = std::max(1.0, sprite.PenWidth * mapping_.Scale());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ColourOf(sprite.Pen, 200), pen));
    painter.setBrush(ColourOf(sprite.Pen, 24));
    painter.drawEllipse(QRectF(rect).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
    painter.restore();
}

// A chip under the pile being exchanged (Chipa one lower, Chipb two lower): only
// its edge below the chip over it shows.
void SpritePainter::PaintPile(QPainter& painter, const Sprite& sprite) const {
    const QRect chip =
        mapping_.RectOf(sprite.Left, sprite.Bottom() - kTiltedHeight, sprite.Width, kTiltedHeight);
    const QRect above =
        mapping_.RectOf(sprite.Left, sprite.Top, kChipSize, sprite.Height - kPaintMargin - 1);
    QPainterPath visible;
    visible.addRect(QRectF(chip).adjusted(-1, -1, 1, 1));
    visible = visible.subtracted(TiltedChipShape(above));
    painter.save();
    painter.setClipPath(visible, Qt::IntersectClip);
    painter.drawPixmap(chip.topLeft(),
                       cache_.Get(Art::ColourTilted, int(sprite.Pen), chip.size(), dpr_));
    painter.restore();
}

void SpritePainter::PaintCutCard(QPainter& painter, const Sprite& sprite) const {
    const QRectF rect = mapping_.RectOf(sprite.Left, sprite.Top, sprite.Width, sprite.Height);
    const double unit = mapping_.Scale();
    const QColor base = PanelGround(sprite.Fill);
    QLinearGradient gloss(rect.topLeft(), rect.bottomRight());
    gloss.setColorAt(0, base.lighter(135));
    gloss.setColorAt(0.45, base);
    gloss.setColorAt(1, base.darker(140));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(base.darker(200), std::max(1.0, unit)));
    painter.setBrush(gloss);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 4 * unit, 4 * unit);
    painter.setPen(QPen(QColor(255, 255, 255, 90), std::max(1.0, unit)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rect.adjusted(4 * unit, 4 * unit, -4 * unit, -4 * unit), 2 * unit,
                            2 * unit);
    painter.restore();
}

namespace {

// The part of a panel its ground covers: all of it, or for a panel that hugs its
// caption the caption's width and a margin, on the side of its alignment.
QRectF GroundOf(const Sprite& sprite, const QRectF& rect, double textWidth, double margin) {
    if (!sprite.HugCaption) return rect;
    const double width = std::min(rect.width(), textWidth + 2 * margin);
    switch (sprite.Alignment) {
        case Align::Left:
            return QRectF(rect.left(), rect.top(), width, rect.height());
        case Align::Right:
            return QRectF(rect.right() - width, rect.top(), width, rect.height());
        case Align::Centre:
            break;
    }
    return QRectF(rect.center().x() - width / 2, rect.top(), width, rect.height());
}

Qt::Alignment TextAlignment(const Sprite& sprite) {
    if (sprite.HugCaption) return Qt::AlignCenter;  // centred in its own ground
    switch (sprite.Alignment) {
        case Align::Left:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case Align::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Align::Centre:
            break;
    }
    return Qt::AlignCenter;
}

}  // namespace

void SpritePainter::PaintPanel(QPainter& painter, const Sprite& sprite) const {
    const QRectF rect = mapping_.RectOf(sprite.Left, sprite.Top, sprite.Width, sprite.Height);
    const double unit = mapping_.Scale();
    const QString caption = QString::fromStdString(sprite.Caption);
    // A hugging ground leaves room around its caption: a pill, not a bar.
    const double margin = sprite.HugCaption ? sprite.Height * 0.4 : 2;
    const QFont font = CaptionFont(painter.font(), sprite, caption, unit, margin);
    const QRectF ground =
        GroundOf(sprite, rect, QFontMetricsF(font).horizontalAdvance(caption), margin * unit);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (sprite.Filled) {
        const QColor colour = PanelGround(sprite.Fill);
        QLinearGradient sheen(ground.topLeft(), ground.bottomLeft());
        sheen.setColorAt(0, colour.lighter(118));
        sheen.setColorAt(1, colour);
        painter.setPen(QPen(colour.lightness() > 128 ? colour.darker(130) : colour.lighter(160),
                            std::max(1.0, unit * 0.8)));
        painter.setBrush(sheen);
        const double radius = sprite.HugCaption ? ground.height() / 2 : 2.5 * unit;
        painter.drawRoundedRect(ground.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    }
    if (!caption.isEmpty()) {
        painter.setFont(font);
        const QRectF text = sprite.HugCaption ? ground : rect;
        // Text straight on the felt gets a shadow so it reads on any cloth.
        if (!sprite.Filled) {
            painter.setPen(QColor(0, 0, 0, 150));
            painter.drawText(text.translated(unit, unit), TextAlignment(sprite), caption);
        }
        painter.setPen(ColourOf(sprite.TextColour));
        painter.drawText(text, TextAlignment(sprite), caption);
    }
    painter.restore();
}

void SpritePainter::PaintSpeedBar(QPainter& painter, const Sprite& sprite) const {
    const SpeedBarLayout layout(sprite);
    const double unit = mapping_.Scale();
    const QRectF bar = mapping_.RectOf(sprite.Left, sprite.Top, sprite.Width, sprite.Height);
    const QRectF track =
        mapping_.RectOf(layout.TrackLeft(), sprite.Top, layout.TrackWidth(), sprite.Height);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 0, 120), std::max(1.0, unit * 0.8)));
    painter.setBrush(QColor(12, 40, 22, 200));
    painter.drawRoundedRect(bar.adjusted(0.5, 0.5, -0.5, -0.5), bar.height() / 2, bar.height() / 2);

    // The arrows at both ends.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(235, 235, 225));
    const double a = bar.height() * 0.22;
    for (int side : {-1, 1}) {
        const double cx = side < 0 ? bar.left() + bar.height() / 2 : bar.right() - bar.height() / 2;
        const QPointF tip(cx + side * a, bar.center().y());
        const QPointF points[] = {tip, QPointF(cx - side * a, bar.center().y() - a),
                                  QPointF(cx - side * a, bar.center().y() + a)};
        painter.drawPolygon(points, 3);
    }
    painter.setPen(QPen(QColor(255, 255, 255, 60), std::max(1.0, unit)));
    painter.drawLine(QPointF(track.left(), track.center().y()),
                     QPointF(track.right(), track.center().y()));

    const QRectF thumb = mapping_.RectOf(layout.ThumbLeft(sprite.Tag), sprite.Top,
                                         layout.ThumbWidth(), sprite.Height);
    QLinearGradient raised(thumb.topLeft(), thumb.bottomLeft());
    raised.setColorAt(0, QColor(255, 236, 150));
    raised.setColorAt(1, QColor(206, 150, 40));
    painter.setPen(QPen(QColor(110, 70, 10), std::max(1.0, unit * 0.8)));
    painter.setBrush(raised);
    painter.drawEllipse(thumb.adjusted(unit, unit, -unit, -unit));
    painter.restore();
}

}  // namespace velmora
