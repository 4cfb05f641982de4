#pragma once
// The table's simple display operations: clearing the cards, the active-hand
// pointer, the hand labels, the choice of a hand's bet spots, and a hit asked for
// by a click on a hand.

#include <string_view>

#include "table/player.h"

namespace velmora {

// Hides every card place, the hand labels, the pointer and the totals and banners of
// the last deal; chips stay where they lie.
void ClearTable(TPlayer& t);
// Points at hand 1..4 (0 hides it); shown only while more than one hand is in play.
void ShowPointer(TPlayer& t, int hand);
// The label above hand 1..4; any other hand shows nothing.
void ShowHandLabel(TPlayer& t, int hand, std::string_view text);
// Makes hand 1..4's slots and rings the selected spot group.
void SelectBetSpots(TPlayer& t, int hand);
// A click on a hand's cards: hit it, finishing the hands played before it.
void RequestHit(TPlayer& t, int hand);
// The betting signs "PLACE YOUR BET" and, when two hands may be bet, "BET 2 HANDS".
void ShowBetPanels(TPlayer& t, bool shown);
// A move on hand 1..4 is done with the hands played before it: they count as stood.
void FinishHandsBefore(Game& g, int hand);

}  // namespace velmora
