#pragma once
// The settled hand on the table: its label ("Win $" or "Lose $" and the amount) and
// its chips, which the dealer takes from the bet spot or pays beside it, a half chip
// where a 3-to-2 payout needs one. Also the panels at the top right: the table
// limits in the player's own play, the advice flash in computer play.

#include <string>
#include <string_view>

#include "table/player.h"

namespace velmora {

// An amount as the labels show it: two decimals when it has cents, else whole
// (7.50, 37.50, 15, 1500).
std::string FormatPayout(double amount);

// Label and chips of hand 1..4 settled with result factor f: 1.5 blackjack, 1 win,
// -1 loss, -0.5 surrender. The bet is the hand's stake, doubled when doubled down.
void SettleHandDisplay(TPlayer& t, int hand, double f);
// The dealer takes the bet and any double-down stake.
void TakeBet(TPlayer& t, int hand);
// The dealer pays chips worth the bet beside it.
void PayEvenMoney(TPlayer& t, int hand);
// The dealer pays a blackjack 3 to 2 on the payout slots of hand 1 or 3.
void PayBlackjack(TPlayer& t, int hand);
// The dealer takes a surrendered bet and pays half of it back on the refund slots of
// hand 1 or 3; nothing when the bet has already gone.
void SurrenderRefund(TPlayer& t, int hand);

// The player's own play: the table-limit panels (the text is not shown). Computer
// play: the text flashes on the advice panel as long as the speed bar says.
void ShowAdvice(TPlayer& t, std::string_view text);

}  // namespace velmora
