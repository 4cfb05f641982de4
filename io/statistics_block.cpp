#include "io/statistics_block.h"

#include <algorithm>
#include <cassert>

namespace velmora {

namespace {

int32_t SavedCount(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, kLargestSavedCount));
}

}  // namespace

// Offsets within the block: ResultByCount 0, StakeByCount 126, HourHistogram 252,
// HourNet 336, TotalNet 342, TotalStaked 348, BankrollSwing 354, Wins 360,
// LossUnits 366, then the six counters from 372 to 392.
void WriteStatistics(ByteWriter& out, const Statistics& s) {
    [[maybe_unused]] const size_t start = out.Position();
    for (double v : s.ResultByCount) out.Real48(v);
    for (double v : s.StakeByCount) out.Real48(v);
    for (int64_t v : s.HourHistogram) out.I32(SavedCount(v));
    for (double v : {s.HourNet, s.TotalNet, s.TotalStaked, s.BankrollSwing, s.Wins, s.LossUnits})
        out.Real48(v);
    for (int64_t v :
         {s.BankrollsLost, s.BankrollsWon, s.HandsPlayed, s.Splits, s.Doubles, s.Blackjacks})
        out.I32(SavedCount(v));
    assert(out.Position() - start == kStatisticsBlockSize);
}

Statistics ReadStatistics(ByteReader& in) {
    [[maybe_unused]] const size_t start = in.Position();
    Statistics s;
    for (double& v : s.ResultByCount) v = in.Real48();
    for (double& v : s.StakeByCount) v = in.Real48();
    for (int64_t& v : s.HourHistogram) v = in.I32();
    for (double* v :
         {&s.HourNet, &s.TotalNet, &s.TotalStaked, &s.BankrollSwing, &s.Wins, &s.LossUnits})
        *v = in.Real48();
    for (int64_t* v :
         {&s.BankrollsLost, &s.BankrollsWon, &s.HandsPlayed, &s.Splits, &s.Doubles, &s.Blackjacks})
        *v = in.I32();
    assert(in.Position() - start == kStatisticsBlockSize);
    return s;
}

}  // namespace velmora
