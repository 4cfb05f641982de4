#pragma once
// The table's felt: a green cloth lit from the middle, with a fine weave, the house's
// print ("BLACKJACK PAYS 3 TO 2") faint on it and the tray the chip rack stands in. It
// fills the whole window; the scaled table canvas lies on it.

class QPainter;
class QRectF;
class QSize;

namespace velmora {

// Paints the felt over a widget of `size`; `canvas` is where the table's logical
// canvas lies in it and `scale` its logical-to-widget scale.
void PaintFelt(QPainter& painter, const QSize& size, const QRectF& canvas, double scale);

}  // namespace velmora
