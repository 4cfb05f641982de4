#pragma once
// The 396-byte statistics block of one hand object as the saved-game file keeps
// it: the amounts as 6-byte reals, the counters as little-endian 32-bit integers,
// in the order of the Statistics fields.

#include <cstddef>
#include <cstdint>

#include "engine/statistics.h"
#include "io/byte_io.h"

namespace velmora {

inline constexpr size_t kStatisticsBlockSize = 396;
inline constexpr int64_t kLargestSavedCount = INT32_MAX;

// A counter outside the 32-bit range is written as the nearest value the field holds,
// never wrapped (the saved game scales its statistics to fit before writing them).
void WriteStatistics(ByteWriter& out, const Statistics& stats);
Statistics ReadStatistics(ByteReader& in);

}  // namespace velmora
