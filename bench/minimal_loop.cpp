#include "bench/minimal_loop.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <utility>

#include "engine/card.h"
#include "engine/random.h"
#include "engine/shoe.h"

namespace velmora {

namespace {

constexpr uint64_t kRoundsPerBlock = 100;

// The analysis's shoe reduced to card values: built deck by deck, rank by rank, suit
// by suit, and shuffled as it is dealt (a Fisher-Yates step per place, a few places
// ahead of each round), from the chunk's generator.
class ValueShoe {
  public:
    ValueShoe(const OptionsRecord& rules, uint64_t seed)
        : rng_(seed),
          size_(rules.Decks * kCardsPerDeck),
          cut_(rules.Decks * 13 * rules.Penetration) {
        rng_.Below(2);  // the card back drawn when the shoe is built
        int n = 0;
        for (int deck = 0; deck < rules.Decks; ++deck)
            for (int rank = 1; rank <= 13; ++rank)
                for (int suit = 0; suit < kSuits; ++suit)
                    values_[static_cast<size_t>(n++)] = static_cast<uint8_t>(ValueOfRank(rank));
    }

    void StartRound() {
        if (cut_ < dealt_) dealt_ = shuffled_ = 0;
        ShuffleTo(std::min(dealt_ + kShuffleAhead, size_));
    }

    int Draw() {
        int value;
        if (dealt_ < size_) {
            if (dealt_ >= shuffled_) ShuffleTo(dealt_ + 1);
            value = values_[static_cast<size_t>(dealt_)];
        } else {  // the round outran the shoe: the cards 30 places back come again
            const int back = std::min(kRedealDistance, size_);
            value = values_[static_cast<size_t>(size_ - back + (dealt_ - size_) % back)];
        }
        ++dealt_;
        return value;
    }

  private:
    void ShuffleTo(int end) {
        for (; shuffled_ < end; ++shuffled_) {
            const uint32_t left = static_cast<uint32_t>(size_ - shuffled_);
            const int j = shuffled_ + static_cast<int>(rng_.Below(left));
            std::swap(values_[static_cast<size_t>(shuffled_)], values_[static_cast<size_t>(j)]);
        }
    }

    Xoshiro256 rng_;
    std::array<uint8_t, 8 * kCardsPerDeck> values_{};
    int size_;
    int cut_;
    int dealt_ = 0;
    int shuffled_ = 0;
};

struct Hand {
    int cards = 0;  // 0: no hand at this place
    int total = 0;  // 0 once settled
    bool soft = false;
    int first = 0;
    int second = 0;
    bool done = true;
    int units = 1;  // 2 once doubled

    void Add(int value) {
        if (cards == 0) first = value;
        if (cards == 1) second = value;
        ++cards;
        if (value == 11) {
            value = soft ? 1 : 11;
            soft = true;
        }
        total += value;
        if (total > 21 && soft) {
            total -= 10;
            soft = false;
        }
    }
};

enum class Move { Stand, Hit, Double, Split };

class MinimalTable {
  public:
    MinimalTable(const AnalysisRequest& r, uint64_t seed)
        : shoe_(r.Rules, seed), strategy_(r.Strategy), stake_(r.Rules.TableMinimum) {}

    // The money of the rounds played, added to `t`.
    void AddMoney(FlatBetTotals& t) const {
        t.Staked += static_cast<double>(staked_);
        t.Net += static_cast<double>(net2_) / 2;
        t.LossUnits += static_cast<double>(losses_);
    }

    void PlayRound(FlatBetTotals& t) {
        shoe_.StartRound();
        hands_ = {};
        Hand dealer;
        Hand& first = hands_[1];
        first.Add(shoe_.Draw());
        dealer.Add(shoe_.Draw());
        first.Add(shoe_.Draw());
        dealer.Add(shoe_.Draw());
        Place(first, t);
        const bool blackjack = first.total == 21;
        if (dealer.total == 21) {  // no play, no drawing: a blackjack pushes
            if (blackjack)
                ++t.Blackjacks;
            else
                Settle(first, -2, t);
            return;
        }
        if (blackjack) {
            ++t.Blackjacks;
            Settle(first, 3, t);
        }
        while (Hand* h = NextHand()) Play(*h, dealer.first, t);
        while (dealer.total < 17) dealer.Add(shoe_.Draw());  // even when every hand is settled
        const int d = dealer.total > 21 ? 0 : dealer.total;
        for (Hand& h : hands_)
            if (h.total > d) Settle(h, 2, t);
            else if (h.total > 0 && h.total < d) Settle(h, -2, t);
    }

  private:
    // Hands are played in the order 2, 1, 4, 3.
    Hand* NextHand() {
        for (int h : {2, 1, 4, 3})
            if (!hands_[static_cast<size_t>(h)].done) return &hands_[static_cast<size_t>(h)];
        return nullptr;
    }

