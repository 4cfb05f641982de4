#pragma once
// Bets made of real chips. What a table level lets the player bet, a chip picked up
// and released, bets on two hands, the last bet repeated or doubled, a double down
// or split by touching the bet, and chips exchanged at the dealer. Every refusal is
// a plain message; nothing is ever bet that the rack does not hold, and a bet spot
// always holds exactly the stake the round books.

#include "table/player.h"

namespace velmora {

// A press on a rack chip of this kind: checks the table level and starts its drag.
void PickUpRackChip(TPlayer& t, int kind);
// The release of a picked-up chip: it bets, doubles or splits, or goes back.
void ReleaseChip(TPlayer& t);
// The carried chip glides back onto its stack; nothing is counted.
void PutChipBack(TPlayer& t);

// The carried chip bet on both hands (two $5 chips a hand at the $5 table).
void BetTwoHandsNow(TPlayer& t);
// Twice the last bet, within the table's maximum.
void DoubleClickBet(TPlayer& t);
// The last bet again (a click on the table, or the Bet command).
void RepeatBet(TPlayer& t);
// Double down or split hand 1..4 by its bet.
void TouchBet(TPlayer& t, int hand);
// The carried chip, dragged to the dealer, changes colour.
void ExchangeChip(TPlayer& t);
// The next table level: $5, $25, $100, $5 ...
void AdvicePanel1Click(TPlayer& t);
// The half chip cannot be bet.
void Bet2aMouseUp(TPlayer& t);

// The table takes a bet (nothing lies on the main spot yet), or a decision, now.
bool BettingNow(const TPlayer& t);
bool DecidingNow(const TPlayer& t);

}  // namespace velmora
