#pragma once
// nearest(x): the nearest integer, halves going to the even neighbour
// (4.5 -> 4, 5.5 -> 6). Used by the hour histogram and the animation step counts.

#include <cmath>

namespace velmora {

inline long Nearest(double x) { return std::lround(std::nearbyint(x)); }

}  // namespace velmora