    void Place(Hand& h, FlatBetTotals& t) {
        h.done = false;
        ++t.Hands;
        staked_ += stake_;
    }

    // Books the hand's result in half stakes (3 a blackjack, 2 a win, -2 a loss).
    void Settle(Hand& h, int halves, FlatBetTotals& t) {
        net2_ += halves * h.units * stake_;
        if (halves > 0)
            ++t.Wins;
        else
            ++losses_;
        h.total = 0;
        h.done = true;
    }

    void Hit(Hand& h, FlatBetTotals& t) {
        h.Add(shoe_.Draw());
        if (h.total > 21) Settle(h, -2, t);
    }

    Move Decide(const Hand& h, int up) const {
        const bool two = h.cards == 2;
        const bool placeFree = hands_[2].cards == 0 || hands_[3].cards == 0 || hands_[4].cards == 0;
        const bool canSplit = two && h.first == h.second && placeFree;
        const StrategyTable& s = strategy_;
        const int t = h.total;
        if (h.soft) {
            if (t == 12 && canSplit && s.Takes(kSplitPlane + 22, up)) return Move::Split;
            if (two && s.Takes(kDoublePlane + t, up)) return Move::Double;
            return t <= 16 || s.Takes(kHitPlane + t, up) ? Move::Hit : Move::Stand;
        }
        if (canSplit && s.Takes(kSplitPlane + t, up)) return Move::Split;
        if (t >= 17) return Move::Stand;
        if (t <= 11) return two && s.Takes(kDoublePlane + t, up) ? Move::Double : Move::Hit;
        return s.Takes(kHitPlane + t, up) ? Move::Hit : Move::Stand;
    }

    void Play(Hand& h, int up, FlatBetTotals& t) {
        switch (Decide(h, up)) {
            case Move::Stand:
                h.done = true;
                break;
            case Move::Hit:
                Hit(h, t);
                break;
            case Move::Double:
                ++t.Doubles;
                staked_ += stake_;
                h.units = 2;
                h.done = true;
                Hit(h, t);
                break;
            case Move::Split: {
                ++t.Splits;
                Hand& to = *FreePlace();
                Place(to, t);
                const int value = h.first;
                h = Hand{};
                h.Add(value);
                to.Add(value);
                h.done = to.done = value == 11;  // split aces take one card each
                h.Add(shoe_.Draw());
                to.Add(shoe_.Draw());
                break;
            }
        }
    }

    // Split hands go to places 3, 4, then 2.
    Hand* FreePlace() {
        for (int h : {3, 4, 2})
            if (hands_[static_cast<size_t>(h)].cards == 0) return &hands_[static_cast<size_t>(h)];
        assert(!"a split is decided only while a place is free");
        return nullptr;
    }

    ValueShoe shoe_;
    const StrategyTable& strategy_;
    int stake_;                    // the flat bet
    int64_t staked_ = 0;           // dollars
    int64_t net2_ = 0;             // half dollars
    int64_t losses_ = 0;
    std::array<Hand, 5> hands_{};  // places 1..4
};

}  // namespace

bool MinimalLoopPlays(const OptionsRecord& o) {
    return IsValidDecks(o.Decks) && IsValidPenetration(o.Penetration) &&
           IsValidTableMinimum(o.TableMinimum) && !o.DealerHitsSoft17 && o.DoubleAnyHand &&
           o.DoubleAfterSplit && o.ResplitAllowed && !o.SurrenderAllowed && !o.BetTwoHands &&
           !o.SingleStrategyView;
}

FlatBetTotals PlayMinimalLoop(const AnalysisRequest& r) {
    assert(MinimalLoopPlays(r.Rules) && r.ShardCount <= 1);
    const uint64_t blocks = (r.Rounds + kRoundsPerBlock - 1) / kRoundsPerBlock;
    const uint64_t perChunk = r.ChunkBlocks > 0 ? r.ChunkBlocks : ChunkBlocks(blocks);
    FlatBetTotals totals;
    for (uint64_t chunk = 0; chunk * perChunk < blocks; ++chunk) {
        MinimalTable table(r, ChunkSeed(r.Seed, chunk));
        const uint64_t rounds = std::min(perChunk, blocks - chunk * perChunk) * kRoundsPerBlock;
        for (uint64_t i = 0; i < rounds; ++i) table.PlayRound(totals);
        table.AddMoney(totals);
    }
    return totals;
}

FlatBetTotals FlatBetTotalsOf(const Statistics& s) {
    FlatBetTotals t;
    t.Hands = s.HandsPlayed;
    t.Doubles = s.Doubles;
    t.Splits = s.Splits;
    t.Blackjacks = s.Blackjacks;
    t.Wins = static_cast<int64_t>(s.Wins);
    t.LossUnits = s.LossUnits;
    t.Staked = s.TotalStaked;
    t.Net = s.TotalNet + s.HourNet;
    return t;
}

}  // namespace velmora
