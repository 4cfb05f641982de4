#pragma once
// Cards counted by blackjack rank, the way the exact analysis sees a shoe or a
// hand: rank 1 is the ace, 2..9 the number cards, 10 every ten-valued card. The
// suits and the order play no part, only how many of each rank there are.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "engine/card.h"

namespace velmora {

constexpr int kAceRank = 1;
constexpr int kTenRank = 10;
constexpr int kRanks = 10;

// The rank of a card value of the game (2..10, 11 for the ace); the card's own
// ValueOfRank goes back.
constexpr int RankOfValue(int value) {
    return value == 11 ? kAceRank : value;
}

struct RankCounts {
    std::array<int, kRanks + 1> n{};  // [1..10]; [0] unused

    int& operator[](int rank) { return n[static_cast<std::size_t>(rank)]; }
    int operator[](int rank) const { return n[static_cast<std::size_t>(rank)]; }
    int Total() const;
    // Every count at least 0 and at most the same count of `limit`.
    bool FitsIn(const RankCounts& limit) const;
    // A key that tells multisets of up to 31 cards of a rank apart (5 bits a rank).
    uint64_t Key() const;

    RankCounts& operator+=(const RankCounts& o);
    RankCounts& operator-=(const RankCounts& o);
    friend RankCounts operator+(RankCounts a, const RankCounts& b) { return a += b; }
    friend RankCounts operator-(RankCounts a, const RankCounts& b) { return a -= b; }
    friend bool operator==(const RankCounts&, const RankCounts&) = default;
};

// `decks` whole decks: four of each rank, sixteen ten-valued cards a deck.
RankCounts ShoeOfDecks(int decks);

// The cards given by rank, for tests and small shoes: {10, 10, 6} is two tens and a six.
RankCounts CardsOf(std::initializer_list<int> ranks);

}  // namespace velmora
