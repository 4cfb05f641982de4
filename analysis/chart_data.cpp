#include "analysis/chart_data.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "analysis/standard_error_text.h"
#include "engine/betting.h"

namespace velmora {

namespace {

constexpr int kLargestMultiple = 9;  // the hour histogram's entries run -9..+9
constexpr int kBasicStrategy = 1;    // bets at every count: its hands show how often each comes up
const char* const kStrategyNames[] = {"", "Basic Strategy", "Card Counting", "ZOK Simple Count",
                                      "ZOK Max Strategy"};

// The texts are built by appending: GCC 12 warns falsely about "literal" + std::string.
std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) text.append(part);
    return text;
}

std::string Dollars(long amount) {
    return Joined({"$", WithThousands(amount)});
}

// "-90", "±9", "+10" (dollars): the odds format's rows, short enough for 19 of them
// across a chart.
std::string MultipleLabel(int k, long unit) {
    if (k == 0) return Joined({"±", WithThousands(unit - 1)});
    return Joined({k > 0 ? "+" : "-", WithThousands(std::labs(k) * unit)});
}

std::string CountLabel(int c) {
    const std::string_view mark = c == kMinCountIndex   ? "≤"
                                  : c == kMaxCountIndex ? "≥"
                                                        : "";
    return Joined({mark, c > 0 ? "+" : "", std::to_string(c)});
}

}  // namespace

ChartData HourlyResults(const Game& game) {
    const long unit = std::lround(AverageBetUnit(game));
    const uint64_t hours = game.HourBlocks;
    ChartData chart;
    chart.Title = Joined({"How an hour of 100 rounds ends (", WithThousands(int64_t(hours)),
                          hours == 1 ? " hour)" : " hours)"});
    chart.AxisX = Joined({"At least this many dollars won (+) or lost (-) in the hour; ",
                          MultipleLabel(0, unit), ": within ", Dollars(unit - 1), " of even"});
    chart.AxisY = "Share of hours (%)";
    for (int k = -kLargestMultiple; k <= kLargestMultiple; ++k)
        chart.Categories.push_back(MultipleLabel(k, unit));
    if (game.Options.SingleStrategyView) {
        chart.Title = "The hourly results are measured when all four strategies play";
        return chart;
    }
    for (int s = 1; s <= kStrategyCount; ++s) {
        const Statistics& st = game.Hand(s).Stats;
        ChartLine line{kStrategyNames[s], {}};
        for (int k = -kLargestMultiple; k <= kLargestMultiple; ++k)
            line.Values.push_back(hours > 0 ? 100.0 * double(st.HourAt(k)) / double(hours) : 0.0);
        chart.Lines.push_back(std::move(line));
    }
    return chart;
}

CountChartData AdvantageByCount(const Game& game) {
    CountChartData chart;
    ChartData& advantage = chart.Advantage;
    advantage.AxisX = "Card count when the hand was dealt (ZOK Simple Count: its ace-five count)";
    advantage.AxisY = "Player's advantage (%)";
    chart.ShareAxis = "Hands dealt at this count (%)";
    for (int c = kMinCountIndex; c <= kMaxCountIndex; ++c) advantage.Categories.push_back(CountLabel(c));
    if (game.Options.SingleStrategyView) {
        advantage.Title = "The advantage by count is measured when all four strategies play";
        chart.HandShare.assign(advantage.Categories.size(), 0.0);
        return chart;
    }
    advantage.Title = "The player's advantage at each card count (won per 100 dollars bet)";
    for (int s = 1; s <= kStrategyCount; ++s) {
        const Statistics& st = game.Hand(s).Stats;
        ChartLine line{kStrategyNames[s], {}};
        for (int c = kMinCountIndex; c <= kMaxCountIndex; ++c) {
            const double staked = st.StakeAt(c);
            line.Values.push_back(staked != 0 ? std::optional(100.0 * st.ResultAt(c) / staked)
                                              : std::nullopt);
        }
        advantage.Lines.push_back(std::move(line));
    }
    const Statistics& basic = game.Hand(kBasicStrategy).Stats;
    int64_t hands = 0;
    for (int64_t n : basic.HandsByCount) hands += n;
    for (int c = kMinCountIndex; c <= kMaxCountIndex; ++c)
        chart.HandShare.push_back(hands > 0 ? 100.0 * double(basic.HandsAt(c)) / double(hands)
                                            : 0.0);
    return chart;
}

namespace {

bool Coincide(const ChartLine& a, const ChartLine& b, double tolerance) {
    if (a.Values.size() != b.Values.size()) return false;
    bool any = false;
    for (size_t c = 0; c < a.Values.size(); ++c) {
        if (a.Values[c].has_value() != b.Values[c].has_value()) return false;
        if (!a.Values[c]) continue;
        if (std::fabs(*a.Values[c] - *b.Values[c]) > tolerance) return false;
        any = true;
    }
    return any;
}

}  // namespace

std::vector<int> CoincidingLines(const ChartData& chart, double tolerance) {
    std::vector<int> under(chart.Lines.size(), -1);
    for (size_t i = 1; i < chart.Lines.size(); ++i)
        for (size_t j = 0; j < i && under[i] < 0; ++j)
            if (Coincide(chart.Lines[i], chart.Lines[j], tolerance)) under[i] = int(j);
    return under;
}

std::string LegendName(const ChartData& chart, const std::vector<int>& coinciding, size_t i) {
    const std::string& name = chart.Lines[i].Name;
    if (i >= coinciding.size() || coinciding[i] < 0) return name;
    return Joined({name, " (same line as ", chart.Lines[size_t(coinciding[i])].Name, ")"});
}

}  // namespace velmora
