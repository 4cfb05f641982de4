#pragma once
// One place at the table. Hands[0] is the dealer, Hands[1] the player's first
// hand, Hands[3] the second hand (or the first split target), Hands[2] and
// Hands[4] further split targets. Hands[i], i = 1..4, also carries the statistics
// of betting strategy i.

#include <array>
#include <cstdint>

#include "engine/card.h"
#include "engine/statistics.h"

namespace velmora {

constexpr int kDealer = 0;
constexpr int kHandCount = 5;
constexpr int kStrategyCount = 4;

// A hand can only be hit while its hard total is at most 21, and every card adds at
// least 1 to the hard total, so no hand ever holds more than 22 cards: 21 aces and
// the card that busts it. The slots are sized for that and can never overflow.
constexpr int kMaxCardsInHand = 22;

struct THand {
    std::array<TCard, kMaxCardsInHand + 1> Cards{};        // slots 1..NumCards
    std::array<uint16_t, kStrategyCount + 1> StakeByStrategy{};  // [1..4]; 0 = no money
    Statistics Stats;
    uint16_t NumCards = 0;
    uint16_t Total = 0;    // best total; 0 once settled early (blackjack, bust, surrender)
    uint16_t SoftAce = 0;  // slot of the ace counted as 11; 0 = hard hand
    uint16_t NextStake = 0;
    bool IsPair = false;
    bool Blackjack = false;
    bool Finished = false;
    bool Unsplit = false;  // dealt at the round start, not made by a split
    bool Doubled = false;  // its stakes were doubled
    bool CanSplit = false;
    bool CanDouble = false;
    bool CanSurrender = false;

    const TCard& FirstCard() const { return Cards[1]; }
    bool IsSoft() const { return SoftAce > 0; }
    bool IsOk() const;
};

// Adds a card and keeps the best total: one ace at most counts 11, and it is
// demoted only when the total passes 21. Returns true when the hand is bust.
// A hand that is already full (impossible in play) is left unchanged.
bool AddCard(THand& hand, const TCard& card);

// The hand side of a split: the second card of `from` starts `to`. Split aces
// are finished at once; both hands start hard.
void SplitInto(THand& from, THand& to);

}  // namespace velmora
