#pragma once
// What the table's signs remember between the engine's calls: the signs that tell a
// player what is happening (each hand's total, the banners of a round's events, the
// practice score), which the table's older pieces leave a player to guess.

#include <array>

#include "engine/hand.h"
#include "table/practice_score.h"

namespace velmora {

// The banners shown at a hand for about a second.
enum class BannerKind { Blackjack, Bust, DealerBusts, Push };

struct SignState {
    bool HoleCardTurned = false;  // the dealer's total is shown only from then on
    // Hands made or broken up by a split this round: their two-card 21 is no blackjack.
    std::array<bool, kHandCount> Split{};
    // A count of the banners shown at each hand, so that the end of an older banner's
    // second leaves a newer one alone.
    std::array<unsigned, kHandCount> BannerSerial{};
    unsigned JudgementSerial = 0;  // the same for the practice judgement's "Correct"
    PracticeScore Score;
};

}  // namespace velmora
