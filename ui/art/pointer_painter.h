#pragma once
// The pointer that marks the active hand while more than one hand is in play: a gold
// arrow pointing down at the hand's cards.

class QPainter;
class QRectF;

namespace velmora {

void PaintPointer(QPainter& painter, const QRectF& rect);

}  // namespace velmora
