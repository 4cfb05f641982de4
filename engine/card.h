#pragma once
// One playing card as the game sees it: its blackjack value, its count tag and
// where it lies on the table. The picture is not part of the card: the window
// draws it from `Number`, so the engine stays free of any graphics.

#include <cstdint>

namespace velmora {

// Eight bytes, so a card moves as one machine word in the analysis hot loop.
struct TCard {
    uint16_t Value = 0;         // 2..9, 10 for ten and faces, 11 for the ace
    uint16_t PositionCode = 0;  // 10 x hand index + card number in the hand (table play only)
    int16_t CountTag = 0;       // +1 for 2..6, 0 for 7..9, -1 for tens and aces
    uint8_t Number = 0;         // 1..52: suit (Number-1)/13, rank (Number-1)%13+1, rank 1 = ace
    int8_t AceFiveTag = 0;      // the simple count: +1 for a five, -1 for an ace, else 0
};
static_assert(sizeof(TCard) == 8);

// Card number k (1..52): suit s = (k-1) div 13 and rank r = (k-1) mod 13 + 1.
constexpr int kCardsPerDeck = 52;
constexpr int kSuits = 4;

constexpr int SuitOf(int number) { return (number - 1) / 13; }
constexpr int RankOf(int number) { return (number - 1) % 13 + 1; }

// Rank 1 is the ace (11), ranks 11..13 the faces (10).
constexpr uint16_t ValueOfRank(int rank) {
    return rank == 1 ? 11 : (rank > 10 ? 10 : static_cast<uint16_t>(rank));
}

constexpr int16_t CountTagOfValue(int value) { return value > 9 ? -1 : (value >= 7 ? 0 : 1); }

constexpr TCard MakeCard(int number) {
    TCard card;
    card.Value = ValueOfRank(RankOf(number));
    card.CountTag = CountTagOfValue(card.Value);
    card.AceFiveTag = card.Value == 5 ? 1 : (card.Value == 11 ? -1 : 0);
    card.Number = static_cast<uint8_t>(number);
    return card;
}

}  // namespace velmora
