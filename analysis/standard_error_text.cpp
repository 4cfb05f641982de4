#include "analysis/standard_error_text.h"

#include <cmath>
#include <cstdio>

namespace velmora {

std::string WithThousands(int64_t value) {
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : uint64_t(value);
    const std::string digits = std::to_string(magnitude);
    // Built by appending: GCC 12 warns falsely about the overlap of an insert here.
    std::string text = value < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

std::string AdvantageToolTip(const Statistics& s) {
    const BlockMoments& m = s.Blocks;
    if (m.Blocks < 2 || m.Stake == 0) return "";
    const double advantage = 100.0 * static_cast<double>(m.Net) / static_cast<double>(m.Stake);
    const double error = 100.0 * m.AdvantageStandardError();
    // Two decimals as the grid shows, more when the error is smaller than that, so it
    // never reads "± 0.00 %".
    int decimals = 2;
    while (decimals < 4 && error > 0 && error < 5 * std::pow(10.0, -decimals - 1)) ++decimals;
    const std::string hours = WithThousands(m.Blocks);
    char text[160];
    std::snprintf(text, sizeof text, "%.*f %% \u00b1 %.*f %% (1 standard error, %s hours)",
                  decimals, advantage, decimals, error, hours.c_str());
    return text;
}

}  // namespace velmora
