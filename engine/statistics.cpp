#include "engine/statistics.h"

#include <algorithm>
#include <cmath>

namespace velmora {

void Statistics::Add(const Statistics& o) {
    for (size_t i = 0; i < kCountSlots; ++i) {
        ResultByCount[i] += o.ResultByCount[i];
        StakeByCount[i] += o.StakeByCount[i];
        HourHistogram[i] += o.HourHistogram[i];
        HandsByCount[i] += o.HandsByCount[i];
    }
    HourNet += o.HourNet;
    TotalNet += o.TotalNet;
    TotalStaked += o.TotalStaked;
    BankrollSwing += o.BankrollSwing;
    Wins += o.Wins;
    LossUnits += o.LossUnits;
    BankrollsLost += o.BankrollsLost;
    BankrollsWon += o.BankrollsWon;
    HandsPlayed += o.HandsPlayed;
    Splits += o.Splits;
    Doubles += o.Doubles;
    Blackjacks += o.Blackjacks;
    HourStaked += o.HourStaked;
    Blocks.Add(o.Blocks);
}

void BlockMoments::AddBlock(double net, double stake) {
    const auto n = static_cast<int64_t>(std::llround(net * 2));
    const auto s = static_cast<int64_t>(std::llround(stake * 2));
    Blocks += 1;
    Net += n;
    Stake += s;
    NetSquares += n * n;
    StakeSquares += s * s;
    NetTimesStake += n * s;
}

void BlockMoments::Add(const BlockMoments& o) {
    Blocks += o.Blocks;
    Net += o.Net;
    Stake += o.Stake;
    NetSquares += o.NetSquares;
    StakeSquares += o.StakeSquares;
    NetTimesStake += o.NetTimesStake;
}

double BlockMoments::AdvantageStandardError() const {
    if (Blocks < 2 || Stake == 0) return 0;
    // a = sum n / sum s; the residuals n - a*s of the blocks have the sum of squares
    // sum n^2 - 2a sum ns + a^2 sum s^2, and Var(a) = that / (k (k-1) mean_s^2).
    const double k = static_cast<double>(Blocks);
    const double a = static_cast<double>(Net) / static_cast<double>(Stake);
    const double residuals = static_cast<double>(NetSquares) -
                             2 * a * static_cast<double>(NetTimesStake) +
                             a * a * static_cast<double>(StakeSquares);
    const double meanStake = static_cast<double>(Stake) / k;
    const double variance = std::max(0.0, residuals) / (k * (k - 1) * meanStake * meanStake);
    return std::sqrt(variance);
}

}  // namespace velmora
