#pragma once
// The drill's choice of the next case, by spaced repetition over the cells
// (hand class, up card) the player has answered. Every judged move is a step of
// the schedule's clock. A wrong answer makes its cell due again after one other
// move and lowers the cell's ease; a right answer pushes it back by its interval
// times its ease, so a cell missed often comes back sooner and more often. Cells never missed
// are not reviewed; now and then (and whenever nothing is due) a new or rarely
// played cell is dealt instead.

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "engine/drill_cases.h"
#include "engine/options.h"
#include "history/hand_class.h"

namespace velmora {

struct DrillCell {
    HandClass cls;
    int upCard = 0;

    friend bool operator==(const DrillCell&, const DrillCell&) = default;
    friend auto operator<=>(const DrillCell&, const DrillCell&) = default;
};

class DrillSchedule {
  public:
    static constexpr double kStartEase = 2.5;
    static constexpr double kLeastEase = 1.3;
    static constexpr double kEaseLostPerMiss = 0.3;
    static constexpr int64_t kFirstInterval = 3;  // steps after a first right answer in a row
    static constexpr int64_t kMissInterval = 2;   // steps after a wrong answer
    static constexpr int kNewCellEvery = 4;       // every 4th choice is a new or rare cell

    struct State {
        int64_t plays = 0;
        int64_t misses = 0;
        double ease = kStartEase;
        int64_t streak = 0;  // right answers since the last miss
        int64_t interval = 0;
        int64_t due = 0;  // the step from which the cell is due again
    };

    // One judged move, in the order they were made.
    void Learn(const DrillCell& cell, bool right);

    // The next cell to deal under `rules`: the due missed cell that is most
    // overdue (then most missed), or on every kNewCellEvery-th choice and when none
    // is due, one of the least played cells the rules let arise (`random` picks
    // among equals).
    DrillCell Choose(const OptionsRecord& rules, uint64_t random);

    int64_t Step() const { return step_; }
    const State* Find(const DrillCell& cell) const;

  private:
    std::optional<DrillCell> Due() const;
    DrillCell NewOrRare(const OptionsRecord& rules, uint64_t random) const;

    std::map<DrillCell, State> cells_;
    int64_t step_ = 0;
    int64_t choices_ = 0;
};

// The cells whose question the rules let arise from a hand's first two cards: the
// strategy editor's rows (double downs of 10 and 11 only when doubling is limited,
// surrender only when allowed, never the unread hard 17 surrender) times ten up cards.
std::vector<DrillCell> DrillableCells(const OptionsRecord& rules);

// Two card values that make a hand of class `cls` (a pair for the split rows, an ace
// and a card for a soft total, two different cards for a hard total where there
// are such); `random` picks among the ways. Nothing for a hand two cards cannot
// make without a blackjack.
std::optional<std::pair<int, int>> TwoCardsFor(const HandClass& cls, uint64_t random);

}  // namespace velmora
