#pragma once
// Judged moves for the history's tests, written as a player meets them.

#include "engine/decision_report.h"
#include "engine/game.h"

namespace velmora::testing {

struct Hand {
    int total;
    bool soft = false;
    bool pair = false;
};

// A two-card hand with every permission a first decision can have.
inline JudgedDecision Judged(Hand h, int up, uint16_t taken, uint16_t asked = kStand) {
    JudgedDecision d;
    d.hand = 1;
    d.total = h.total;
    d.soft = h.soft;
    d.pair = h.pair;
    d.canSplit = h.pair;
    d.canDouble = true;
    d.canSurrender = !h.soft;
    d.upCard = up;
    d.taken = taken;
    d.asked = asked;
    return d;
}

}  // namespace velmora::testing
