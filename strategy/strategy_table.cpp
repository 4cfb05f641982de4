#include "strategy/strategy_table.h"

#include <cassert>
#include <string_view>

namespace velmora {

void StrategyTable::SetRow(int code, bool always, bool never, const std::array<bool, 10>& cells) {
    if (!IsRowCode(code)) return;
    SetCell(code, kAlwaysMark, always);
    SetCell(code, kNeverMark, never);
    for (int up = 2; up <= 11; ++up) SetCell(code, up, cells[static_cast<size_t>(up - 2)]);
}

void StrategyTable::ClearRow(int code) { SetRow(code, false, false, {}); }

bool StrategyTable::IsOk() const {
    for (uint8_t b : bytes_)
        if (b > 1) return false;
    for (int code = kFirstRowCode; code <= kLastRowCode; ++code) {
        const bool always = HasAlwaysMark(code), never = HasNeverMark(code);
        if (always && never) return false;
        for (int up = 2; up <= 11; ++up) {
            if (always && !Takes(code, up)) return false;
            if (never && Takes(code, up)) return false;
        }
    }
    return true;
}

namespace {

// A preset row written as the player reads it: "ALWAYS", "NEVER" or "-" for the
// marks, and ten cells "X" or "." in the up-card order 2 3 4 5 6 7 8 9 10 A.
struct PresetRow {
    int code;
    std::string_view marks;
    std::string_view cells;
};

constexpr PresetRow kDefaultRows[] = {
    {204, "-", "XXXXXXXXXX"},      {205, "-", "XXXXXXXXXX"},      {206, "-", "XXXXXXXXXX"},
    {207, "-", "XXXXXXXXXX"},      {208, "-", "XXXXXXXXXX"},      {209, "-", "XXXXXXXXXX"},
    {210, "-", "XXXXXXXXXX"},      {211, "-", "XXXXXXXXXX"},      {212, "-", "XX...XXXXX"},
    {213, "-", ".....XXXXX"},      {214, "-", ".....XXXXX"},      {215, "-", ".....XXXXX"},
    {216, "-", ".....XXXXX"},      {217, "ALWAYS", "XXXXXXXXXX"}, {218, "NEVER", ".........."},
    {307, "NEVER", ".........."},  {308, "-", "..XXX....."},      {309, "-", "XXXXX....."},
    {310, "-", "XXXXXXXX.."},      {311, "ALWAYS", "XXXXXXXXXX"}, {313, "-", "..XXX....."},
    {314, "-", "..XXX....."},      {315, "-", "..XXX....."},      {316, "-", "..XXX....."},
    {317, "-", "..XXX....."},      {318, "NEVER", ".........."},  {319, "NEVER", ".........."},
    {320, "NEVER", ".........."},  {404, "-", "XXXXXX...."},      {406, "-", "XXXXXX...."},
    {408, "NEVER", ".........."},  {410, "NEVER", ".........."},  {412, "-", "XXXXXX...."},
    {414, "-", "XXXXXX...."},      {416, "ALWAYS", "XXXXXXXXXX"}, {418, "-", "XXXXXXXX.."},
    {420, "NEVER", ".........."},  {422, "ALWAYS", "XXXXXXXXXX"}, {512, "NEVER", ".........."},
    {513, "NEVER", ".........."},  {514, "NEVER", ".........."},  {515, "-", ".......XXX"},
    {516, "-", ".......XXX"},      {517, "NEVER", ".........."},
};

// The advanced strategy's rows that differ from the default. Row 416 is handled
// apart because it depends on the surrender rule.
constexpr PresetRow kAdvancedRows[] = {
    {418, "-", "XXXXXXXX.X"}, {212, "-", "X....XXXXX"}, {308, "-", "...XX....."},
    {311, "-", "XXXXXXXXX."}, {216, "-", ".....XXX.X"}, {218, "-", ".......XX."},
    {317, "-", ".XXXX....."}, {318, "-", ".XXXX....."}, {319, "-", ".XXXX....."},
};
constexpr PresetRow kAdvancedEightsWithSurrender = {416, "-", "XXXXXXX..X"};

void Apply(StrategyTable& table, const PresetRow& row) {
    std::array<bool, 10> cells{};
    for (size_t i = 0; i < cells.size(); ++i) cells[i] = row.cells[i] == 'X';
    table.SetRow(row.code, row.marks == "ALWAYS", row.marks == "NEVER", cells);
}

}  // namespace

void ResetStrategyToDefault(StrategyTable& table) {
    table.Clear();
    for (const PresetRow& row : kDefaultRows) Apply(table, row);
    assert(table.IsOk());
}

void SetStrategyToAdvanced(StrategyTable& table, bool surrenderAllowed) {
    ResetStrategyToDefault(table);
    for (const PresetRow& row : kAdvancedRows) Apply(table, row);
    if (surrenderAllowed) Apply(table, kAdvancedEightsWithSurrender);
    assert(table.IsOk());
}

}  // namespace velmora
