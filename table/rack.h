#pragma once
// The player's money as a rack of chips. Invariant: the bankroll equals the value of
// the chips in the rack (half chips at 2.50). A bet takes its chips' value off the
// bankroll; returning chips to the rack adds it back; exchanges change only the
// counts. When a bet needs a chip the rack lacks, a bigger one is broken on screen;
// small chips piling up are exchanged for bigger ones.

#include <string>

#include "table/player.h"

namespace velmora {

// The bankroll as the panel shows it: "$" and the amount with two decimals,
// right-aligned in nine characters, a comma before the last six when it is 1000 or
// more ("$   999.50", "$  1,500.00", "$250,000.00", "$1,000,000.00").
std::string BankrollText(double bankroll);

// Shows each rack chip while its kind is in the rack and the outlines that draw a
// taller stack as its count grows.
void ShowRack(TPlayer& t);
// The stack of one chip value drawn one chip lower, while that chip is carried.
void RefreshStack(TPlayer& t, int code);
// n chips (n may be negative) of a value code into the rack, and their value into the
// bankroll. Refused (false, nothing changed) if the count would fall below zero.
bool AddChips(TPlayer& t, int code, int n);
void ShowBankroll(TPlayer& t);

// MovingChip takes a rack chip's value, picture and place, and shows.
void PickUpChip(TPlayer& t, SpriteId rackImage);
// MovingChip takes the rack chip a bet amount is made of (10 -> a $5 chip, ...).
void LoadMovingChip(TPlayer& t, int amount);

// One chip of the next higher value becomes several of this one; and back.
void BreakChip(TPlayer& t, int code);
void CombineChips(TPlayer& t, int code, int n);
// The animation of an exchange: n chips leave, or arrive on, a rack stack.
void GatherChips(TPlayer& t, SpriteId rackImage, int n);
void DeliverChips(TPlayer& t, SpriteId rackImage, int n);
// The dealer pays one chip of a rack image's kind from the tray onto `target`.
void PayChip(TPlayer& t, SpriteId rackImage, SpriteId target);
// The chip on a spot goes to the dealer's tray; the counts do not change (its value
// left the bankroll when it was bet).
void CollectChip(TPlayer& t, SpriteId spot, bool keepShown);

// Makes sure the rack holds a chip for a bet amount, breaking or combining chips.
void MakeChange(TPlayer& t, int amount);
// Exchanges surplus small chips for bigger ones, one exchange per value.
void ColourUp(TPlayer& t);
// Exchanges small chips upward level by level.
void ColourUpAll(TPlayer& t);

// One chip of a bet amount from the rack onto a bet spot (with its ring: the spot now
// stands for two chips). Returns false when the rack cannot give such a chip.
bool PlaceBetChip(TPlayer& t, int amount, SpriteId spot, SpriteId ring);
// Every chip on every bet spot back into the rack and the bankroll.
void ReturnAllBets(TPlayer& t);

// What lies on a bet spot, in dollars (a shown ring doubles it).
double ChipsOn(const TPlayer& t, SpriteId spot, SpriteId ring);

}  // namespace velmora
