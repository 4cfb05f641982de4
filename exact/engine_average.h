#pragma once
// The yardstick of the exact analysis: the engine's own round, played by the
// computer, averaged over every order in which a shoe can deal its cards. Each
// order is followed only as far as the round reads it. Nothing here approximates:
// it is what the analysis would measure over infinitely many rounds dealt from that
// shoe freshly shuffled.

#include <cstdint>

#include "engine/options.h"
#include "exact/rank_counts.h"
#include "strategy/strategy_table.h"

namespace velmora {

struct EngineAverage {
    double Net = 0;       // expected net per initial bet
    double Staked = 0;    // expected money staked per initial bet
    uint64_t Rounds = 0;  // rounds the engine played
    bool RanOut = false;  // some order needed more cards than the shoe holds
};

// How the dealer's draws are covered.
enum class DealerPart {
    // Every order of them is dealt by the engine as well: a shoe of a dozen or two
    // cards at most.
    Dealt,
    // Once the player's part of a round is over, the dealer's final totals are
    // weighed by their exact chances from the cards left (counted by a plain
    // recursion over the dealer's draws), and the engine settles the round once for
    // each final total, dealt from cards chosen to reach it. Quick enough for a
    // whole deck.
    Counted,
};

// `shoe` must fit in the engine's shoe of `rules.Decks` decks; one hand a round.
EngineAverage AverageOverEveryOrder(const OptionsRecord& rules, const StrategyTable& strategy,
                                    const RankCounts& shoe, DealerPart dealer = DealerPart::Dealt);

}  // namespace velmora
