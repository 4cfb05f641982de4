#pragma once
// Runs: a loop of rounds in blocks of 100 until something stops it, the table-play
// start with its new bankroll, and the game reset that ends every run.

namespace velmora {

struct Game;

// Empties the statistics, then plays blocks of 100 rounds until StopRequested; the
// analysis books each hour and refreshes its results. Ends with GameReset.
void RunLoop(Game& game);
// Stops any run and returns to idle: closes the table and results windows and
// clears the statistics. Also the File menu's Reset Game.
void GameReset(Game& game);
// 200 x the table minimum as chips in the rack (table play only).
void NewBankroll(Game& game);
// Opens the table, starts a bankroll and runs.
void RunTablePlay(Game& game);
// What Exit and closing the main window do to a game in progress: stop everything
// at once, so every wait ends.
void StopForExit(Game& game);

}  // namespace velmora
