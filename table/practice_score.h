#pragma once
// Practice Deck's score for the run: of the decisions judged, how many the playing
// strategy agrees with. It counts what the engine reports through DecisionReport, the
// same report a decision history keeps, so the two never disagree.

#include <string>

#include "engine/decision_report.h"

namespace velmora {

struct PracticeScore {
    int right = 0;
    int judged = 0;

    // Counts a practice decision; other decisions (Normal Play) are not part of it.
    void Count(const JudgedDecision& decision);
    // "Practice: 17 of 20 right (85 %)", the share rounded to a whole percent, halves
    // up; "Practice: 0 of 0 right" before the first decision.
    std::string Text() const;
};

}  // namespace velmora
