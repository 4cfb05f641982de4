#pragma once
// One round of blackjack from the stakes to the settlement. The same code serves
// the table modes (the table window shows every step) and the analysis (no table).

#include <cstdint>

namespace velmora {

struct Game;

// Reshuffle check, hand reset, count snapshot and stakes. May set StopRequested.
void StartRound(Game& game);
// One card from the shoe into hand h (0..4), with bust handling.
void DealToHand(Game& game, int h);
// Hand 1, hand 3 (two hands), dealer up card, hand 1, hand 3, dealer hole card.
void DealInitialCards(Game& game);
// One pass of the run loop: start, deal, player's turn, dealer, settlement.
void PlayRound(Game& game);
// The dealer draws to 17, and on soft 17 when the dealer hits soft 17.
void DealerPlays(Game& game);
// Compares hand h with the dealer and books the result (a push books nothing).
void SettleHand(Game& game, int h);
// Books hand h's result with factor r (+1, +1.5, -1, -0.5) for every strategy staked on it.
void RecordResult(Game& game, int h, double r);
// Puts every betting strategy's stake of this round on hand h.
void PlaceStakes(Game& game, int h);
// ActiveHand := first unfinished of hands 2, 1, 4, 3 (0 when none).
void NextHand(Game& game);
// The table's second bet box: only for a player who bets two hands, never in practice.
bool SecondBetBoxShown(const Game& game);

}  // namespace velmora
