#pragma once
// A card face drawn without the deck: a white rounded card with the rank and suit in
// two corners and a large suit in the middle. Used when the deck file is missing.

class QPainter;
class QRectF;

namespace velmora {

// Card 1..52, suits clubs, diamonds, hearts, spades, ranks ace to king.
void PaintPlainCardFace(QPainter& painter, const QRectF& rect, int card);

}  // namespace velmora
