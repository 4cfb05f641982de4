#pragma once
// The 396-byte statistics block of one hand object as the saved-game file keeps
// it: the amounts as 6-byte reals, the counters as little-endian 32-bit integers,
// in the order of the Statistics fields.

#include <cstddef>

#include "engine/statistics.h"
#include "io/byte_io.h"

namespace velmora {

inline constexpr size_t kStatisticsBlockSize = 396;

void WriteStatistics(ByteWriter& out, const Statistics& stats);
Statistics ReadStatistics(ByteReader& in);

}  // namespace velmora
