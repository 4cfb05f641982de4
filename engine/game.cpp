#include "engine/game.h"

#include <algorithm>

namespace velmora {

bool Game::ShoeIsOk() const {
    if (!ShoeBuilt) return Shoe.empty();
    if (Shoe.size() != ShoeSize || ShoeSize == 0 || CardsDealt < 0 || CutPoint > ShoeSize)
        return false;
    // Whole decks: every card the same number of times, either all 13 ranks or the
    // practice deck's aces to nines. The rules may have changed since the build, so
    // the shape is read from the shoe itself.
    std::array<int, kCardsPerDeck + 1> seen{};
    for (const ShoeEntry& e : Shoe) {
        if (e.Card.Number < 1 || e.Card.Number > kCardsPerDeck) return false;
        if (e.Card.Value != ValueOfRank(RankOf(e.Card.Number))) return false;
        seen[e.Card.Number] += 1;
    }
    const int decks = seen[1];
    const bool tens = seen[10] > 0;
    for (int k = 1; k <= kCardsPerDeck; ++k) {
        const bool inShoe = tens || RankOf(k) <= 9;
        if (seen[static_cast<size_t>(k)] != (inShoe ? decks : 0)) return false;
    }
    return decks > 0;
}

bool Game::IsOk() const {
    if (!ShoeIsOk() || !Strategy.IsOk()) return false;
    return std::all_of(Hands.begin(), Hands.end(), [](const THand& h) { return h.IsOk(); });
}

void ResetRound(Game& g) {
    // The hands of an unwatched game never carry stakes (see AnalysisStakes): none to clear.
    const bool stakes = !g.Unwatched;
#pragma GCC unroll 5
    for (THand& h : g.Hands) {
        h.NumCards = 0;
        h.Total = 0;
        h.SoftAce = 0;
        h.NextStake = 0;
        if (stakes) h.StakeByStrategy = {};
        h.Finished = true;
        h.Unsplit = false;
    }
    g.Hands[kDealer].Finished = false;
}

void ResetStatistics(Game& g) {
    for (int i = 1; i <= kStrategyCount; ++i) g.StatsOf(i) = Statistics{};
    g.Tally = BlockTally{};
    g.PlayHours = 0;
    g.PlayMinutes = 0;
    g.PlaySeconds = 0;
    g.HourBlocks = 0;
}

void CreateHands(Game& g) { g.Hands.fill(THand{}); }

}  // namespace velmora
