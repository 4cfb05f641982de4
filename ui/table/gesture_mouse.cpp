#include "ui/table/gesture_mouse.h"

#include "table/gestures.h"
#include "table/player.h"

namespace velmora {

void GestureMouse::Pressed(SpriteId sprite, QPoint at, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    leftHeld_ = true;
    MousePress(player_, sprite, at.x(), at.y());
}

void GestureMouse::Moved(SpriteId, QPoint at) {
    if (leftHeld_) MouseMove(player_, at.x(), at.y());
}

void GestureMouse::Released(SpriteId, QPoint at, Qt::MouseButton button, bool over) {
    if (button != Qt::LeftButton || !leftHeld_) return;
    leftHeld_ = false;
    MouseRelease(player_, at.x(), at.y(), over);
}

void GestureMouse::DoubleClicked(SpriteId sprite, QPoint at) {
    // A double click is two presses to the table: twice on the empty bet box bets
    // twice the last bet, twice on a hand takes two cards.
    Pressed(sprite, at, Qt::LeftButton);
}

}  // namespace velmora
