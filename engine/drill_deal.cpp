#include "engine/drill_deal.h"

#include <functional>
#include <utility>
#include <vector>

#include "engine/game.h"
#include "engine/shoe.h"

namespace velmora {

namespace {

using CardWanted = std::function<bool(const TCard&)>;

CardWanted ValueIs(int value) {
    return [value](const TCard& c) { return c.Value == value; };
}

// Places `wanted[k]` (when set) at dealing place CardsDealt + k, each taken from
// that place or further down the shoe.
bool PutCards(Game& g, const std::vector<CardWanted>& wanted) {
    const int first = g.CardsDealt;
    if (first + static_cast<int>(wanted.size()) > g.ShoeSize) return false;
    for (size_t k = 0; k < wanted.size(); ++k) {
        if (!wanted[k]) continue;
        const size_t place = static_cast<size_t>(first) + k;
        size_t found = place;
        while (found < g.ShoeSize && !wanted[k](g.Shoe[found].Card)) ++found;
        if (found >= g.ShoeSize) return false;
        std::swap(g.Shoe[place], g.Shoe[found]);
    }
    return true;
}

}  // namespace

bool ArrangeDrillCase(Game& g, const DrillCase& drill) {
    if (!g.ShoeBuilt) return false;
    const int up = drill.upCard;
    // A ten under an ace or an ace under a ten would end the round before the player
    // decides anything.
    CardWanted hole = [up](const TCard& c) {
        return !(up == 11 && c.Value == 10) && !(up == 10 && c.Value == 11);
    };
    // The deal's order: hand 1, hand 3 (two hands), up card, hand 1, hand 3, hole card.
    std::vector<CardWanted> wanted{ValueIs(drill.first)};
    if (g.TwoHandsThisRound) wanted.emplace_back();
    wanted.push_back(ValueIs(up));
    wanted.push_back(ValueIs(drill.second));
    if (g.TwoHandsThisRound) wanted.emplace_back();
    wanted.push_back(hole);
    if (PutCards(g, wanted)) return true;
    Reshuffle(g);
    return PutCards(g, wanted);
}

}  // namespace velmora
