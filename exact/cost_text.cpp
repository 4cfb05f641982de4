#include "exact/cost_text.h"

#include <cmath>
#include <cstdio>

namespace velmora {

std::string CostPercentText(double percent) {
    int decimals = 2;
    // One more decimal for each place the first significant digit lies further right.
    for (double a = std::fabs(percent); a > 0 && a < 0.1 && decimals < 8; a *= 10) ++decimals;
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, percent);
    return text;
}

}  // namespace velmora
