#include "ui/table/table_widget.h"

#include "table/chips.h"
#include "ui/art/card_deck.h"
#include "ui/art/felt_painter.h"
#include "ui/art/picture_cache.h"
#include "ui/table/speed_bar_layout.h"
#include "ui/table/table_mouse.h"

#include <QElapsedTimer>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

namespace velmora {

namespace {

// A resize is followed by more while the player drags the frame: the pictures of
// the new size are drawn once it has rested this long.
constexpr int kWarmUpDelayMs = 150;

// Two states of a piece that look the same on the screen.
bool SameLook(const Sprite& a, const Sprite& b) {
    const bool drawnA = SpritePainter::Drawn(a), drawnB = SpritePainter::Drawn(b);
    if (!drawnA || !drawnB) return drawnA == drawnB;
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height &&
           a.Stretch == b.Stretch && a.Pic == b.Pic &&
           (a.Kind != SpriteKind::SpeedBar || a.Tag == b.Tag) && a.Pen == b.Pen &&
           a.PenWidth == b.PenWidth && a.Fill == b.Fill && a.Filled == b.Filled &&
           a.Caption == b.Caption && a.TextColour == b.TextColour && a.Bold == b.Bold &&
           a.Underline == b.Underline && a.Alignment == b.Alignment && a.HugCaption == b.HugCaption;
}

}  // namespace

TableWidget::TableWidget(const TableScene& scene, QWidget* parent)
    : QWidget(parent),
      scene_(scene),
      shown_(scene.Sprites()),
      cache_(std::make_unique<PictureCache>(CardDeck::Shared())),
      painter_(*cache_) {
    setObjectName("TableWidget");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    roles_.reserve(shown_.size());
    for (const Sprite& sprite : shown_) roles_.push_back(RoleOf(sprite));
    warmUp_.setSingleShot(true);
    warmUp_.setInterval(kWarmUpDelayMs);
    connect(&warmUp_, &QTimer::timeout, this, &TableWidget::WarmUp);
}

TableWidget::~TableWidget() = default;

void TableWidget::UpdateChanged() {
    const std::vector<Sprite>& now = scene_.Sprites();
    QRegion dirty;
    for (size_t i = 0; i < now.size(); ++i) {
        if (SameLook(now[i], shown_[i])) continue;
        if (SpritePainter::Drawn(shown_[i])) dirty += painter_.PaintRect(shown_[i]);
        if (SpritePainter::Drawn(now[i])) dirty += painter_.PaintRect(now[i]);
        shown_[i] = now[i];
    }
    if (!dirty.isEmpty()) update(dirty);
}

std::optional<SpriteId> TableWidget::SpriteAt(QPointF widgetPos) const {
    const QPoint logical = Mapping().LogicalAt(widgetPos);
    return scene_.SpriteAt(logical.x(), logical.y());
}

void TableWidget::WarmUp() {
    const double dpr = devicePixelRatioF();
    const CanvasMapping& m = Mapping();
    const QSize card = m.SizeOf(kCardWidth, kCardHeight);
    for (int n = 1; n <= 52; ++n) cache_->Get(Art::CardFace, n, card, dpr);
    for (int back : {0, 1}) cache_->Get(Art::CardBack, back, card, dpr);
    for (int code : kChipCodes) {
        cache_->Get(Art::ChipFace, code, m.SizeOf(44, 44), dpr);
        cache_->Get(Art::TiltedChip, code, m.SizeOf(44, 38), dpr);
    }
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Refit();
    // The first size is the one the table opens with: its pictures are drawn before
    // the first deal. Later sizes come in bursts while the frame is dragged.
    if (!warmedUp_) {
        warmedUp_ = true;
        WarmUp();
    } else {
        warmUp_.start();
    }
    update();
}

void TableWidget::SetReservedBelow(int logicalPixels) {
    reservedBelow_ = logicalPixels;
    Refit();
    update();
}

void TableWidget::Refit() {
    CanvasMapping mapping;
    mapping.Fit(size(), reservedBelow_);
    dpr_ = devicePixelRatioF();
    painter_.SetMapping(mapping, dpr_);
    cache_->Clear();
    felt_ = QPixmap();
    emit Refitted();
}

void TableWidget::PaintFeltIn(QPainter& painter, const QRegion& region) {
    const double dpr = devicePixelRatioF();
    if (felt_.size() != size() * dpr) {
        felt_ = QPixmap(size() * dpr);
        felt_.setDevicePixelRatio(dpr);
        QPainter feltPainter(&felt_);
        PaintFelt(feltPainter, size(), Mapping().Canvas(), Mapping().Scale());
    }
    for (const QRect& rect : region)
        painter.drawPixmap(rect, felt_,
                           QRectF(QPointF(rect.topLeft()) * dpr, QSizeF(rect.size()) * dpr));
}

void TableWidget::paintEvent(QPaintEvent* event) {
    QElapsedTimer clock;
    clock.start();
    // Moved to a screen of another pixel ratio: the pictures are drawn anew for it,
    // and the whole table after this part.
    if (devicePixelRatioF() != dpr_) {
        Refit();
        update();
    }
    QPainter painter(this);
    const QRegion& region = event->region();
    PaintFeltIn(painter, region);
    const std::vector<Sprite>& sprites = scene_.Sprites();
    for (size_t i = 0; i < sprites.size(); ++i) {
        if (!SpritePainter::Drawn(sprites[i])) continue;
        if (!region.intersects(painter_.PaintRect(sprites[i]))) continue;
        painter_.Paint(painter, sprites[i], roles_[i]);
    }
    ++paints_;
    lastPaintMs_ = clock.nsecsElapsed() / 1e6;
}

// --- The mouse ---------------------------------------------------------------------

bool TableWidget::PartOfPressUnderWay(const QMouseEvent& event) const {
    // Another button pressed while the first is held belongs to the press under way.
    // A release can also be lost (a box that came up during a drag took it): a new
    // press of the same button, or with the first one up, starts afresh.
    return pressed_ && event.button() != pressButton_ && (event.buttons() & pressButton_);
}

QPoint TableWidget::FromPress(QPointF widgetPos) const {
    return Mapping().LogicalAt(widgetPos) - pressOrigin_;
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
    if (PartOfPressUnderWay(*event)) return;
    pressButton_ = event->button();
    // The bare table is pressed as kNoSprite, its place the canvas's corner.
    pressed_ = SpriteAt(event->position()).value_or(kNoSprite);
    const bool onPiece = *pressed_ != kNoSprite;
    pressOrigin_ = onPiece ? QPoint(scene_[*pressed_].Left, scene_[*pressed_].Top) : QPoint();
    if (*pressed_ == scene_.SpeedBar) {
        PressSpeedBar(Mapping().LogicalAt(event->position()));
        return;
    }
    if (mouse_) mouse_->Pressed(*pressed_, FromPress(event->position()), event->button());
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_) return;
    if (*pressed_ == scene_.SpeedBar) {
        DragSpeedBar(Mapping().LogicalAt(event->position()));
        return;
    }
    if (mouse_) mouse_->Moved(*pressed_, FromPress(event->position()));
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressed_ || event->button() != pressButton_) return;
    const SpriteId sprite = *pressed_;
    pressed_.reset();
    thumbGrab_.reset();
    if (sprite == scene_.SpeedBar || !mouse_) return;
    // A click: released over the pressed piece where it now lies.
    const QPoint logical = Mapping().LogicalAt(event->position());
    const bool over = sprite == kNoSprite ? SpriteAt(event->position()) == std::nullopt
                                          : scene_[sprite].Visible &&
                                                scene_[sprite].Contains(logical.x(), logical.y());
    mouse_->Released(sprite, FromPress(event->position()), event->button(), over);
}

