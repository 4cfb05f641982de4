// The dealer's final totals: shoes small enough to follow every card by hand, the
// infinite shoe's figures, and chances that add up for every up card and shoe.

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "exact/dealer_outcomes.h"

namespace velmora {
namespace {

constexpr int k17 = 0, k21 = 4;

double Sum(const DealerOutcomes& d) {
    double s = 0;
    for (double p : d) s += p;
    return s;
}

// From an infinite shoe every card has its deck frequency whatever came before, so
// the dealer's chances follow from the total alone: a short recursion one can
// check by hand, written apart from the module's counting of card sets.
class InfiniteShoe {
  public:
    explicit InfiniteShoe(bool hitsSoft17) : hitsSoft17_(hitsSoft17) {}

    DealerOutcomes Given(int upRank) {
        const int blackjackHole = upRank == 1 ? 10 : upRank == 10 ? 1 : 0;
        const double noBlackjack = blackjackHole ? 1 - Chance(blackjackHole) : 1.0;
        DealerOutcomes out{};
        for (int r = 1; r <= 10; ++r) {
            if (r == blackjackHole) continue;
            const DealerOutcomes next = From(upRank + r, upRank == 1 || r == 1);
            for (int f = 0; f < kDealerFinals; ++f) out[f] += Chance(r) * next[f] / noBlackjack;
        }
        return out;
    }

  private:
    static double Chance(int rank) { return rank == 10 ? 4.0 / 13 : 1.0 / 13; }

    DealerOutcomes From(int hard, bool ace) {
        const auto key = std::pair{hard, ace};
        if (auto it = memo_.find(key); it != memo_.end()) return it->second;
        const bool soft = ace && hard + 10 <= 21;
        const int total = soft ? hard + 10 : hard;
        DealerOutcomes out{};
        if (total > 21) {
            out[kDealerBust] = 1;
        } else if (total > 17 || (total == 17 && !(hitsSoft17_ && soft))) {
            out[total - 17] = 1;
        } else {
            for (int r = 1; r <= 10; ++r) {
                const DealerOutcomes next = From(hard + r, ace || r == 1);
                for (int f = 0; f < kDealerFinals; ++f) out[f] += Chance(r) * next[f];
            }
        }
        return memo_[key] = out;
    }

    bool hitsSoft17_;
    std::map<std::pair<int, bool>, DealerOutcomes> memo_;
};

TEST(DealerOutcomes, AddUpToOneForEveryUpCardAndShoe) {
    RankCounts noTens = ShoeOfDecks(1);
    noTens[kTenRank] = 0;
    RankCounts fewSmall = ShoeOfDecks(2);
    for (int r = 2; r <= 6; ++r) fewSmall[r] = 1;
    const RankCounts shoes[] = {ShoeOfDecks(1), ShoeOfDecks(2), ShoeOfDecks(4), ShoeOfDecks(6),
                                ShoeOfDecks(8), noTens,         fewSmall};
    for (const RankCounts& full : shoes)
        for (bool h17 : {false, true})
            for (int up = 1; up <= kRanks; ++up) {
                if (full[up] == 0) continue;
                RankCounts shoe = full;
                shoe[up] -= 1;
                EXPECT_NEAR(Sum(DealerProbabilities(shoe, up, h17)), 1.0, 1e-12)
                    << "up " << up << " h17 " << h17 << " of " << full.Total() << " cards";
            }
}

// Up card 6; the shoe holds two tens and a five. A ten in the hole makes 16 and the
// dealer draws one of the ten and the five left (bust or 21); a five in the hole
// makes 11 and the ten then makes 21.
TEST(DealerOutcomes, ThreeCardShoeWorkedOutByHand) {
    const DealerOutcomes d = DealerProbabilities(CardsOf({10, 10, 5}), 6, false);
    EXPECT_NEAR(d[k21], 2.0 / 3, 1e-15);
    EXPECT_NEAR(d[kDealerBust], 1.0 / 3, 1e-15);
    EXPECT_NEAR(d[k17], 0.0, 1e-15);
}

// Up card ace; the shoe holds two tens, a six and a five. A ten in the hole is
// blackjack and is not played against, so the hole card is the six or the five,
// even chances. Ace-six is soft 17: it stands, or with the soft-17 rule draws (a ten
// makes a hard 17; the five makes a hard 12 that draws a ten and busts). Ace-five
// draws to a hard 16 or 12 and busts whatever comes.
TEST(DealerOutcomes, AceUpWithoutBlackjackWorkedOutByHand) {
    const RankCounts shoe = CardsOf({10, 10, 6, 5});
    const DealerOutcomes stands = DealerProbabilities(shoe, 1, false);
    EXPECT_NEAR(stands[k17], 0.5, 1e-15);
    EXPECT_NEAR(stands[kDealerBust], 0.5, 1e-15);
    const DealerOutcomes hits = DealerProbabilities(shoe, 1, true);
    EXPECT_NEAR(hits[k17], 0.5 * 2 / 3, 1e-15);
    EXPECT_NEAR(hits[kDealerBust], 0.5 + 0.5 / 3, 1e-15);
    EXPECT_NEAR(NoBlackjackChance(shoe, 1), 0.5, 1e-15);
    EXPECT_NEAR(NoBlackjackChance(shoe, 7), 1.0, 1e-15);
}

TEST(DealerOutcomes, InfiniteShoeFiguresKnownByHand) {
    // Two figures of the infinite shoe, standing on soft 17, written out to five places.
    InfiniteShoe infinite(false);
    EXPECT_NEAR(infinite.Given(6)[kDealerBust], 0.42315, 5e-6);
    EXPECT_NEAR(infinite.Given(10)[3], 0.37071, 5e-6);  // 20 against a ten
}

TEST(DealerOutcomes, ManyDecksComeCloseToTheInfiniteShoe) {
    for (bool h17 : {false, true}) {
        InfiniteShoe infinite(h17);
        for (int up = 1; up <= kRanks; ++up) {
            const DealerOutcomes exact = infinite.Given(up);
            RankCounts eight = ShoeOfDecks(8), huge = ShoeOfDecks(5000);
            eight[up] -= 1;
            huge[up] -= 1;
            const DealerOutcomes fromEight = DealerProbabilities(eight, up, h17);
            const DealerOutcomes fromHuge = DealerProbabilities(huge, up, h17);
            for (int f = 0; f < kDealerFinals; ++f) {
                EXPECT_NEAR(fromEight[f], exact[f], 3e-3) << "up " << up << " final " << f;
                EXPECT_NEAR(fromHuge[f], exact[f], 5e-6) << "up " << up << " final " << f;
            }
        }
    }
}

}  // namespace
}  // namespace velmora
