#include "table/practice_score.h"

namespace velmora {

void PracticeScore::Count(const JudgedDecision& d) {
    if (!d.practice) return;
    ++judged;
    if (d.Right()) ++right;
}

std::string PracticeScore::Text() const {
    std::string text =
        "Practice: " + std::to_string(right) + " of " + std::to_string(judged) + " right";
    if (judged == 0) return text;
    // Whole numbers only: (200 r + j) / 2j is 100 r / j rounded, halves up.
    const long percent = (200L * right + judged) / (2L * judged);
    return text + " (" + std::to_string(percent) + " %)";
}

}  // namespace velmora
