#pragma once
// What the "My Progress" chart shows: the share of right moves per day for each
// judged mode, over the latest days with play.

#include <optional>
#include <string>
#include <vector>

#include "history/history_store.h"

namespace velmora {

struct AccuracyChart {
    std::vector<std::string> days;  // oldest first
    struct Series {
        std::string mode;
        std::vector<std::optional<double>> percentRight;  // per day; empty: not played
    };
    std::vector<Series> modes;  // Normal, Practice, Drill: those that were played
};

// The latest `lastDays` days that have moves.
AccuracyChart BuildAccuracyChart(const std::vector<DayAccuracy>& rows, size_t lastDays);

}  // namespace velmora
