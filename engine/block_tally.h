#pragma once
// The books of an analysis game that nobody looks at between its blocks of 100 rounds
// (the analysis's worker threads): what the round would book for each betting strategy
// with money on a hand, gathered once per hand instead, in units of the round's stake.
//
// It books the same numbers. In the analysis every hand of a round carries the same
// stakes, chosen from the round's two count indexes alone, and each booking of a
// strategy is its stake times a figure of the hand (staked, won, lost) or a plain
// count. So what strategy i books over many rounds is the sum over the count indexes c
// of stake_i(c) times the figures of the hands played at c: the block's money when the
// block ends (EndOfHour), everything else for many blocks at once (FoldBlockTally).
// The money is whole half dollars, which a double adds up exactly in any order.

#include <array>
#include <cstdint>

#include "engine/statistics.h"

namespace velmora {

// The hands of a round, or of the rounds at one count index since the last fold.
// Money is counted in units of the round's stake. A round adds at most 16 to a figure,
// so 32 bits hold far more rounds than are ever gathered between two folds.
struct HandFigures {
    int32_t Hands = 0;       // stakes placed, split hands included
    int32_t Staked = 0;      // stakes placed and doubled
    int32_t Doubles = 0;
    int32_t Splits = 0;
    int32_t Blackjacks = 0;  // paid or pushed
    int32_t Wins = 0;
    int32_t LossHalves = 0;  // 2 a lost hand, 1 a surrender
    int32_t NetHalves = 0;   // +3 a blackjack, +2/-2 a hand won/lost (twice that doubled), -1 a surrender

    void Add(const HandFigures& o) {
        Hands += o.Hands;
        Staked += o.Staked;
        Doubles += o.Doubles;
        Splits += o.Splits;
        Blackjacks += o.Blackjacks;
        Wins += o.Wins;
        LossHalves += o.LossHalves;
        NetHalves += o.NetHalves;
    }
};

struct BlockTally {
    // Folded at least this often (10 million rounds), so no figure outgrows 32 bits.
    static constexpr int kBlocksPerFold = 100'000;

    // The money of the block's rounds at one count index, in units of their stake.
    struct Money {
        int32_t NetHalves = 0;
        int32_t Staked = 0;
    };

    HandFigures Round;  // the round being played
    // The hands since the last fold by CountIndex (what strategies 1, 2 and 4 book by)
    // and by AceFiveIndex (what strategy 3 books by), entry c at [c + 10].
    std::array<HandFigures, kCountSlots> ByCount{};
    std::array<HandFigures, kCountSlots> ByAceFive{};
    int BlocksSinceFold = 0;
    // The same for the money of the block being played.
    std::array<Money, kCountSlots> BlockByCount{};
    std::array<Money, kCountSlots> BlockByAceFive{};

    // A result r (+1.5, +1, -1, -0.5) of a hand with `units` of stake (2 once doubled).
    void Result(double r, int units) {
        const int halves = static_cast<int>(2 * r);
        Round.NetHalves += halves * units;
        if (halves > 0)
            Round.Wins += 1;
        else
            Round.LossHalves -= halves;
    }
};

}  // namespace velmora
