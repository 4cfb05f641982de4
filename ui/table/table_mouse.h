#pragma once
// What the table window does with the mouse on a piece. A press goes to the topmost
// shown piece under the pointer (kNoSprite: the bare table), which keeps the mouse
// until the release, as a native control would; positions are logical pixels
// relative to that piece's place at the press, so a piece dragged along keeps its
// grab point.

#include <QPoint>

#include "table/table_scene.h"

namespace velmora {

class TableMouse {
  public:
    virtual ~TableMouse() = default;

    virtual void Pressed(SpriteId sprite, QPoint at, Qt::MouseButton button) = 0;
    virtual void Moved(SpriteId sprite, QPoint at) = 0;
    virtual void Released(SpriteId sprite, QPoint at, Qt::MouseButton button) = 0;
    // A release over the piece that was pressed, where it now lies.
    virtual void Clicked(SpriteId sprite, QPoint at) = 0;
    virtual void DoubleClicked(SpriteId sprite, QPoint at) = 0;
};

}  // namespace velmora
