// What the heat map and the progress chart make of the history's cells and days.

#include <gtest/gtest.h>

#include "history/mistake_map.h"
#include "history/progress_data.h"

namespace velmora {
namespace {

TEST(MistakeMap, CellsRowsAndTipsOfTheEditorsRowsOnly) {
    const MistakeMap map({
        {ClassOfRow(216), 10, 40, 12, std::nullopt, std::nullopt},
        {ClassOfRow(216), 7, 10, 0, std::nullopt, std::nullopt},
        {ClassOfRow(416), 10, 4, 1, 0.008, 0.008},
        {ClassOfRow(416), 9, 2, 2, 0.02, 0.04},
        {HandClass{0, false, 18}, 10, 5, 5, std::nullopt, std::nullopt},
    });
    EXPECT_EQ(MistakeTip(*map.Cell(216, 10)), "Wrong 12 of 40 times");
    EXPECT_EQ(MistakeTip(*map.Cell(416, 10)), "Wrong 1 of 4 times; cost 0.8 % of the bet each");
    EXPECT_FALSE(map.Cell(216, 2));  // never played
    EXPECT_FALSE(map.Row(0));       // the rules decide hard 18: no row of the editor
    EXPECT_EQ(map.Row(216)->played, 50);
    EXPECT_EQ(map.Row(216)->wrong, 12);
    EXPECT_DOUBLE_EQ(map.Row(416)->WrongShare(), 0.5);
    EXPECT_NEAR(*map.Row(416)->costEach, (0.008 + 0.04) / 3, 1e-12);
    EXPECT_EQ(MistakeTip({0, 0, std::nullopt}), "Wrong 0 of 0 times");
}

TEST(AccuracyChart, TheLatestDaysWithAShareForEachModePlayed) {
    const std::vector<DayAccuracy> rows = {
        {"2026-03-01", "Practice", 10, 5},
        {"2026-03-02", "Normal", 4, 3},
        {"2026-03-03", "Practice", 8, 8},
        {"2026-03-03", "Drill", 5, 1},
    };
    const AccuracyChart all = BuildAccuracyChart(rows, 14);
    EXPECT_EQ(all.days, (std::vector<std::string>{"2026-03-01", "2026-03-02", "2026-03-03"}));
    ASSERT_EQ(all.modes.size(), 3u);
    EXPECT_EQ(all.modes[0].mode, "Normal");
    EXPECT_FALSE(all.modes[0].percentRight[0]);
    EXPECT_DOUBLE_EQ(*all.modes[0].percentRight[1], 75.0);
    EXPECT_DOUBLE_EQ(*all.modes[1].percentRight[0], 50.0);
    EXPECT_DOUBLE_EQ(*all.modes[2].percentRight[2], 20.0);

    const AccuracyChart last = BuildAccuracyChart(rows, 1);
    EXPECT_EQ(last.days, (std::vector<std::string>{"2026-03-03"}));
    ASSERT_EQ(last.modes.size(), 2u);  // no normal play that day
    EXPECT_EQ(last.modes[0].mode, "Practice");
    EXPECT_TRUE(BuildAccuracyChart({}, 14).modes.empty());
}

}  // namespace
}  // namespace velmora
