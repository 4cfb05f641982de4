#include "engine/shoe.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <utility>

#include "engine/game.h"

namespace velmora {

uint64_t KeyTextOrder(uint32_t key) {
    // The decimal digits left-aligned in five bytes, a shorter text padded with 0
    // bytes, so "123" < "45" and "10" < "9" as in a text comparison.
    char digits[10];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + key % 10);
        key /= 10;
    } while (key > 0);
    uint64_t order = 0;
    for (int i = 0; i < 5; ++i) {
        const uint64_t byte = i < n ? static_cast<uint64_t>(digits[n - 1 - i]) : 0;
        order = (order << 8) | byte;
    }
    return order;
}

void SortShoe(ShoeEntry* e, int count) {
    // Hoare partitioning around the element in the middle of the range; the pivot's
    // index follows it when it is swapped.
    int l = 0, r = count - 1;
    if (r <= l) return;
    while (true) {
        int i = l, j = r, p = (l + r) >> 1;
        do {
            while (e[i].TextOrder < e[p].TextOrder) ++i;
            while (e[j].TextOrder > e[p].TextOrder) --j;
            if (i <= j) {
                std::swap(e[i], e[j]);
                if (p == i)
                    p = j;
                else if (p == j)
                    p = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (l < j) SortShoe(e + l, j - l + 1);
        l = i;
        if (i >= r) break;
    }
}

namespace {

void SetKey(ShoeEntry& entry, uint32_t key) {
    entry.Key = key;
    entry.TextOrder = KeyTextOrder(key);
}

// The table's shuffle: new keys from the clock-seeded generator, then the sort.
void KeyAndSort(Game& g) {
    g.Lcg.SeedFromClock(g.host.Now());
    for (ShoeEntry& entry : g.Shoe) SetKey(entry, g.Lcg.Random(kKeyRange));
    SortShoe(g.Shoe.data(), static_cast<int>(g.Shoe.size()));
}

// The analysis shuffles as it deals: the card at place i is chosen at random among
// those not dealt yet (Fisher-Yates, one step per place). That deals exactly as a
// shuffled shoe would, but only the cards actually dealt cost work. The steps are
// taken a few places ahead in one tight loop, the generator in registers, so the
// random numbers are not on the path of each card as it is dealt. Only the cards
// move (as whole 8-byte words); the sort keys play no part in the analysis.
[[gnu::noinline]] void ShuffleThrough(Game& g, size_t end) {
    Xoshiro256 rng = g.AnalysisRng;
    ShoeEntry* shoe = g.Shoe.data();
    const size_t size = g.ShoeSize;
    for (size_t i = g.ShuffledTo; i < end; ++i) {
        const size_t j = i + rng.Below(static_cast<uint32_t>(size - i));
        uint64_t drawn, waiting;
        std::memcpy(&drawn, &shoe[j].Card, sizeof drawn);
        std::memcpy(&waiting, &shoe[i].Card, sizeof waiting);
        std::memcpy(static_cast<void*>(&shoe[j].Card), &waiting, sizeof waiting);
        std::memcpy(static_cast<void*>(&shoe[i].Card), &drawn, sizeof drawn);
    }
    g.AnalysisRng = rng;
    g.ShuffledTo = static_cast<uint16_t>(end);
}

// A round that deals more cards than were shuffled ahead shuffles the rest as they
// are dealt, up to and including the place being dealt. A table shoe is ordered
// whole already.
[[gnu::noinline]] void ShuffleToTheDeal(Game& g) {
    if (g.AnalysisShuffleOn)
        ShuffleThrough(g, static_cast<size_t>(g.CardsDealt) + 1);
    else
        g.ShuffledTo = g.ShoeSize;
}

void ResetCounts(Game& g) {
    g.CardsDealt = 0;
    g.ShuffledTo = g.AnalysisShuffleOn ? 0 : g.ShoeSize;
    g.RunningCount = 0;
    g.AceFiveCount = 0;
}

// The table shows the shuffle and the cut card in every table mode but practice.
bool ShowsShuffle(const Game& g) { return g.ShownTable() && !g.PracticeDeckMode; }

}  // namespace

void BuildShoe(Game& g) {
    if (g.ShoeBuilt) return;
    g.ShoeBuilt = true;
    const int decks = g.Options.Decks;
    const int ranks = g.PracticeDeckMode ? 9 : 13;
    g.ShoeSize = static_cast<uint16_t>(decks * ranks * kSuits);
    g.CutPoint = static_cast<uint16_t>(decks * ranks * g.Options.Penetration);
    ResetCounts(g);

    g.Shoe.clear();
    g.Shoe.reserve(g.ShoeSize);
    if (g.AnalysisShuffleOn) {
        g.CardBackChoice = static_cast<uint16_t>(g.AnalysisRng.Below(2));
    } else {
        g.CardBackChoice = static_cast<uint16_t>(g.Lcg.Random(2));
        g.Lcg.SeedFromClock(g.host.Now());
    }
    for (int deck = 0; deck < decks; ++deck)
        for (int rank = 1; rank <= ranks; ++rank)
            for (int suit = 0; suit < kSuits; ++suit) {
                ShoeEntry entry;
                entry.Card = MakeCard(suit * 13 + rank);
                if (!g.AnalysisShuffleOn) SetKey(entry, g.Lcg.Random(kKeyRange));
                g.Shoe.push_back(entry);
            }
    if (!g.AnalysisShuffleOn) SortShoe(g.Shoe.data(), static_cast<int>(g.Shoe.size()));
    assert(g.ShoeIsOk());
}

void FreeShoe(Game& g) {
    g.Shoe.clear();
    g.Shoe.shrink_to_fit();
    g.ShoeBuilt = false;
    g.ShoeSize = 0;
    g.CutPoint = 0;
    ResetCounts(g);
}

// Out of line: it runs once a shoe, and in the table modes it shows the shuffle.
[[gnu::noinline]] void Reshuffle(Game& g) {
    if (!g.ShoeBuilt) return;
    if (ShowsShuffle(g)) g.Table->ShowShuffle();
    if (!g.AnalysisShuffleOn) KeyAndSort(g);  // the analysis shuffles as it deals
    ResetCounts(g);
}

bool NeedsReshuffle(const Game& g) { return g.CutPoint < g.CardsDealt; }

void ShuffleAhead(Game& g) {
    const size_t end =
        std::min<size_t>(static_cast<size_t>(g.CardsDealt) + kShuffleAhead, g.ShoeSize);
    if (g.AnalysisShuffleOn && end > g.ShuffledTo) ShuffleThrough(g, end);
}

namespace {

// The cut card comes out of the shoe as the card at the cut point is dealt.
[[gnu::noinline]] void ShowCutCardIfDue(Game& g) {
    if (ShowsShuffle(g) && g.CardsDealt == g.CutPoint) g.Table->MoveCutCard(true);
}

const TCard& CountedCard(Game& g, size_t i) {
    const TCard& card = g.Shoe[i].Card;
    g.RunningCount += card.CountTag;
    g.AceFiveCount += card.AceFiveTag;
    return card;
}

// A card not shuffled yet: shuffled up to the deal, or past the shoe's end dealt again.
[[gnu::noinline]] const TCard& DrawUnshuffled(Game& g) {
    if (g.CardsDealt < g.ShoeSize) {
        ShuffleToTheDeal(g);
        return CountedCard(g, static_cast<size_t>(g.CardsDealt));
    }
    // The shoe ran out in the middle of a round: deal again, uncounted, the card
    // dealt 30 places back. Past 30 such cards that would reach beyond the shoe, so
    // the last 30 entries are dealt over again in turn.
    const int past = g.CardsDealt - g.ShoeSize;
    const int back = g.ShoeSize >= kRedealDistance ? kRedealDistance : g.ShoeSize;
    const int index = g.ShoeSize - back + past % back;
    return g.Shoe[static_cast<size_t>(index)].Card;
}

}  // namespace

const TCard& DrawCard(Game& g) {
    assert(g.ShoeBuilt && g.ShoeSize > 0 && g.ShuffledTo <= g.ShoeSize);
    if (g.TableShown) [[unlikely]]
        ShowCutCardIfDue(g);
    // The places before ShuffledTo lie in the shoe in their dealing order.
    const auto i = static_cast<size_t>(g.CardsDealt);
    if (i < g.ShuffledTo) [[likely]]
        return CountedCard(g, i);
    return DrawUnshuffled(g);
}

}  // namespace velmora
