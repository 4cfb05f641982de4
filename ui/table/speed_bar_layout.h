#pragma once
// The playing-speed bar of computer play, laid out on its logical rect: an arrow
// button at each end (one step), the track between (ten steps a click, as a scroll
// bar pages) and the thumb that shows the position 1..100 and can be dragged.

#include "table/sprite.h"

namespace velmora {

class SpeedBarLayout {
  public:
    static constexpr int kMinimum = 1;
    static constexpr int kMaximum = 100;
    static constexpr int kPageStep = 10;

    explicit SpeedBarLayout(const Sprite& bar) : bar_(bar) {}

    int ArrowWidth() const { return bar_.Height; }
    int ThumbWidth() const { return bar_.Height; }
    int TrackLeft() const { return bar_.Left + ArrowWidth(); }
    int TrackWidth() const { return bar_.Width - 2 * ArrowWidth(); }
    // The thumb's left edge for a position.
    int ThumbLeft(int position) const;
    // The position whose thumb would have its left edge at x.
    int PositionAtThumbLeft(int thumbLeft) const;
    // The position a click at logical x (on the bar) moves to from `position`; the
    // thumb itself gives the position unchanged.
    int PositionAfterClick(int x, int position) const;
    bool OnThumb(int x, int position) const;
    static int Clamp(int position);

  private:
    const Sprite& bar_;
};

}  // namespace velmora
