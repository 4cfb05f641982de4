// The hand class of a judged move: the row where the player's move and the table part.

#include <gtest/gtest.h>

#include "history/hand_class.h"
#include "tests/history/judged.h"

namespace velmora {
namespace {

using testing::Hand;
using testing::Judged;

struct ClassCase {
    const char* what;
    JudgedDecision decision;
    int row;
    const char* name;
};

JudgedDecision Without(JudgedDecision d, bool split, bool dbl, bool surrender) {
    d.canSplit = d.canSplit && !split;
    d.canDouble = d.canDouble && !dbl;
    d.canSurrender = d.canSurrender && !surrender;
    return d;
}

TEST(HandClass, TheClassIsTheFirstRowTheMoveAndTheTablePartOn) {
    StrategyTable table;
    ResetStrategyToDefault(table);
    const ClassCase cases[] = {
        // Hard 16 against a 10: the surrender row says yes, so any other move is wrong there.
        {"hit 16 v 10", Judged({16}, 10, kHit), 516, "SURRENDER Hard 16"},
        {"stand 16 v 10", Judged({16}, 10, kStand), 516, "SURRENDER Hard 16"},
        {"surrender 16 v 10", Judged({16}, 10, kSurrender), 516, "SURRENDER Hard 16"},
        // Against a 7 the surrender row says no: surrendering is wrong there, the rest
        // is the hit row's question.
        {"surrender 16 v 7", Judged({16}, 7, kSurrender), 516, "SURRENDER Hard 16"},
        {"stand 16 v 7", Judged({16}, 7, kStand), 216, "HIT Hard 16"},
        {"16 v 10 no surrender", Without(Judged({16}, 10, kStand), 0, 0, 1), 216, "HIT Hard 16"},
        // Hard 12 against a 4: the hit row says no, standing is right there.
        {"stand 12 v 4", Judged({12}, 4, kStand), 212, "HIT Hard 12"},
        // Pairs: the split row comes first.
        {"stand 8s v 10", Judged({16, false, true}, 10, kStand), 416, "SPLIT 8's"},
        {"split 5s v 6", Judged({10, false, true}, 6, kSplit), 410, "SPLIT 5's"},
        {"hit 5s v 6", Judged({10, false, true}, 6, kHit), 310, "DOUBLE DOWN Hard 10"},
        {"split aces", Judged({12, true, true}, 10, kStand), 422, "SPLIT Aces"},
        // Where the rules answer after a row said no, that row is the class.
        {"stand 9s v 10", Judged({18, false, true}, 10, kStand), 418, "SPLIT 9's"},
        {"hit 9s v 10", Judged({18, false, true}, 10, kHit), 0, "Hard 18"},
        {"stand 18 v 10", Judged({18}, 10, kStand), 0, "Hard 18"},
        {"stand 17", Judged({17}, 11, kStand), 0, "Hard 17"},
        // Small hard totals: the double row, else the always-hit rows 204..211.
        {"double 10 v 10", Judged({10}, 10, kDouble), 310, "DOUBLE DOWN Hard 10"},
        {"hit 10 v 10", Judged({10}, 10, kHit), 310, "DOUBLE DOWN Hard 10"},
        {"stand 10 v 10", Judged({10}, 10, kStand), 210, "HIT Hard 10"},
        {"stand 9, 3 cards", Without(Judged({9}, 5, kStand), 1, 1, 1), 209, "HIT Hard 9"},
        // Soft hands: the double row, then soft 16 or less always hits, above the hit row.
        {"hit soft 15 v 5", Judged({15, true}, 5, kHit), 315, "DOUBLE DOWN Soft 15"},
        {"hit soft 15 v 9", Judged({15, true}, 9, kHit), 315, "DOUBLE DOWN Soft 15"},
        {"stand soft 15 v 9", Judged({15, true}, 9, kStand), 0, "Soft 15"},
        {"stand soft 15, 3 cards", Without(Judged({15, true}, 9, kStand), 1, 1, 1), 0, "Soft 15"},
        {"hit soft 18 v 9", Judged({18, true}, 9, kHit), 218, "HIT Soft 18"},
        {"double soft 18 v 9", Judged({18, true}, 9, kDouble), 318, "DOUBLE DOWN Soft 18"},
        {"stand soft 19", Judged({19, true}, 6, kStand), 219, "HIT Soft 19"},
    };
    for (const ClassCase& c : cases) {
        const HandClass cls = ClassOf(c.decision, table);
        EXPECT_EQ(cls.row, c.row) << c.what;
        EXPECT_EQ(ClassName(cls), c.name) << c.what;
        EXPECT_EQ(cls.total, c.decision.total) << c.what;
    }
}

TEST(HandClass, TheAdvancedTableMovesTheClassWhereItsCellsDiffer) {
    StrategyTable table;
    SetStrategyToAdvanced(table, true);
    // 8's against a 10 are no longer split: standing is judged at the surrender row.
    EXPECT_EQ(ClassOf(Judged({16, false, true}, 10, kStand), table).row, 516);
    // Hard 11 against an ace no longer doubles: a hit is right at the double row.
    EXPECT_EQ(ClassOf(Judged({11}, 11, kHit), table).row, 311);
}

TEST(HandClass, EveryEditorRowNamesItselfAsTheEditorDoes) {
    EXPECT_EQ(ClassName(ClassOfRow(404)), "SPLIT 2's");
    EXPECT_EQ(ClassName(ClassOfRow(420)), "SPLIT 10's");
    EXPECT_EQ(ClassName(ClassOfRow(307)), "DOUBLE DOWN Hard 7");
    EXPECT_EQ(ClassName(ClassOfRow(313)), "DOUBLE DOWN Soft 13");
    EXPECT_EQ(ClassName(ClassOfRow(217)), "HIT Soft 17");
    EXPECT_EQ(ClassName(ClassOfRow(517)), "SURRENDER Hard 17");
    EXPECT_EQ(UpCardCaption(11), "Ace");
    EXPECT_EQ(std::size(kEditorRows), 35u);
}

}  // namespace
}  // namespace velmora
