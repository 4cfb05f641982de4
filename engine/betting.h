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

// Sets Hands[i].NextStake for the four strategies from the counts of this round.
void ChooseStakes(Game& game);
// Histogram of the hour in average bets, totals, and the bankroll won/lost folding.
void EndOfHour(Game& game);

// The unit of the hour histogram: 4 x minimum with two hands bet, else 2 x minimum.
double AverageBetUnit(const Game& game);

}  // namespace velmora
