#pragma once
// What the table's signs remember between the engine's calls: the signs that tell a
// player what is happening (each hand's total, the banners of a round's events, the
// practice score), which the Parts' own pieces leave to be guessed.

#include <array>
#include <optional>

#include "engine/hand.h"
#include "table/practice_score.h"

namespace velmora {

// The banners shown at a hand for about a second.
enum class BannerKind { Blackjack, Bust, DealerBusts, Push, Correct };

struct SignState {
    bool HoleCardTurned = false;  // the dealer's total is shown only from then on
    // Hands made or broken up by a split this round: their two-card 21 is no blackjack.
    std::array<bool, kHandCount> Split{};
    // The banner each hand shows, and a count of the banners shown there, so that the
    // end of an older banner's second leaves a newer one alone.
    std::array<std::optional<BannerKind>, kHandCount> Banner{};
    std::array<unsigned, kHandCount> BannerSerial{};
    PracticeScore Score;
};

}  // namespace velmora
