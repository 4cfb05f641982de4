#pragma once
// The yardstick of the exact analysis: the engine's own round, played by the
// computer, averaged over every order in which a small shoe can deal its cards.
// Each order is followed only as far as the round reads it, so a shoe of a few
// dozen cards (or a whole deck, given time) is covered in full. Nothing here
// approximates: it is what the analysis would measure over infinitely many rounds
// dealt from that shoe freshly shuffled.

#include <cstdint>

#include "engine/options.h"
#include "exact/rank_counts.h"
#include "strategy/strategy_table.h"

namespace velmora {

struct EngineAverage {
    double Net = 0;       // expected net per initial bet
    double Staked = 0;    // expected money staked per initial bet
    uint64_t Rounds = 0;  // rounds the engine played (one per card order followed)
    bool RanOut = false;  // some order needed more cards than the shoe holds
};

// `shoe` must fit in the engine's shoe of `rules.Decks` decks; one hand a round.
EngineAverage AverageOverEveryOrder(const OptionsRecord& rules, const StrategyTable& strategy,
                                    const RankCounts& shoe);

}  // namespace velmora
