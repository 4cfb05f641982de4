#pragma once
// How a casino chip of each value looks: its body colour, the colour of its edge
// inserts and inner ring, and the value printed on it. The rings and stack outlines
// of the table name a chip by its colour only, so a colour maps back to its chip.

#include <QColor>
#include <QString>

#include "table/sprite.h"

namespace velmora {

struct ChipLook {
    QColor body;
    QColor insert;  // edge inserts, inner ring and the printed value
    QString label;
};

// Chip codes 2 (the half chip, 2.50), 5, 25, 100, 500, 1000, 5000; the doubled bet
// codes (10, 50, 200, 2000, 10000) look like their single chip.
ChipLook ChipLookOfCode(int code);
// The chip whose colour a ring or stack outline is drawn in (the 500s' maroon
// outline and purple ring alike). An unknown colour gives a plain chip of it.
ChipLook ChipLookOfColour(Rgb colour);

}  // namespace velmora
