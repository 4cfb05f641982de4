#include "table/hand_total.h"

namespace velmora {

namespace {

// The total with every ace counted 1, and whether there is an ace to count 11.
int HardTotal(const THand& hand, bool& ace) {
    int hard = 0;
    ace = false;
    for (int k = 1; k <= hand.NumCards; ++k) {
        const int value = hand.Cards[static_cast<size_t>(k)].Value;
        hard += value == 11 ? 1 : value;
        ace = ace || value == 11;
    }
    return hard;
}

}  // namespace

bool Busted(const THand& hand) {
    bool ace;
    return HardTotal(hand, ace) > 21;
}

std::string HandTotalText(const THand& hand, bool blackjackCounts) {
    const int cards = hand.NumCards;
    if (cards == 0) return {};
    bool ace;
    const int hard = HardTotal(hand, ace);
    if (hard > 21) return "BUST";
    const bool soft = ace && hard + 10 <= 21;
    const int total = soft ? hard + 10 : hard;
    if (total == 21 && cards == 2 && blackjackCounts) return "BLACKJACK";
    if (soft && total < 21) return "soft " + std::to_string(total);
    return std::to_string(total);
}

}  // namespace velmora