void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    const SpriteId sprite = SpriteAt(event->position()).value_or(kNoSprite);
    if (sprite == scene_.SpeedBar) {
        mousePressEvent(event);  // a fast second click on the bar steps again
        return;
    }
    if (PartOfPressUnderWay(*event)) return;
    pressButton_ = event->button();
    pressed_ = sprite;
    pressOrigin_ = sprite != kNoSprite ? QPoint(scene_[sprite].Left, scene_[sprite].Top) : QPoint();
    if (mouse_) mouse_->DoubleClicked(sprite, FromPress(event->position()));
}

void TableWidget::PressSpeedBar(QPoint logical) {
    const Sprite& bar = scene_[scene_.SpeedBar];
    const SpeedBarLayout layout(bar);
    if (layout.OnThumb(logical.x(), bar.Tag)) {
        thumbGrab_ = logical.x() - layout.ThumbLeft(bar.Tag);
        return;
    }
    MoveSpeedBar(layout.PositionAfterClick(logical.x(), bar.Tag));
}

void TableWidget::DragSpeedBar(QPoint logical) {
    if (!thumbGrab_) return;
    const Sprite& bar = scene_[scene_.SpeedBar];
    MoveSpeedBar(SpeedBarLayout(bar).PositionAtThumbLeft(logical.x() - *thumbGrab_));
}

void TableWidget::MoveSpeedBar(int position) {
    if (position == scene_[scene_.SpeedBar].Tag) return;
    if (speedBar_) speedBar_(position);
    UpdateChanged();
}

bool TableWidget::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const std::optional<SpriteId> sprite = SpriteAt(help->pos());
    if (!sprite || scene_[*sprite].Hint.empty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const Sprite& piece = scene_[*sprite];
    QToolTip::showText(help->globalPos(), QString::fromStdString(piece.Hint), this,
                       Mapping().RectOf(piece.Left, piece.Top, piece.Width, piece.Height));
    return true;
}

}  // namespace velmora
