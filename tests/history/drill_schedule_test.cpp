// The drill's choice over a scripted history, and the hands it deals.

#include <gtest/gtest.h>

#include <set>

#include "history/drill_schedule.h"

namespace velmora {
namespace {

const DrillCell kHard16v10{ClassOfRow(216), 10};
const DrillCell kEights{ClassOfRow(416), 9};
const DrillCell kSoft18v9{ClassOfRow(218), 9};

OptionsRecord Rules() {
    OptionsRecord o;
    ApplyDefaultOptions(o);
    return o;
}

// Moves on cells that are never missed, to let the clock run.
void Pass(DrillSchedule& s, int steps) {
    for (int i = 0; i < steps; ++i) s.Learn({ClassOfRow(212), 4}, true);
}

// A choice that is not the new-cell turn (every kNewCellEvery-th choice is).
DrillCell ChooseReview(DrillSchedule& s) { return s.Choose(Rules(), 0); }

TEST(DrillSchedule, AMissedCellComesBackAfterOneOtherMoveAndARightAnswerPushesItBack) {
    DrillSchedule s;
    s.Learn(kHard16v10, false);
    EXPECT_NE(ChooseReview(s), kHard16v10);  // not at once: one other hand first
    Pass(s, 1);
    EXPECT_EQ(ChooseReview(s), kHard16v10);  // due now
    s.Learn(kHard16v10, true);
    const int64_t due = s.Find(kHard16v10)->due;
    EXPECT_EQ(due, s.Step() + DrillSchedule::kFirstInterval);
    EXPECT_NE(ChooseReview(s), kHard16v10);  // pushed back: a new cell instead
    Pass(s, DrillSchedule::kFirstInterval - 1);
    s.Choose(Rules(), 0);  // the fourth choice is the new-cell turn
    EXPECT_EQ(ChooseReview(s), kHard16v10);
    s.Learn(kHard16v10, true);
    EXPECT_GT(s.Find(kHard16v10)->due - s.Step(), DrillSchedule::kFirstInterval);  // further each time
}

TEST(DrillSchedule, ACellMissedOftenComesBackSoonerThanOneMissedOnce) {
    DrillSchedule s;
    for (int i = 0; i < 3; ++i) s.Learn(kEights, false);
    s.Learn(kSoft18v9, false);
    for (const DrillCell& c : {kEights, kSoft18v9, kEights, kSoft18v9}) s.Learn(c, true);
    const auto* eights = s.Find(kEights);
    const auto* soft18 = s.Find(kSoft18v9);
    EXPECT_LT(eights->ease, soft18->ease);
    EXPECT_LT(eights->interval, soft18->interval);
    // When both are due, the one missed more often is dealt first.
    Pass(s, 40);
    EXPECT_EQ(ChooseReview(s), kEights);
}

TEST(DrillSchedule, EveryFourthChoiceIsANewCellEvenWithMissesDue) {
    DrillSchedule s;
    s.Learn(kHard16v10, false);
    Pass(s, 1);
    std::vector<DrillCell> chosen;
    for (int i = 0; i < DrillSchedule::kNewCellEvery; ++i) chosen.push_back(s.Choose(Rules(), 12345));
    for (int i = 0; i + 1 < DrillSchedule::kNewCellEvery; ++i) EXPECT_EQ(chosen[i], kHard16v10);
    const DrillCell fresh = chosen.back();
    EXPECT_EQ(s.Find(fresh), nullptr);  // never played
}

TEST(DrillSchedule, WithNothingDueTheLeastPlayedCellsAreDealt) {
    DrillSchedule s;
    std::set<DrillCell> seen;
    const size_t all = DrillableCells(Rules()).size();
    for (size_t i = 0; i < all; ++i) {
        const DrillCell c = s.Choose(Rules(), i * 7919);
        EXPECT_EQ(s.Find(c), nullptr) << i;  // every choice a cell not yet played
        seen.insert(c);
        s.Learn(c, true);
    }
    EXPECT_EQ(seen.size(), all);
}

TEST(DrillSchedule, TheCellsAreThoseTheRulesLetArise) {
    OptionsRecord rules = Rules();
    EXPECT_EQ(DrillableCells(rules).size(), 290u);  // split 10, double 12, hit 7 rows
    rules.SurrenderAllowed = true;
    EXPECT_EQ(DrillableCells(rules).size(), 340u);  // and surrender of hard 12..16
    rules.DoubleAnyHand = false;
    EXPECT_EQ(DrillableCells(rules).size(), 240u);  // doubling only hard 10 and 11
    for (const DrillCell& c : DrillableCells(rules)) {
        EXPECT_NE(c.cls.row, 517);  // asked by no decision
        EXPECT_NE(c.cls.row, 309);
    }
}

TEST(DrillSchedule, TwoCardsMakeTheClassWithoutAPairUnlessTheClassIsOne) {
    EXPECT_EQ(TwoCardsFor(ClassOfRow(416), 0), (std::pair{8, 8}));
    EXPECT_EQ(TwoCardsFor(ClassOfRow(422), 0), (std::pair{11, 11}));
    EXPECT_EQ(TwoCardsFor(ClassOfRow(317), 0), (std::pair{11, 6}));
    EXPECT_EQ(TwoCardsFor(ClassOfRow(218), 0), (std::pair{11, 7}));
    EXPECT_EQ(TwoCardsFor(HandClass{0, false, 5}, 3), (std::pair{2, 3}));
    EXPECT_EQ(TwoCardsFor(HandClass{0, false, 4}, 0), (std::pair{2, 2}));    // only a pair
    EXPECT_EQ(TwoCardsFor(HandClass{0, false, 20}, 0), (std::pair{10, 10}));  // only a pair
    EXPECT_FALSE(TwoCardsFor(HandClass{0, false, 21}, 0));
    EXPECT_FALSE(TwoCardsFor(HandClass{221, true, 21}, 0));  // a blackjack
    std::set<std::pair<int, int>> twelves;
    for (uint64_t r = 0; r < 50; ++r) twelves.insert(*TwoCardsFor(ClassOfRow(212), r));
    EXPECT_EQ(twelves, (std::set<std::pair<int, int>>{{2, 10}, {3, 9}, {4, 8}, {5, 7}}));
}

}  // namespace
}  // namespace velmora
