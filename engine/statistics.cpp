#include "engine/statistics.h"

namespace velmora {

void Statistics::Add(const Statistics& o) {
    for (size_t i = 0; i < kCountSlots; ++i) {
        ResultByCount[i] += o.ResultByCount[i];
        StakeByCount[i] += o.StakeByCount[i];
        HourHistogram[i] += o.HourHistogram[i];
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
}

}  // namespace velmora
