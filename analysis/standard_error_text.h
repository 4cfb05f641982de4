#pragma once
// How sure the advantage of a betting strategy is, in words: the advantage with its
// standard error over the blocks of 100 rounds (hours) measured in this session,
// "0.21 % ± 0.01 % (1 standard error, 2,000,000 hours)". The results window shows it
// as the tooltip of the Advantage cell; the exports carry the same figures.

#include <cstdint>
#include <string>

#include "engine/statistics.h"

namespace velmora {

// The tooltip text, or "" when fewer than 2 hours were measured (a loaded game's
// statistics carry no block sums, so its first hours after loading start them anew).
std::string AdvantageToolTip(const Statistics& stats);

// A whole number with thousands separators: 2000000 gives "2,000,000".
std::string WithThousands(int64_t value);

}  // namespace velmora
