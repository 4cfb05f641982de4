#pragma once
// The Run menu: Normal Play, Practice Deck, Computer Simulated Play and the Betting
// and Rules Analysis.

#include "engine/game.h"

namespace velmora {

// The menu command. Chosen while a run goes on, it stops that run (its game reset)
// and the chosen mode starts as soon as the stopped run has returned; runs never nest.
void ChooseMode(Game& game, Mode mode);

// The mode commands themselves; each returns when its run has ended.
void NormalPlay(Game& game);
void PracticeDeck(Game& game);
void ComputerSimulatedPlay(Game& game);
void BettingAnalysis(Game& game);
// Practice rounds whose hands are the cases Game::Drill chooses, dealt from a full shoe.
void DrillMyWeakSpots(Game& game);

// "Normal", "Practice", "Simulation", "Analysis"; "Drill" (kept as "Practice" in the
// options file, which knows the four).
const char* ModeName(Mode mode);

}  // namespace velmora
