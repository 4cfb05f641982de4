#include "exact/rank_counts.h"

namespace velmora {

int RankCounts::Total() const {
    int total = 0;
    for (int r = 1; r <= kRanks; ++r) total += n[static_cast<std::size_t>(r)];
    return total;
}

bool RankCounts::FitsIn(const RankCounts& limit) const {
    for (int r = 1; r <= kRanks; ++r)
        if ((*this)[r] < 0 || (*this)[r] > limit[r]) return false;
    return true;
}

uint64_t RankCounts::Key() const {
    uint64_t key = 0;
    for (int r = 1; r <= kRanks; ++r) key = (key << 5) | static_cast<uint64_t>((*this)[r] & 31);
    return key;
}

RankCounts& RankCounts::operator+=(const RankCounts& o) {
    for (int r = 1; r <= kRanks; ++r) (*this)[r] += o[r];
    return *this;
}

RankCounts& RankCounts::operator-=(const RankCounts& o) {
    for (int r = 1; r <= kRanks; ++r) (*this)[r] -= o[r];
    return *this;
}

RankCounts ShoeOfDecks(int decks) {
    RankCounts shoe;
    for (int r = 1; r < kTenRank; ++r) shoe[r] = 4 * decks;
    shoe[kTenRank] = 16 * decks;
    return shoe;
}

RankCounts CardsOf(std::initializer_list<int> ranks) {
    RankCounts cards;
    for (int r : ranks) cards[r] += 1;
    return cards;
}

}  // namespace velmora
