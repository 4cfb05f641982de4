// An independent blackjack simulation, written from the rules alone and sharing no
// code with the engine but the strategy table's data. It plays the rules of the
// default options (2 decks dealt to 3/4, dealer stands on soft 17, double any two
// cards and after a split, re-split to four hands, split aces take one card,
// blackjack pays 3 to 2, two hands a round or one) with a flat bet, so its results can be
// set beside the "Basic Strategy" column of the analysis.
//
//   velmora-reference-sim [rounds] [seed] [hands a round: 1 or 2]

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "strategy/strategy_table.h"

namespace {

struct Hand {
    std::vector<int> cards;  // values 2..11
    double bet = 1;
    bool fromSplit = false;
    bool done = false;
    bool splitAces = false;

    int Hard() const {
        int t = 0;
        for (int c : cards) t += c == 11 ? 1 : c;
        return t;
    }
    bool HasAce() const { return std::find(cards.begin(), cards.end(), 11) != cards.end(); }
    // Best total and whether an ace counts 11 in it.
    int Total() const { return Soft() ? Hard() + 10 : Hard(); }
    bool Soft() const { return HasAce() && Hard() + 10 <= 21; }
};

struct Tally {
    double hands = 0, staked = 0, net = 0, wins = 0, losses = 0, splits = 0, doubles = 0,
           blackjacks = 0, sumSq = 0;
};

class Table {
public:
    Table(uint64_t seed, int seats) : rng_(seed), seats_(seats) {
        velmora::ResetStrategyToDefault(strategy_);
        for (int deck = 0; deck < 2; ++deck)
            for (int rank = 1; rank <= 13; ++rank)
                for (int suit = 0; suit < 4; ++suit)
                    shoe_.push_back(rank == 1 ? 11 : std::min(rank, 10));
        Shuffle();
    }

    void PlayRound(Tally& t) {
        if (next_ > 78) Shuffle();  // past three quarters of 104 cards
        std::vector<Hand> seats(static_cast<size_t>(seats_));
        Hand dealer;
        for (int pass = 0; pass < 2; ++pass) {
            for (Hand& h : seats) h.cards.push_back(Draw());
            dealer.cards.push_back(Draw());
        }
        const int up = dealer.cards[0];
        const bool dealerBj = dealer.Total() == 21;
        std::vector<Hand> hands;
        for (Hand& h : seats) {
            t.hands += 1;
            t.staked += 1;
            const bool bj = h.Total() == 21;
            if (bj) t.blackjacks += 1;
            if (dealerBj) {
                if (!bj) Book(t, -1);
            } else if (bj) {
                Book(t, 1.5);
            } else {
                hands.push_back(h);
            }
        }
        if (dealerBj) return;
        // Up to four player hands in all, shared by both seats.
        int handsInPlay = seats_;
        for (size_t i = 0; i < hands.size(); ++i) {
            while (!hands[i].done) {
                Hand& h = hands[i];
                const int total = h.Total();
                const bool two = h.cards.size() == 2;
                const bool pair = two && h.cards[0] == h.cards[1];
                const bool canSplit = pair && handsInPlay < 4;
                if (canSplit) {
                    const int row = h.cards[0] == 11 ? 422 : 400 + 2 * h.cards[0];
                    if (strategy_.Takes(row, up)) {
                        Hand other;
                        other.cards = {h.cards[1]};
                        other.fromSplit = true;
                        h.cards = {h.cards[0]};
                        h.fromSplit = true;
                        const bool aces = h.cards[0] == 11;
                        h.cards.push_back(Draw());
                        other.cards.push_back(Draw());
                        h.done = other.done = aces;
                        h.splitAces = other.splitAces = aces;
                        t.splits += 1;
                        t.hands += 1;
                        t.staked += 1;
                        ++handsInPlay;
                        hands.push_back(other);
                        continue;
                    }
                }
                if (h.Soft()) {
                    if (two && strategy_.Takes(300 + total, up)) {
                        Double(h, t);
                    } else if (total <= 16 || strategy_.Takes(200 + total, up)) {
                        h.cards.push_back(Draw());
                    } else {
                        h.done = true;
                    }
                } else if (total >= 17) {
                    h.done = true;
                } else if (total <= 11) {
                    if (two && strategy_.Takes(300 + total, up))
                        Double(h, t);
                    else
                        h.cards.push_back(Draw());
                } else if (strategy_.Takes(200 + total, up)) {
                    h.cards.push_back(Draw());
                } else {
                    h.done = true;
                }
                if (h.Hard() > 21) h.done = true;
            }
        }
        // Dealer stands on every 17.
        while (dealer.Total() < 17) dealer.cards.push_back(Draw());
        const int d = dealer.Total() > 21 ? 0 : dealer.Total();
        for (const Hand& h : hands) {
            const int p = h.Total();
            if (p > 21)
                Book(t, -h.bet);
            else if (p > d)
                Book(t, h.bet);
            else if (p < d)
                Book(t, -h.bet);
        }
    }

private:
    void Double(Hand& h, Tally& t) {
        h.bet = 2;
        t.staked += 1;
        t.doubles += 1;
        h.cards.push_back(Draw());
        h.done = true;
    }
    static void Book(Tally& t, double amount) {
        t.net += amount;
        t.sumSq += amount * amount;
        if (amount > 0)
            t.wins += 1;
        else
            t.losses += amount < -1.5 ? 1 : -amount;  // a lost double counts one loss
    }
    int Draw() {
        if (next_ >= shoe_.size()) {  // a long round: shuffle the shoe again
            Shuffle();
        }
        return shoe_[next_++];
    }
    void Shuffle() {
        std::shuffle(shoe_.begin(), shoe_.end(), rng_);
        next_ = 0;
    }

    std::mt19937_64 rng_;
    velmora::StrategyTable strategy_;
    std::vector<int> shoe_;
    size_t next_ = 0;
    int seats_;
};

}  // namespace

int main(int argc, char** argv) {
    const uint64_t rounds = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10'000'000;
    const uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const int seats = argc > 3 && std::atoi(argv[3]) == 1 ? 1 : 2;
    Table table(seed, seats);
    Tally t;
    for (uint64_t i = 0; i < rounds; ++i) table.PlayRound(t);
    const double advantage = t.net / t.staked;
    // Standard error of the advantage, from the spread of the results per hand.
    const double mean = t.net / t.hands;
    const double var = t.sumSq / t.hands - mean * mean;
    const double stderrAdv = std::sqrt(var / t.hands) * t.hands / t.staked;
    std::printf("reference: %llu rounds, %.0f hands, %d hand%s a round, flat bet\n",
                static_cast<unsigned long long>(rounds), t.hands, seats, seats == 1 ? "" : "s");
    std::printf("Advantage      %8.3f %%  (standard error %.3f %%)\n", 100 * advantage,
                100 * stderrAdv);
    std::printf("Bets Won       %8.2f %%\n", 100 * t.wins / t.hands);
    std::printf("Bets Lost      %8.2f %%\n", 100 * t.losses / t.hands);
    std::printf("Pushed         %8.2f %%\n", 100 * (t.hands - t.wins - t.losses) / t.hands);
    std::printf("Hands Split    %8.2f %%\n", 100 * t.splits / t.hands);
    std::printf("Doubled        %8.2f %%\n", 100 * t.doubles / t.hands);
    std::printf("Blackjacks     %8.2f %%\n", 100 * t.blackjacks / t.hands);
    return 0;
}
