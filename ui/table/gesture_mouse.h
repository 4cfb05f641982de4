#pragma once
// The table window's mouse handed to the table's gestures: the left button plays
// (press, move, release), the other buttons do nothing at the table.

#include "ui/table/table_mouse.h"

namespace velmora {

class TPlayer;

class GestureMouse : public TableMouse {
  public:
    explicit GestureMouse(TPlayer& player) : player_(player) {}

    void Pressed(SpriteId sprite, QPoint at, Qt::MouseButton button) override;
    void Moved(SpriteId sprite, QPoint at) override;
    void Released(SpriteId sprite, QPoint at, Qt::MouseButton button, bool over) override;
    void DoubleClicked(SpriteId sprite, QPoint at) override;

  private:
    TPlayer& player_;
    bool leftHeld_ = false;
};

}  // namespace velmora
