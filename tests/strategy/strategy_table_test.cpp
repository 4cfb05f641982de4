#include "strategy/strategy_table.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

namespace velmora {
namespace {

// Every row the presets fill, as a player reads the strategy card: row code,
// default marks and cells, advanced marks and cells (up cards 2 3 4 5 6 7 8 9 10 A).
// The advanced pair of 8's is shown without surrender; with surrender it loses 9 and 10.
constexpr char kPresetCard[] =
    "204 | -      | X X X X X X X X X X | -      | X X X X X X X X X X\n"
    "205 | -      | X X X X X X X X X X | -      | X X X X X X X X X X\n"
    "206 | -      | X X X X X X X X X X | -      | X X X X X X X X X X\n"
    "207 | -      | X X X X X X X X X X | -      | X X X X X X X X X X\n"
    "208 | -      | X X X X X X X X X X | -      | X X X X X X X X X X\n"
    "209 | -      | X X X X X X X X X X | -      | X X X X X X X X X X\n"
    "210 | -      | X X X X X X X X X X | -      | X X X X X X X X X X\n"
    "211 | -      | X X X X X X X X X X | -      | X X X X X X X X X X\n"
    "212 | -      | X X . . . X X X X X | -      | X . . . . X X X X X\n"
    "213 | -      | . . . . . X X X X X | -      | . . . . . X X X X X\n"
    "214 | -      | . . . . . X X X X X | -      | . . . . . X X X X X\n"
    "215 | -      | . . . . . X X X X X | -      | . . . . . X X X X X\n"
    "216 | -      | . . . . . X X X X X | -      | . . . . . X X X . X\n"
    "217 | ALWAYS | X X X X X X X X X X | ALWAYS | X X X X X X X X X X\n"
    "218 | NEVER  | . . . . . . . . . . | -      | . . . . . . . X X .\n"
    "307 | NEVER  | . . . . . . . . . . | NEVER  | . . . . . . . . . .\n"
    "308 | -      | . . X X X . . . . . | -      | . . . X X . . . . .\n"
    "309 | -      | X X X X X . . . . . | -      | X X X X X . . . . .\n"
    "310 | -      | X X X X X X X X . . | -      | X X X X X X X X . .\n"
    "311 | ALWAYS | X X X X X X X X X X | -      | X X X X X X X X X .\n"
    "313 | -      | . . X X X . . . . . | -      | . . X X X . . . . .\n"
    "314 | -      | . . X X X . . . . . | -      | . . X X X . . . . .\n"
    "315 | -      | . . X X X . . . . . | -      | . . X X X . . . . .\n"
    "316 | -      | . . X X X . . . . . | -      | . . X X X . . . . .\n"
    "317 | -      | . . X X X . . . . . | -      | . X X X X . . . . .\n"
    "318 | NEVER  | . . . . . . . . . . | -      | . X X X X . . . . .\n"
    "319 | NEVER  | . . . . . . . . . . | -      | . X X X X . . . . .\n"
    "320 | NEVER  | . . . . . . . . . . | NEVER  | . . . . . . . . . .\n"
    "404 | -      | X X X X X X . . . . | -      | X X X X X X . . . .\n"
    "406 | -      | X X X X X X . . . . | -      | X X X X X X . . . .\n"
    "408 | NEVER  | . . . . . . . . . . | NEVER  | . . . . . . . . . .\n"
    "410 | NEVER  | . . . . . . . . . . | NEVER  | . . . . . . . . . .\n"
    "412 | -      | X X X X X X . . . . | -      | X X X X X X . . . .\n"
    "414 | -      | X X X X X X . . . . | -      | X X X X X X . . . .\n"
    "416 | ALWAYS | X X X X X X X X X X | ALWAYS | X X X X X X X X X X\n"
    "418 | -      | X X X X X X X X . . | -      | X X X X X X X X . X\n"
    "420 | NEVER  | . . . . . . . . . . | NEVER  | . . . . . . . . . .\n"
    "422 | ALWAYS | X X X X X X X X X X | ALWAYS | X X X X X X X X X X\n"
    "512 | NEVER  | . . . . . . . . . . | NEVER  | . . . . . . . . . .\n"
    "513 | NEVER  | . . . . . . . . . . | NEVER  | . . . . . . . . . .\n"
    "514 | NEVER  | . . . . . . . . . . | NEVER  | . . . . . . . . . .\n"
    "515 | -      | . . . . . . . X X X | -      | . . . . . . . X X X\n"
    "516 | -      | . . . . . . . X X X | -      | . . . . . . . X X X\n"
    "517 | NEVER  | . . . . . . . . . . | NEVER  | . . . . . . . . . .\n"
    ;

struct CardRow {
    std::string marks;
    std::string cells;  // ten characters, X or .
};

std::map<int, std::pair<CardRow, CardRow>> ReadCard() {
    std::map<int, std::pair<CardRow, CardRow>> rows;
    std::istringstream lines(kPresetCard);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        int code;
        std::string bar, marks[2], cells[2];
        in >> code;
        for (int preset = 0; preset < 2; ++preset) {
            in >> bar >> marks[preset] >> bar;
            for (int i = 0; i < 10; ++i) {
                std::string cell;
                in >> cell;
                cells[preset] += cell;
            }
        }
        rows[code] = {{marks[0], cells[0]}, {marks[1], cells[1]}};
    }
    return rows;
}

void ExpectRow(const StrategyTable& t, int code, const CardRow& row, const char* preset) {
    EXPECT_EQ(t.HasAlwaysMark(code), row.marks == "ALWAYS") << preset << " row " << code;
    EXPECT_EQ(t.HasNeverMark(code), row.marks == "NEVER") << preset << " row " << code;
    for (int up = 2; up <= 11; ++up)
        EXPECT_EQ(t.Takes(code, up), row.cells[static_cast<size_t>(up - 2)] == 'X')
            << preset << " row " << code << " up card " << up;
}

void ExpectUnlistedRowsZero(const StrategyTable& t,
                            const std::map<int, std::pair<CardRow, CardRow>>& card) {
    for (int code = kFirstRowCode; code <= kLastRowCode; ++code) {
        if (card.count(code)) continue;
        for (int b = 0; b < kRowBytes; ++b) ASSERT_EQ(t.Cell(code, b), 0) << "row " << code;
    }
}

TEST(StrategyPresets, DefaultMatchesTheCardRowByRow) {
    const auto card = ReadCard();
    ASSERT_EQ(card.size(), 44u);
    StrategyTable t;
    t.SetCell(203, 5, true);  // an earlier edit must not survive
    ResetStrategyToDefault(t);
    for (const auto& [code, rows] : card) ExpectRow(t, code, rows.first, "default");
    ExpectUnlistedRowsZero(t, card);
    EXPECT_TRUE(t.IsOk());
}

TEST(StrategyPresets, AdvancedMatchesTheCardRowByRow) {
    const auto card = ReadCard();
    StrategyTable t;
    ResetStrategyToDefault(t);
    t.SetRow(213, false, true, {});  // an edit by the player
    SetStrategyToAdvanced(t, false);
    for (const auto& [code, rows] : card) ExpectRow(t, code, rows.second, "advanced");
    ExpectUnlistedRowsZero(t, card);
    EXPECT_TRUE(t.IsOk());
}

TEST(StrategyPresets, SurrenderChangesOnlyThePairOfEights) {
    StrategyTable without, with;
    SetStrategyToAdvanced(without, false);
    SetStrategyToAdvanced(with, true);
    for (int code = kFirstRowCode; code <= kLastRowCode; ++code) {
        for (int b = 0; b < kRowBytes; ++b) {
            if (code == 416) continue;
            ASSERT_EQ(without.Cell(code, b), with.Cell(code, b)) << code;
        }
    }
    ExpectRow(with, 416, {"-", "XXXXXXX..X"}, "advanced with surrender");
    EXPECT_TRUE(with.IsOk());
}

TEST(StrategyTableAccess, OutOfRangeReadsZeroAndWritesNothing) {
    StrategyTable t;
    ResetStrategyToDefault(t);
    const StrategyTable before = t;
    t.SetCell(199, 2, true);
    t.SetCell(521, 2, true);
    t.SetCell(212, 12, true);
    t.SetCell(212, -1, true);
    t.SetRow(600, true, false, {});
    EXPECT_EQ(t, before);
    EXPECT_EQ(t.Cell(199, 2), 0);
    EXPECT_EQ(t.Cell(204, 12), 0);
    EXPECT_EQ(t.Bytes().size(), 3852u);
    // Row 204's byte 2 is at offset (204 - 200) x 12 + 2 of the block.
    EXPECT_EQ(t.Bytes()[4 * 12 + 2], 1);
    EXPECT_EQ(t.Bytes()[0], 0);
}

TEST(StrategyTableAccess, IsOkCatchesBrokenMarks) {
    StrategyTable t;
    ResetStrategyToDefault(t);
    t.SetCell(217, 5, false);  // ALWAYS row with a clear cell
    EXPECT_FALSE(t.IsOk());
    ResetStrategyToDefault(t);
    t.Bytes()[100] = 2;
    EXPECT_FALSE(t.IsOk());
}

}  // namespace
}  // namespace velmora
