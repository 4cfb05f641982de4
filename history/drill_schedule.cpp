#include "history/drill_schedule.h"

#include <algorithm>
#include <cmath>

#include "strategy/strategy_table.h"

namespace velmora {

void DrillSchedule::Learn(const DrillCell& cell, bool right) {
    ++step_;
    State& s = cells_[cell];
    ++s.plays;
    if (right) {
        s.interval = s.streak++ == 0
                         ? kFirstInterval
                         : static_cast<int64_t>(std::ceil(static_cast<double>(s.interval) * s.ease));
    } else {
        ++s.misses;
        s.streak = 0;
        s.ease = std::max(kLeastEase, s.ease - kEaseLostPerMiss);
        s.interval = kMissInterval;
    }
    s.due = step_ + s.interval;
}

const DrillSchedule::State* DrillSchedule::Find(const DrillCell& cell) const {
    const auto it = cells_.find(cell);
    return it == cells_.end() ? nullptr : &it->second;
}

std::optional<DrillCell> DrillSchedule::Due() const {
    const std::pair<const DrillCell, State>* best = nullptr;
    for (const auto& entry : cells_) {
        const State& s = entry.second;
        if (s.misses == 0 || s.due > step_ + 1) continue;
        if (!TwoCardsFor(entry.first.cls, 0)) continue;
        if (!best || s.due < best->second.due ||
            (s.due == best->second.due && s.misses > best->second.misses))
            best = &entry;
    }
    if (!best) return std::nullopt;
    return best->first;
}

DrillCell DrillSchedule::NewOrRare(const OptionsRecord& rules, uint64_t random) const {
    const std::vector<DrillCell> all = DrillableCells(rules);
    int64_t least = INT64_MAX;
    std::vector<DrillCell> rare;
    for (const DrillCell& cell : all) {
        const State* s = Find(cell);
        const int64_t plays = s ? s->plays : 0;
        if (plays < least) {
            least = plays;
            rare.clear();
        }
        if (plays == least) rare.push_back(cell);
    }
    return rare[random % rare.size()];
}

DrillCell DrillSchedule::Choose(const OptionsRecord& rules, uint64_t random) {
    const bool newTurn = ++choices_ % kNewCellEvery == 0;
    if (!newTurn)
        if (std::optional<DrillCell> due = Due()) return *due;
    return NewOrRare(rules, random);
}

std::vector<DrillCell> DrillableCells(const OptionsRecord& rules) {
    std::vector<DrillCell> cells;
    for (const EditorRow& editorRow : kEditorRows) {
        const int row = editorRow.code;
        const int plane = row / 100 * 100;
        const int total = row - plane;
        if (plane == kDoublePlane && !rules.DoubleAnyHand && total != 10 && total != 11) continue;
        if (plane == kSurrenderPlane && (!rules.SurrenderAllowed || total == 17)) continue;
        for (int up = 2; up <= 11; ++up) cells.push_back({ClassOfRow(row), up});
    }
    return cells;
}

std::optional<std::pair<int, int>> TwoCardsFor(const HandClass& cls, uint64_t random) {
    if (cls.row / 100 * 100 == kSplitPlane) {
        const int card = (cls.row - kSplitPlane) / 2;
        if (card < 2 || card > 11) return std::nullopt;
        return std::pair{card, card};
    }
    const int t = cls.total;
    if (cls.soft) {
        if (t == 12) return std::pair{11, 11};
        if (t < 13 || t > 20) return std::nullopt;  // soft 21 is a blackjack
        return std::pair{11, t - 11};
    }
    // Two different cards a < b (values 2..10) that add up to t.
    std::vector<std::pair<int, int>> ways;
    for (int a = 2; a < t - a; ++a)
        if (t - a <= 10) ways.emplace_back(a, t - a);
    if (!ways.empty()) return ways[random % ways.size()];
    if (t % 2 == 0 && t / 2 >= 2 && t / 2 <= 10) return std::pair{t / 2, t / 2};
    return std::nullopt;
}

}  // namespace velmora
