#pragma once
// The four betting strategies of the analysis and the accounting after each block
// of 100 rounds (one hour of play).
//   1 "Basic Strategy":   the table minimum always
//   2 "Card Counting":    the minimum with a negative count, twice it otherwise
//   3 "ZOK Simple Count": the minimum while 0 <= ace-five count < 4 x decks, else nothing
//   4 "ZOK Max Strategy": the minimum with a count of 0 or more, else nothing

#include "engine/game.h"

namespace velmora {

// The count by which strategy `strategy` books its stakes and results: strategy 3 bets
// by the ace-five count and books by it; 1, 2 and 4 by the conventional count. (The
// single-strategy view measures strategy 4 alone, by the conventional count.)
inline int CountFor(const Game& game, int strategy) {
    return strategy == 3 && !game.Options.SingleStrategyView ? game.AceFiveIndex : game.CountIndex;
}

// The stake betting strategy `strategy` (1..4) places in a round at count index
// `count` and ace-five index `aceFive`; 0 when it does not bet.
uint16_t StakeOf(const Game& game, int strategy, int count, int aceFive);
// Sets Hands[i].NextStake for the four strategies from the counts of this round.
void ChooseStakes(Game& game);
// An unwatched game's round ends: its hands join the tally (see BlockTally).
void TallyRound(Game& game);
// Books what an unwatched game has gathered in its tally since the last fold into
// the strategies' statistics (all but the block's money, which EndOfHour books), and
// empties it. Until then those statistics lag behind the rounds played.
void FoldBlockTally(Game& game);
// Histogram of the hour in average bets, totals, and the bankroll won/lost folding.
void EndOfHour(Game& game);

// The unit of the hour histogram: 4 x minimum with two hands bet, else 2 x minimum.
double AverageBetUnit(const Game& game);

}  // namespace velmora
