#include "engine/betting.h"

#include <algorithm>
#include <array>

#include "engine/game.h"
#include "engine/rounding.h"

namespace velmora {

uint16_t StakeOf(const Game& g, int strategy, int count, int aceFive) {
    const uint16_t min = g.Options.TableMinimum;
    // With two hands at a $5 table every stake is doubled; at $25 and $100 the stake
    // per hand stays as it is.
    const int factor = g.TwoHandsThisRound && min < 25 ? 2 : 1;
    const auto stake = static_cast<uint16_t>(min * factor);
    // The single-strategy view measures strategy 4 alone.
    if (g.Options.SingleStrategyView && strategy != 4) return 0;
    switch (strategy) {
        case 1: return stake;
        case 2: return static_cast<uint16_t>(count < 0 ? stake : 2 * stake);
        case 3: return aceFive >= 0 && aceFive < 4 * g.Options.Decks ? stake : 0;
        case 4: return count >= 0 ? stake : 0;
        default: return 0;
    }
}

void ChooseStakes(Game& g) {
#pragma GCC unroll 4
    for (int i = 1; i <= kStrategyCount; ++i)
        g.Hand(i).NextStake = StakeOf(g, i, g.CountIndex, g.AceFiveIndex);
}

double AverageBetUnit(const Game& g) {
    return (g.Options.BetTwoHands ? 4.0 : 2.0) * g.Options.TableMinimum;
}

namespace {

// Entry j > 0 counts the hours that won at least j average bets, entry j < 0 the
// hours that lost at least |j|, entry 0 the hours within half a bet of even.
void BookHour(Statistics& s, double unit) {
    const long k = std::clamp(Nearest(s.HourNet / unit), -9L, 9L);
    if (k > 0)
        for (long j = 1; j <= k; ++j) s.HourAt(static_cast<int>(j)) += 1;
    else if (k < 0)
        for (long j = -1; j >= k; --j) s.HourAt(static_cast<int>(j)) += 1;
    else
        s.HourAt(0) += 1;
}

// A player with a bankroll of 100 minimum bets either lost it all or doubled it;
// at most one fold per hour.
void FoldBankroll(Statistics& s, double bankrollUnit) {
    if (s.BankrollSwing < -bankrollUnit) {
        s.BankrollsLost += 1;
        s.BankrollSwing += bankrollUnit;
    } else if (s.BankrollSwing > bankrollUnit) {
        s.BankrollsWon += 1;
        s.BankrollSwing -= bankrollUnit;
    }
}

// What strategy i books, but for the block's money, for the hands played at count
// index c with its stake s.
void FoldFigures(Game& g, int i, int c, uint16_t s, const HandFigures& f) {
    Statistics& st = g.StatsOf(i);
    const double staked = static_cast<double>(s) * static_cast<double>(f.Staked);
    st.TotalStaked += staked;
    st.ResultAt(c) += static_cast<double>(s) * static_cast<double>(f.NetHalves) * 0.5;
    if (!g.Options.SingleStrategyView) {  // that view keeps no stakes or hands by count
        st.StakeAt(c) += staked;
        st.HandsAt(c) += f.Hands;
    }
    st.HandsPlayed += f.Hands;
    st.Doubles += f.Doubles;
    st.Splits += f.Splits;
    st.Blackjacks += f.Blackjacks;
    st.Wins += static_cast<double>(f.Wins);
    st.LossUnits += static_cast<double>(f.LossHalves) * 0.5;
}

// The block's money of each strategy: its stake times the money of the block's rounds
// at each count index.
void TakeBlockMoney(Game& g) {
    BlockTally& t = g.Tally;
    std::array<int64_t, kStrategyCount + 1> netHalves{}, staked{};
    for (size_t slot = 0; slot < kCountSlots; ++slot) {
        const BlockTally::Money m = t.BlockByCount[slot];
        if (m.Staked == 0) continue;  // no hand was played at this count
        const int c = static_cast<int>(slot) + kMinCountIndex;
        for (int i : {1, 2, 4}) {
            const int s = StakeOf(g, i, c, 0);
            netHalves[static_cast<size_t>(i)] += s * m.NetHalves;
            staked[static_cast<size_t>(i)] += s * m.Staked;
        }
        t.BlockByCount[slot] = {};
    }
    for (size_t slot = 0; slot < kCountSlots; ++slot) {
        const BlockTally::Money m = t.BlockByAceFive[slot];
        if (m.Staked == 0) continue;
        const int s = StakeOf(g, 3, 0, static_cast<int>(slot) + kMinCountIndex);
        netHalves[3] += s * m.NetHalves;
        staked[3] += s * m.Staked;
        t.BlockByAceFive[slot] = {};
    }
    for (size_t i = 1; i <= kStrategyCount; ++i) {
        Statistics& st = g.StatsOf(static_cast<int>(i));
        st.HourNet += static_cast<double>(netHalves[i]) * 0.5;
        st.HourStaked += static_cast<double>(staked[i]);
    }
}

}  // namespace

void TallyRound(Game& g) {
    BlockTally& t = g.Tally;
    const size_t c = CountSlot(g.CountIndex), a = CountSlot(g.AceFiveIndex);
    t.ByCount[c].Add(t.Round);
    t.ByAceFive[a].Add(t.Round);
    t.BlockByCount[c].NetHalves += t.Round.NetHalves;
    t.BlockByCount[c].Staked += t.Round.Staked;
    t.BlockByAceFive[a].NetHalves += t.Round.NetHalves;
    t.BlockByAceFive[a].Staked += t.Round.Staked;
    t.Round = {};
}

void FoldBlockTally(Game& g) {
    BlockTally& t = g.Tally;
    for (size_t slot = 0; slot < kCountSlots; ++slot) {
        const int c = static_cast<int>(slot) + kMinCountIndex;
        if (t.ByCount[slot].Hands > 0) {  // hands were played at this count
            for (int i : {1, 2, 4})
                if (const uint16_t s = StakeOf(g, i, c, 0)) FoldFigures(g, i, c, s, t.ByCount[slot]);
        }
        if (t.ByAceFive[slot].Hands > 0) {
            if (const uint16_t s = StakeOf(g, 3, 0, c)) FoldFigures(g, 3, c, s, t.ByAceFive[slot]);
        }
    }
    t.ByCount = {};
    t.ByAceFive = {};
    t.BlocksSinceFold = 0;
}

void EndOfHour(Game& g) {
    if (g.Unwatched) {
        TakeBlockMoney(g);
        if (++g.Tally.BlocksSinceFold == BlockTally::kBlocksPerFold) FoldBlockTally(g);
    }
    const bool single = g.Options.SingleStrategyView;
    const double unit = AverageBetUnit(g);
    for (int i = single ? 4 : 1; i <= kStrategyCount; ++i) {
        Statistics& s = g.StatsOf(i);
        if (!single) BookHour(s, unit);
        s.Blocks.AddBlock(s.HourNet, s.HourStaked);
        s.HourStaked = 0;
        s.TotalNet += s.HourNet;
        s.BankrollSwing += s.HourNet;
        s.HourNet = 0;
        FoldBankroll(s, g.BankrollUnit);
    }
}

}  // namespace velmora
