#include "history/progress_data.h"

#include <algorithm>

#include "history/decision_record.h"

namespace velmora {

AccuracyChart BuildAccuracyChart(const std::vector<DayAccuracy>& rows, size_t lastDays) {
    AccuracyChart chart;
    for (const DayAccuracy& r : rows)
        if (std::find(chart.days.begin(), chart.days.end(), r.day) == chart.days.end())
            chart.days.push_back(r.day);
    std::sort(chart.days.begin(), chart.days.end());
    if (chart.days.size() > lastDays)
        chart.days.erase(chart.days.begin(), chart.days.end() - static_cast<long>(lastDays));
    for (const char* mode : {kNormalMode, kPracticeMode, kDrillMode}) {
        AccuracyChart::Series series{mode, std::vector<std::optional<double>>(chart.days.size())};
        bool played = false;
        for (const DayAccuracy& r : rows) {
            const auto day = std::find(chart.days.begin(), chart.days.end(), r.day);
            if (r.mode != mode || day == chart.days.end() || r.played == 0) continue;
            series.percentRight[static_cast<size_t>(day - chart.days.begin())] =
                100.0 * static_cast<double>(r.right) / static_cast<double>(r.played);
            played = true;
        }
        if (played) chart.modes.push_back(std::move(series));
    }
    return chart;
}

}  // namespace velmora
