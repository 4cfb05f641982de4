// Checks the exact analysis against the engine itself, for the default rules with
// one hand a round (flat bets, the default strategy table):
//
//   velmora-exact-check [--decks D] [--h17] [--rounds N] [--seed S] [--cut]
//       plays N rounds with the engine and compares its advantage (won over staked)
//       with the exact one. Each round is dealt from a freshly shuffled shoe, as the
//       exact analysis assumes; with --cut the shoe is dealt to its cut card as in
//       the analysis, so the difference of the two runs is the cut card's effect.
//   velmora-exact-check --every-order
//       averages the engine's round over every order of three small shoes (13, 14 and
//       20 cards, with aces and pairs of eights), with and without re-splitting, which
//       is exact, and prints what the exact analysis differs by. Without re-splitting
//       nothing (splits included); with it, its approximation of re-splits.

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/game.h"
#include "engine/headless_host.h"
#include "engine/round.h"
#include "engine/shoe.h"
#include "exact/engine_average.h"
#include "exact/exact_model.h"

using namespace velmora;

namespace {

struct Sums {
    double net = 0, staked = 0, netSq = 0, stakedSq = 0, netStaked = 0;
    uint64_t rounds = 0;
    void Add(double n, double s) {
        net += n;
        staked += s;
        netSq += n * n;
        stakedSq += s * s;
        netStaked += n * s;
        rounds += 1;
    }
    double Advantage() const { return net / staked; }
    // Standard error of the ratio of sums, by the delta method over single rounds.
    double StandardError() const {
        const double n = static_cast<double>(rounds), a = Advantage();
        const double meanS = staked / n;
        const double var = (netSq - 2 * a * netStaked + a * a * stakedSq) / n;
        return std::sqrt(var / n) / meanS;
    }
};

Sums Simulate(const OptionsRecord& rules, const StrategyTable& table, uint64_t rounds,
              uint64_t seed, bool cutCard) {
    HeadlessHost host;
    Game g(host);
    g.Options = rules;
    g.Strategy = table;
    g.SimulationMode = true;
    g.AnalysisShuffleOn = true;
    g.AnalysisRng.Reseed(seed);
    BuildShoe(g);
    const double bet = rules.TableMinimum;
    Sums sums;
    for (uint64_t i = 0; i < rounds; ++i) {
        // Without the cut card every round starts from a shoe shuffled afresh.
        if (!cutCard) g.CutPoint = 0;
        const double net = g.StatsOf(1).HourNet, staked = g.StatsOf(1).TotalStaked;
        PlayRound(g);
        sums.Add((g.StatsOf(1).HourNet - net) / bet, (g.StatsOf(1).TotalStaked - staked) / bet);
    }
    return sums;
}

}  // namespace

int main(int argc, char** argv) {
    OptionsRecord rules;
    ApplyDefaultOptions(rules);
    rules.BetTwoHands = false;
    uint64_t rounds = 10'000'000, seed = 1;
    bool cut = false, everyOrder = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool more = i + 1 < argc;
        if (a == "--decks" && more)
            rules.Decks = static_cast<uint16_t>(std::atoi(argv[++i]));
        else if (a == "--rounds" && more)
            rounds = std::strtoull(argv[++i], nullptr, 10);
        else if (a == "--seed" && more)
            seed = std::strtoull(argv[++i], nullptr, 10);
        else if (a == "--h17")
            rules.DealerHitsSoft17 = true;
        else if (a == "--cut")
            cut = true;
        else if (a == "--every-order")
            everyOrder = true;
        else {
            std::fprintf(stderr,
                         "usage: velmora-exact-check [--decks D] [--h17] [--rounds N] "
                         "[--seed S] [--cut] | --every-order\n");
            return 2;
        }
    }
    if (!IsValidDecks(rules.Decks)) {
        std::fprintf(stderr, "velmora-exact-check: --decks must be 1, 2, 4, 6 or 8\n");
        return 2;
    }
    StrategyTable table;
    ResetStrategyToDefault(table);
    if (everyOrder) {
        const RankCounts shoes[] = {
            CardsOf({1, 1, 3, 8, 8, 8, 9, 10, 10, 10, 10, 10, 10}),
            CardsOf({1, 1, 1, 5, 6, 8, 8, 8, 9, 10, 10, 10, 10, 10}),
            CardsOf({1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 8, 8, 9, 10, 10, 10, 10, 10, 10, 10})};
        rules.Decks = 1;
        for (bool resplit : {false, true}) {
            rules.ResplitAllowed = resplit;
            for (const RankCounts& shoe : shoes) {
                ExactRules small = ExactRulesOf(rules);
                small.Shoe = shoe;
                const StrategyReturn x = ExactModel(small).Return(table);
                const EngineAverage e =
                    AverageOverEveryOrder(rules, table, shoe, DealerPart::Counted);
                std::printf(
                    "%2d cards, %s: exact - engine: net %+.2e, staked %+.2e of the "
                    "initial bet (%llu rounds played)%s\n",
                    shoe.Total(), resplit ? "re-split   " : "no re-split", x.Net - e.Net,
                    x.Staked - e.Staked, static_cast<unsigned long long>(e.Rounds),
                    e.RanOut ? ", the shoe ran out" : "");
            }
        }
        return 0;
    }
    const ExactRules exactRules = ExactRulesOf(rules);
    const StrategyReturn exact = ExactModel(exactRules).Return(table);
    std::printf("%d decks, %s, default strategy, one hand a round\n", rules.Decks,
                rules.DealerHitsSoft17 ? "H17" : "S17");
    std::printf("exact:  net %+.6f %% of the initial bet, advantage %+.6f %%\n",
                exact.EdgePercent(), exact.AdvantagePercent());
    const auto start = std::chrono::steady_clock::now();
    const Sums s = Simulate(rules, table, rounds, seed, cut);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double adv = 100 * s.Advantage(), se = 100 * s.StandardError();
    std::printf(
        "engine: advantage %+.6f %% +- %.6f %% (one standard error), %llu rounds %s, "
        "%.0f s\n",
        adv, se, static_cast<unsigned long long>(s.rounds),
        cut ? "dealt to the cut card" : "each from a fresh shoe", seconds);
    std::printf("exact - engine: %+.6f %% = %+.2f standard errors\n",
                exact.AdvantagePercent() - adv, (exact.AdvantagePercent() - adv) / se);
    return 0;
}
