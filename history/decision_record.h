#pragma once
// One judged move as the history keeps it: when and in which mode, under which
// rules and strategy, the hand class and up card, the move taken and the move
// asked, and what the mistake cost where that is known.

#include <cstdint>
#include <optional>
#include <string>

#include "history/hand_class.h"

namespace velmora {

// The modes whose moves are judged.
inline constexpr char kNormalMode[] = "Normal";
inline constexpr char kPracticeMode[] = "Practice";
inline constexpr char kDrillMode[] = "Drill";

struct DecisionRecord {
    int64_t atMs = 0;     // milliseconds since 1970 (UTC)
    std::string day;      // the local date of atMs, "YYYY-MM-DD"
    std::string mode;     // kNormalMode, kPracticeMode or kDrillMode
    std::string rules;    // RulesDigest
    std::string strategy; // StrategyDigest
    HandClass cls;
    bool pair = false;
    int hand = 1;
    int upCard = 0;       // 2..11
    int taken = 0;        // stand 1 .. surrender 5
    int asked = 0;
    int advice = 0;       // the advice code of the strategy's move
    // Expected loss of the move taken against the best play, in bets; empty
    // where no analysis gives it (and for a right move, 0 when it does).
    std::optional<double> cost;

    bool Right() const { return taken == asked; }
};

// The local calendar date of a time in milliseconds since 1970.
std::string LocalDay(int64_t atMs);

}  // namespace velmora
