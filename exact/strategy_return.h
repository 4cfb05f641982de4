#pragma once
// The expected return of a strategy table, per round of one hand from a fresh shoe.

namespace velmora {

struct StrategyReturn {
    double Net = 0;     // expected net per initial bet (negative when the house wins)
    double Staked = 0;  // expected money staked per initial bet (1 plus doubles and splits)
    // Percent of the initial bet, and percent of the money staked: the latter is what
    // the results window calls the advantage (won over bet).
    double EdgePercent() const { return 100 * Net; }
    double AdvantagePercent() const { return Staked > 0 ? 100 * Net / Staked : 0; }
};

}  // namespace velmora
