#include "ui/art/picture_cache.h"

#include "ui/art/card_back_painter.h"
#include "ui/art/card_deck.h"
#include "ui/art/chip_painter.h"
#include "ui/art/pointer_painter.h"

#include <QPainter>

#include <cmath>

namespace velmora {

PictureCache::PictureCache(const CardDeck& deck) : deck_(deck) {}

const QPixmap& PictureCache::Get(Art art, int value, QSize size, double dpr) {
    const QSize pixels(int(std::lround(size.width() * dpr)), int(std::lround(size.height() * dpr)));
    const Key key{art, value, pixels.width(), pixels.height()};
    auto found = pixmaps_.find(key);
    if (found == pixmaps_.end()) {
        ++renders_;
        found = pixmaps_.emplace(key, Render(art, value, pixels, dpr)).first;
    }
    return found->second;
}

QPixmap PictureCache::Render(Art art, int value, QSize pixels, double dpr) const {
    QPixmap pixmap(pixels.expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF rect(0, 0, pixels.width(), pixels.height());
    switch (art) {
        case Art::CardFace:
            deck_.PaintFace(painter, rect, value);
            break;
        case Art::CardBack:
            PaintCardBack(painter, rect, value);
            break;
        case Art::ChipFace:
            PaintChipFace(painter, rect, ChipLookOfCode(value));
            break;
        case Art::TiltedChip:
            PaintTiltedChip(painter, rect, ChipLookOfCode(value));
            break;
        case Art::ColourChip:
            PaintChipFace(painter, rect, ChipLookOfColour(Rgb(value)));
            break;
        case Art::ColourTilted:
            PaintTiltedChip(painter, rect, ChipLookOfColour(Rgb(value)));
            break;
        case Art::Pointer:
            PaintPointer(painter, rect);
            break;
    }
    painter.end();
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

}  // namespace velmora
