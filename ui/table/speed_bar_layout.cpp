#include "ui/table/speed_bar_layout.h"

#include <algorithm>
#include <cmath>

namespace velmora {

int SpeedBarLayout::Clamp(int position) {
    return std::clamp(position, kMinimum, kMaximum);
}

int SpeedBarLayout::ThumbLeft(int position) const {
    const int travel = TrackWidth() - ThumbWidth();
    return TrackLeft() +
           int(std::lround(double(Clamp(position) - kMinimum) * travel / (kMaximum - kMinimum)));
}

int SpeedBarLayout::PositionAtThumbLeft(int thumbLeft) const {
    const int travel = std::max(1, TrackWidth() - ThumbWidth());
    const double fraction = double(thumbLeft - TrackLeft()) / travel;
    return Clamp(kMinimum + int(std::lround(fraction * (kMaximum - kMinimum))));
}

bool SpeedBarLayout::OnThumb(int x, int position) const {
    const int left = ThumbLeft(position);
    return x >= left && x < left + ThumbWidth();
}

int SpeedBarLayout::PositionAfterClick(int x, int position) const {
    if (x < TrackLeft()) return Clamp(position - 1);
    if (x >= TrackLeft() + TrackWidth()) return Clamp(position + 1);
    if (OnThumb(x, position)) return position;
    return Clamp(x < ThumbLeft(position) ? position - kPageStep : position + kPageStep);
}

}  // namespace velmora
