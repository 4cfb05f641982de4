#pragma once
// A deliberately minimal blackjack loop beside the engine: one flat bet of the table
// minimum, the rules of the bench workload written straight out (dealer stands on
// soft 17, double on any two cards and after a split, re-split to four hands, split
// aces take one card, no surrender, one hand a round, blackjack pays 3 to 2), no host,
// no counts, no hour blocks. It deals the very cards the analysis deals for the same
// request (the same chunks, seeds and shuffle as it deals), so its totals must equal
// the analysis's "Basic Strategy" column, and its speed is the yardstick the engine's
// is measured against.

#include <cstdint>

#include "analysis/analysis_runner.h"

namespace velmora {

struct FlatBetTotals {
    int64_t Hands = 0;  // stakes placed, split hands included
    int64_t Doubles = 0;
    int64_t Splits = 0;
    int64_t Blackjacks = 0;  // paid or pushed
    int64_t Wins = 0;
    double LossUnits = 0;  // 1 per lost hand
    double Staked = 0;     // dollars, doubles included
    double Net = 0;        // dollars won

    friend bool operator==(const FlatBetTotals&, const FlatBetTotals&) = default;
};

// True when the loop plays `rules` as the analysis does: the bench's rules with any
// number of decks, penetration and table minimum.
bool MinimalLoopPlays(const OptionsRecord& rules);

// Plays request.Rounds (rounded up to whole blocks of 100) in the analysis's chunks,
// with request.Strategy, on one thread. The rules must be ones MinimalLoopPlays.
FlatBetTotals PlayMinimalLoop(const AnalysisRequest& request);

// The analysis's "Basic Strategy" statistics in the same terms.
FlatBetTotals FlatBetTotalsOf(const Statistics& basicStrategy);

}  // namespace velmora
