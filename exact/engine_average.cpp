#include "exact/engine_average.h"

#include <array>
#include <cassert>
#include <utility>
#include <vector>

#include "engine/game.h"
#include "engine/headless_host.h"
#include "engine/round.h"
#include "engine/shoe.h"

namespace velmora {

namespace {

// The dealer's best total: one ace counts 11 while that keeps it at 21 or less.
int BestTotal(int hard, bool ace) {
    return ace && hard + 10 <= 21 ? hard + 10 : hard;
}

constexpr int kBust = 5;  // final totals 17..21 are 0..4

class OrderWalk {
  public:
    OrderWalk(const OptionsRecord& rules, const StrategyTable& strategy, const RankCounts& shoe,
              DealerPart dealer)
        : game_(host_), left_(shoe), dealer_(dealer) {
        game_.Options = rules;
        game_.Options.BetTwoHands = false;
        game_.Options.SingleStrategyView = false;
        game_.Strategy = strategy;
        game_.SimulationMode = true;
        BuildShoe(game_);
    }

    EngineAverage Run() {
        Follow(1.0);
        return out_;
    }

  private:
    // Plays the round with the cards chosen so far at the front of the shoe; when it
    // reads further, each rank the shoe still holds is tried as the next card.
    void Follow(double chance) {
        const auto [net, staked, read] = PlayWithPrefix();
        out_.Rounds += 1;
        if (read <= prefix_.size()) {
            out_.Net += chance * net;
            out_.Staked += chance * staked;
            return;
        }
        if (dealer_ == DealerPart::Counted && PlayerIsDone()) {
            SettleByDealerChances(chance);
            return;
        }
        const int cards = left_.Total();
        if (cards == 0) {
            out_.RanOut = true;
            return;
        }
        for (int r = 1; r <= kRanks; ++r) {
            if (left_[r] == 0) continue;
            const double next = chance * left_[r] / cards;
            left_[r] -= 1;
            prefix_.push_back(ValueOfRank(r));
            Follow(next);
            prefix_.pop_back();
            left_[r] += 1;
        }
    }

    // Every card the round read beyond the prefix went to the dealer: the player's
    // cards, the up card and the hole card all lie in the prefix.
    bool PlayerIsDone() const {
        size_t cards = 2;
        for (int h = 1; h <= 4; ++h) cards += game_.Hand(h).NumCards;
        return cards <= prefix_.size();
    }

    // The dealer draws from the up card and the hole card: the chance of each final
    // total from the cards left, and the engine's settlement for each.
    void SettleByDealerChances(double chance) {
        const THand& dealer = game_.Hands[kDealer];
        const int up = RankOfValue(dealer.Cards[1].Value),
                  hole = RankOfValue(dealer.Cards[2].Value);
        std::array<double, 6> finals{};
        RankCounts left = left_;
        DealerFrom(up + hole, up == kAceRank || hole == kAceRank, left, 1.0, finals);
        const size_t played = prefix_.size();
        for (int f = 0; f < 6; ++f) {
            if (finals[static_cast<size_t>(f)] == 0) continue;
            std::vector<int> draws;
            if (!DrawsReaching(up + hole, up == kAceRank || hole == kAceRank, f, EngineCardsLeft(),
                               draws)) {
                out_.RanOut = true;  // no cards to deal the engine that total
                continue;
            }
            prefix_.insert(prefix_.end(), draws.begin(), draws.end());
            const auto [net, staked, read] = PlayWithPrefix();
            out_.Rounds += 1;
            assert(read == prefix_.size());
            (void)read;
            prefix_.resize(played);
            out_.Net += chance * finals[static_cast<size_t>(f)] * net;
            out_.Staked += chance * finals[static_cast<size_t>(f)] * staked;
        }
    }

    bool DealerStands(int hard, bool ace) const {
        const int total = BestTotal(hard, ace);
        if (total != 17) return total > 17;
        return !(game_.Options.DealerHitsSoft17 && ace && hard + 10 == 17);
    }

    static int FinalOf(int hard, bool ace) {
        const int total = BestTotal(hard, ace);
        return total > 21 ? kBust : total - 17;
    }

    // Every order of the dealer's draws from the cards left, with its chance.
    void DealerFrom(int hard, bool ace, RankCounts& left, double chance,
                    std::array<double, 6>& finals) const {
        if (DealerStands(hard, ace)) {
            finals[static_cast<size_t>(FinalOf(hard, ace))] += chance;
            return;
        }
        const int cards = left.Total();
        for (int r = 1; r <= kRanks; ++r) {
            if (left[r] == 0) continue;
            const double next = chance * left[r] / cards;
            left[r] -= 1;
            DealerFrom(hard + r, ace || r == kAceRank, left, next, finals);
            left[r] += 1;
        }
    }

    // The cards of the engine's own shoe after the prefix: whole decks less the prefix.
    RankCounts EngineCardsLeft() const {
        RankCounts cards = ShoeOfDecks(game_.Options.Decks);
        for (int value : prefix_) cards[RankOfValue(value)] -= 1;
        return cards;
    }

    // Some draws (card values) from the engine's cards that take the dealer to final
    // total `final`; false when there are none.
    bool DrawsReaching(int hard, bool ace, int final, RankCounts cards,
                       std::vector<int>& draws) const {
        if (DealerStands(hard, ace)) return FinalOf(hard, ace) == final;
        for (int r = kRanks; r >= 1; --r) {
            if (cards[r] == 0) continue;
            cards[r] -= 1;
            draws.push_back(ValueOfRank(r));
            if (DrawsReaching(hard + r, ace || r == kAceRank, final, cards, draws)) return true;
            draws.pop_back();
            cards[r] += 1;
        }
        return false;
    }

    struct Played {
        double net, staked;
        size_t read;
    };
    Played PlayWithPrefix() {
        std::vector<ShoeEntry>& shoe = game_.Shoe;
        for (size_t next = 0; next < prefix_.size(); ++next) {
            size_t found = next;
            while (found < shoe.size() && shoe[found].Card.Value != prefix_[next]) ++found;
            assert(found < shoe.size() && "the small shoe must fit in the engine's shoe");
            if (found == shoe.size()) break;
            std::swap(shoe[next], shoe[found]);
        }
        game_.CardsDealt = 0;
        game_.RunningCount = 0;
        game_.AceFiveCount = 0;
        ResetStatistics(game_);
        PlayRound(game_);
        const Statistics& s = game_.StatsOf(1);
        const double bet = game_.Options.TableMinimum;
        return {s.HourNet / bet, s.TotalStaked / bet, static_cast<size_t>(game_.CardsDealt)};
    }

    HeadlessHost host_;
    Game game_;
    RankCounts left_;
    DealerPart dealer_;
    std::vector<int> prefix_;
    EngineAverage out_;
};

}  // namespace

EngineAverage AverageOverEveryOrder(const OptionsRecord& rules, const StrategyTable& strategy,
                                    const RankCounts& shoe, DealerPart dealer) {
    return OrderWalk(rules, strategy, shoe, dealer).Run();
}

}  // namespace velmora
