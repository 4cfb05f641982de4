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
    // `over`: released over the pressed piece where it now lies, so a click.
    virtual void Released(SpriteId sprite, QPoint at, Qt::MouseButton button, bool over) = 0;
    // The second press of a double click (Qt sends it in place of a press).
    virtual void DoubleClicked(SpriteId sprite, QPoint at) = 0;
};

}  // namespace velmora
