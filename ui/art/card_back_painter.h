#pragma once
// The two card backs of the table, our own drawing: 0 a burgundy lattice, 1 a navy
// back with a ring pattern. A face-down card shows the one the player chose.

class QPainter;
class QRectF;

namespace velmora {

void PaintCardBack(QPainter& painter, const QRectF& rect, int choice);

}  // namespace velmora
