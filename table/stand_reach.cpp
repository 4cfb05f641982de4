#include "table/stand_reach.h"

namespace velmora {

int HandsClosedByStand(const Game& g) {
    if (!IsPlayerHand(g.ActiveHand) || g.Hand(g.ActiveHand).Finished) return 0;
    if (g.Hand(3).NumCards == 0) return 1;
    // Hand 3 is the last in play order: every hand still open is closed with it.
    int open = 0;
    for (int h = 1; h < kHandCount; ++h) open += g.Hand(h).Finished ? 0 : 1;
    return open;
}

std::string StandReachText(const Game& g) {
    const int hands = HandsClosedByStand(g);
    if (hands <= 1) return {};
    if (hands == 2) return "Stand on both hands";
    return "Stand on all " + std::to_string(hands) + " hands";
}

}  // namespace velmora
