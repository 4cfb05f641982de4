#include "history/mistake_map.h"

#include <cstdio>

namespace velmora {

MistakeMap::MistakeMap(const std::vector<CellStats>& cells) {
    for (const CellStats& c : cells) {
        // Moves the rules decide alone have no cell in the editor.
        if (c.cls.row == 0) continue;
        MistakeCount& cell = cells_[{c.cls.row, c.upCard}];
        cell.played += c.played;
        cell.wrong += c.wrong;
        cell.costEach = c.costEach;
        MistakeCount& row = rows_[c.cls.row];
        row.played += c.played;
        row.wrong += c.wrong;
        if (c.costTotal) row.costEach = row.costEach.value_or(0) + *c.costTotal;
    }
    // A row's cost is the mean over its wrong moves.
    for (auto& [code, row] : rows_)
        if (row.costEach && row.wrong > 0) *row.costEach /= static_cast<double>(row.wrong);
}

std::optional<MistakeCount> MistakeMap::Cell(int row, int up) const {
    const auto it = cells_.find({row, up});
    if (it == cells_.end()) return std::nullopt;
    return it->second;
}

std::optional<MistakeCount> MistakeMap::Row(int row) const {
    const auto it = rows_.find(row);
    if (it == rows_.end()) return std::nullopt;
    return it->second;
}

std::string MistakeTip(const MistakeCount& count) {
    std::string tip = "Wrong " + std::to_string(count.wrong) + " of " +
                      std::to_string(count.played) + " times";
    if (count.costEach && count.wrong > 0) {
        char cost[48];
        std::snprintf(cost, sizeof cost, "; cost %.1f %% of the bet each", *count.costEach * 100);
        tip += cost;
    }
    return tip;
}

}  // namespace velmora
