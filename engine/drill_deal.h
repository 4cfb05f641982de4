#pragma once
// A drill round's deal: the cards the case asks for are moved from further down
// the shoe to the places the deal takes them from, so the round deals real cards
// and the counts see them as usual.

#include "engine/drill_cases.h"

namespace velmora {

struct Game;

// Puts the case's cards at the next places of the deal (hand 1's two cards, the up
// card, and a hole card that does not give the dealer a blackjack, so the player
// always has the decision). Reshuffles when the rest of the shoe lacks a card.
// Returns false when even a fresh shoe cannot hold the case.
bool ArrangeDrillCase(Game& game, const DrillCase& drill);

}  // namespace velmora
