#pragma once
// The shoe: one or more decks (or the practice deck of aces to nines), shuffled by
// random sort keys and dealt from a moving index, with the two card counts.
// The shoe's state lives in the game context; these are its operations.

#include <cstdint>

#include "engine/card.h"

namespace velmora {

struct Game;

// One entry of the shoe list: the card and its sort key. The key is a random
// number 0..64999 whose decimal text decides the order, compared as text
// ("10" before "9"); `TextOrder` holds that text packed so integer order is text order.
struct ShoeEntry {
    uint32_t Key = 0;
    uint64_t TextOrder = 0;
    TCard Card;
};

constexpr uint32_t kKeyRange = 65000;
// Cards dealt again, uncounted, from this many places back when a round outruns the shoe.
constexpr int kRedealDistance = 30;

uint64_t KeyTextOrder(uint32_t key);

// Builds and shuffles a shoe for the current rules if none is built.
void BuildShoe(Game& game);
void FreeShoe(Game& game);
// New keys for every card, a new sort, counts and dealing index back to 0.
void Reshuffle(Game& game);
// True once the dealing index has passed the cut point; asked only at a round start.
bool NeedsReshuffle(const Game& game);
// While the analysis shuffles: orders the next kShuffleAhead places of the shoe
// (fewer near its end), called at each round start. Nothing otherwise.
constexpr int kShuffleAhead = 12;
void ShuffleAhead(Game& game);
// The next card, with the counts updated. The caller advances CardsDealt. The
// reference stays valid until the shoe is shuffled or freed.
const TCard& DrawCard(Game& game);

// Sorts entries [0, count) by TextOrder: an in-place quicksort that takes the middle
// element of each range as its pivot.
void SortShoe(ShoeEntry* entries, int count);

}  // namespace velmora
