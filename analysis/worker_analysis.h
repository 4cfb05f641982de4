#pragma once
// The Betting and Rules Analysis of the window, played on worker threads: the same
// chunked runner as the headless tool (AnalysisWorkers), with this thread merging the
// finished chunks into the game's statistics and handing the results window a refresh,
// which redraws at most once per clock second. Between merges this thread waits for
// input, so the window answers at once while every core plays.
//
// What the player can do during the run keeps working: the single-strategy button
// and a loaded game whose rules differ restart the workers, adding to what is shown;
// a loaded game's statistics become the base the run adds to; a save writes the
// merged statistics; a reset, another mode or closing stops the workers within one
// block of 100 rounds, and chunks not finished are dropped whole.

#include "engine/game.h"

namespace velmora {

// Plays the analysis on `threads` workers until StopRequested, then ends the run with
// the game reset. The run's seed is game.AnalysisSeed when set, else drawn from the
// analysis generator the mode command has seeded.
// The chunks have `chunkBlocks` blocks of 100 rounds, or the runner's own size with 0.
void RunWorkerAnalysis(Game& game, int threads, uint64_t chunkBlocks = 0);

}  // namespace velmora
