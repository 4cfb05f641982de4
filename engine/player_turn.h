#pragma once
// The player's turn: blackjacks first, then each player hand in the order 2, 1, 4, 3,
// decided by the computer from the strategy or by the player through the host's
// events, every move of the player judged by the strategy.

namespace velmora {

struct Game;

void PlayerTurns(Game& game);
// One decision on ActiveHand and its execution.
void PlayHand(Game& game);

}  // namespace velmora
