#include "exact/engine_average.h"

#include <cassert>
#include <utility>
#include <vector>

#include "engine/game.h"
#include "engine/headless_host.h"
#include "engine/round.h"
#include "engine/shoe.h"

namespace velmora {

namespace {

class OrderWalk {
  public:
    OrderWalk(const OptionsRecord& rules, const StrategyTable& strategy, const RankCounts& shoe)
        : game_(host_), left_(shoe) {
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
    std::vector<int> prefix_;
    EngineAverage out_;
};

}  // namespace

EngineAverage AverageOverEveryOrder(const OptionsRecord& rules, const StrategyTable& strategy,
                                    const RankCounts& shoe) {
    return OrderWalk(rules, strategy, shoe).Run();
}

}  // namespace velmora
