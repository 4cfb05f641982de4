#include "engine/betting.h"

#include <algorithm>

#include "engine/game.h"
#include "engine/rounding.h"

namespace velmora {

void ChooseStakes(Game& g) {
    const uint16_t min = g.Options.TableMinimum;
    // With two hands at a $5 table every stake is doubled; at $25 and $100 the stake
    // per hand stays as it is.
    const int factor = g.TwoHandsThisRound && min < 25 ? 2 : 1;
    auto stake = [&](int multiple) { return static_cast<uint16_t>(multiple * min * factor); };
    if (g.Options.SingleStrategyView) {
        if (g.CountIndex >= 0) g.Hand(4).NextStake = stake(1);
        return;
    }
    g.Hand(1).NextStake = stake(1);
    g.Hand(2).NextStake = stake(g.CountIndex < 0 ? 1 : 2);
    g.Hand(3).NextStake =
        g.AceFiveIndex >= 0 && g.AceFiveIndex < 4 * g.Options.Decks ? stake(1) : 0;
    g.Hand(4).NextStake = g.CountIndex >= 0 ? stake(1) : 0;
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

}  // namespace

void EndOfHour(Game& g) {
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
