#pragma once
// How the cost of a strategy cell is written for the player: in percent of the
// bet, with two decimals, or two significant digits when it is smaller than that.

#include <string>

namespace velmora {

// 0.2134 -> "0.21", 0.03449 -> "0.034", 0.000412 -> "0.00041".
std::string CostPercentText(double percent);

}  // namespace velmora
