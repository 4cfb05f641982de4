#pragma once
// Draws one piece of the table in a widget: card places, chips, rings, rack stacks,
// the cut card, panels and the speed bar, each from the cached pictures, at the
// place the canvas mapping gives it.

#include <QRect>

#include "table/sprite.h"
#include "ui/table/canvas_mapping.h"
#include "ui/table/sprite_role.h"

class QPainter;

namespace velmora {

class PictureCache;

class SpritePainter {
  public:
    explicit SpritePainter(PictureCache& cache) : cache_(cache) {}

    void SetMapping(const CanvasMapping& mapping, double dpr) {
        mapping_ = mapping;
        dpr_ = dpr;
    }
    const CanvasMapping& Mapping() const { return mapping_; }

    // Whether the piece puts anything on the screen.
    static bool Drawn(const Sprite& sprite);
    // The widget pixels a drawn piece can touch (its rect and a pixel of
    // antialiasing around it).
    QRect PaintRect(const Sprite& sprite) const;
    void Paint(QPainter& painter, const Sprite& sprite, SpriteRole role) const;

  private:
    void PaintImage(QPainter& painter, const Sprite& sprite) const;
    void PaintOutline(QPainter& painter, const Sprite& sprite, SpriteRole role) const;
    void PaintPile(QPainter& painter, const Sprite& sprite) const;
    void PaintCutCard(QPainter& painter, const Sprite& sprite) const;
    void PaintPanel(QPainter& painter, const Sprite& sprite) const;
    void PaintSpeedBar(QPainter& painter, const Sprite& sprite) const;

    PictureCache& cache_;
    CanvasMapping mapping_;
    double dpr_ = 1;
};

}  // namespace velmora
