#pragma once
// Casino chips drawn with QPainter: a disc with edge inserts, an inner ring and the
// value on a raised centre. Seen from above on the bet spots; seen slightly from the
// front (face and a band of edge) in the rack and in a pile being exchanged.

#include "ui/art/chip_look.h"

class QPainter;
class QPainterPath;
class QRectF;

namespace velmora {

// The chip's face filling `rect` (a circle in a square, an ellipse otherwise).
void PaintChipFace(QPainter& painter, const QRectF& rect, const ChipLook& look);
// A chip lying flat seen from a little above the table: its face at the top of
// `rect` and its edge, with the inserts running over it, along the bottom.
void PaintTiltedChip(QPainter& painter, const QRectF& rect, const ChipLook& look);
// The thickness of a tilted chip's visible edge for a chip `width` wide.
double TiltedChipEdge(double width);
// The outline of a tilted chip filling `rect`: what it covers of the chips below it.
QPainterPath TiltedChipShape(const QRectF& rect);

}  // namespace velmora
