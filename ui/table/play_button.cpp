#include "ui/table/play_button.h"

#include <QAction>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>

namespace velmora {

PlayButton::PlayButton(QAction* action, const QString& caption, const QString& key, QWidget* parent)
    : QAbstractButton(parent), action_(action), key_(key) {
    setText(caption);
    setObjectName(caption + "Button");
    // The keys belong to the main window's play keys; a focused button would take
    // Space for itself and play the command twice.
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (action_ && action_->isVisible() && action_->isEnabled()) action_->trigger();
    });
    connect(action, &QAction::changed, this, &PlayButton::Follow);
    Follow();
}

void PlayButton::Follow() {
    if (!action_) return;
    setVisible(action_->isVisible());
    setEnabled(action_->isEnabled());
}

QString PlayButton::CurrentToolTip() const {
    const QString worked = toolTip_ ? toolTip_() : QString();
    if (!worked.isEmpty()) return worked;
    return action_ ? action_->toolTip() : QString();
}

bool PlayButton::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), CurrentToolTip(), this);
        return true;
    }
    return QAbstractButton::event(event);
}

void PlayButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double radius = box.height() * 0.22;
    const bool down = isDown();
    const bool hover = underMouse() && !down;

    // A lacquered plaque with a brass edge, on the table's rail.
    QLinearGradient ground(box.topLeft(), box.bottomLeft());
    const QColor top = hover ? QColor(70, 52, 24) : QColor(52, 38, 18);
    ground.setColorAt(0, down ? top.darker(130) : top.lighter(120));
    ground.setColorAt(1, down ? top.darker(110) : top.darker(115));
    p.setPen(QPen(hover ? QColor(246, 214, 120) : QColor(200, 164, 80),
                  std::max(1.5, box.height() * 0.04)));
    p.setBrush(ground);
    p.drawRoundedRect(box, radius, radius);

    // The key cap at the right, the caption in the room left of it.
    const double capSize = box.height() * 0.46;
    const QRectF cap(box.right() - capSize - box.height() * 0.2, box.center().y() - capSize / 2,
                     capSize, capSize);
    p.setPen(QPen(QColor(40, 30, 14), 1));
    p.setBrush(QColor(238, 226, 196));
    p.drawRoundedRect(cap, capSize * 0.2, capSize * 0.2);
    QFont keyFont = font();
    keyFont.setBold(true);
    keyFont.setPixelSize(std::max(6, int(capSize * 0.62)));
    p.setFont(keyFont);
    p.setPen(QColor(40, 30, 14));
    p.drawText(cap, Qt::AlignCenter, key_);

    QFont captionFont = font();
    captionFont.setBold(true);
    captionFont.setPixelSize(std::max(7, int(box.height() * 0.4)));
    const QRectF room(box.left() + box.height() * 0.2, box.top(),
                      cap.left() - box.left() - box.height() * 0.3, box.height());
    const double width = QFontMetricsF(captionFont).horizontalAdvance(text());
    if (width > room.width())
        captionFont.setPixelSize(std::max(6, int(captionFont.pixelSize() * room.width() / width)));
    p.setFont(captionFont);
    p.setPen(QColor(250, 238, 206));
    p.drawText(room.translated(0, down ? 1 : 0), Qt::AlignCenter, text());
}

}  // namespace velmora
