#include "analysis/show_analysis.h"

#include <array>
#include <string>
#include <string_view>

#include "analysis/cell_format.h"
#include "engine/statistics.h"

namespace velmora {
namespace {

constexpr int kMarginColumn = 0;
constexpr int kCaptionColumn = 1;  // the vertical caption of the count format
constexpr int kLabelColumn = 2;    // row labels; its head is the title cell
constexpr int kHeadRow = 0;
constexpr int kZeroRow = 10;  // row of count or multiple n is kZeroRow - n
constexpr int kLastRow = ResultsGrid::kRows - 1;
constexpr int kStrategies = 4;
constexpr int kSingleStrategy = 4;  // the one strategy of the single-strategy view
constexpr int kMarginWidth = 2;
constexpr int kHeadRowHeight = 22;
constexpr int kLargestMultiple = 9;  // rows show -9..+9
constexpr size_t kTitleCut = 16;
constexpr char kZeroPercent[] = "       0.00 %";

constexpr std::array<const char*, kStrategies> kStrategyHeads = {
    "    Basic Strategy", "    Card Counting", " ZOK Simple Count", " ZOK Max Strategy"};

int ColumnOf(int strategy) {
    return strategy + 2;
}
int RowOf(int n) {
    return kZeroRow - n;
}

bool SingleView(const Game& game) {
    return game.Options.SingleStrategyView;
}

// The single-strategy view has the statistics alone, however it was entered (a
// loaded game may switch it on while another format is shown).
uint8_t ShownScreen(const Game& game) {
    if (SingleView(game)) return kStatisticsScreen;
    const uint8_t s = game.ResultsScreen;
    return s == kOddsScreen || s == kCountScreen ? s : kStatisticsScreen;
}

// The title cell shows the saved game's name without its extension, in quotes:
// "MYGAME.VLM" gives "\" MYGAME \"". A name whose first 16 characters hold no
// ".VLM" leaves the cell as it was.
void SetTitleCell(const std::string& fileName, ResultsGrid& grid) {
    const std::string_view name = std::string_view(fileName).substr(0, kTitleCut);
    const size_t p = name.find(".VLM");
    if (p == std::string_view::npos) return;
    const std::string title = "\" " + std::string(name.substr(0, p)) + " \"";
    grid.SetCell(kLabelColumn, kHeadRow, FirstChars(title, kTitleCut));
}

void ClearData(ResultsGrid& grid) {
    for (int c = kCaptionColumn; c < ResultsGrid::kColumns; ++c) {
        for (int r = 1; r < ResultsGrid::kRows; ++r) grid.SetCell(c, r, "");
    }
}

// Formats 1 and 2 select the data block beside the labels. The old grid was asked
// for columns 2..7; the grid has no column 7, so the range ends at the last column.
void SelectDataBlock(ResultsGrid& grid) {
    grid.SetSelection({kLabelColumn, 1, ResultsGrid::kColumns - 1, kZeroRow});
}

// ---- Format 3: statistics by betting strategy ----

// The bankroll thresholds (100 table minimums) that rows 17 and 18 name.
std::string BankrollAmount(int tableMinimum) {
    switch (tableMinimum) {
        case 5:
            return "$500";
        case 25:
            return "$2,500";
        case 100:
            return "$10,000";
        default:
            return "";
    }
}

void LayOutStatistics(const Game& game, ResultsGrid& grid) {
    grid.SetColumnWidth(kCaptionColumn, 5);
    grid.SetColumnWidth(kLabelColumn, 100);
    const int strategyWidth =
        SingleView(game) ? ResultsGrid::kHiddenColumnWidth : ResultsGrid::kDefaultColumnWidth;
    for (int s = 1; s < kSingleStrategy; ++s) grid.SetColumnWidth(ColumnOf(s), strategyWidth);
    grid.SetSelection({kMarginColumn, kHeadRow, kMarginColumn, kHeadRow});

    if (!SingleView(game)) grid.SetCell(kLabelColumn, 1, " Run Time");
    grid.SetCell(kLabelColumn, 3, " Total Hands");
    grid.SetCell(kLabelColumn, 4, " Bet Per Hand");
    grid.SetCell(kLabelColumn, 5, " Won Per Hour");
    grid.SetCell(kLabelColumn, 7, " Advantage");
    grid.SetCell(kLabelColumn, 9, " Bets Won");
    grid.SetCell(kLabelColumn, 10, " Bets Lost");
    grid.SetCell(kLabelColumn, 11, " Pushed");
    grid.SetCell(kLabelColumn, 13, " Hands Split");
    grid.SetCell(kLabelColumn, 14, " Doubled");
    grid.SetCell(kLabelColumn, 15, " Blackjacks");
    const std::string amount = BankrollAmount(game.Options.TableMinimum);
    if (!amount.empty()) {
        grid.SetCell(kLabelColumn, 17, " Won " + amount);
        grid.SetCell(kLabelColumn, 18, " Lost " + amount);
    }
    grid.SetCell(kLabelColumn, 19, " Ratio");
    grid.SetCaption(kStatisticsTitle);
}

void ShowStrategyStatistics(const Game& game, const Statistics& st, int column, ResultsGrid& grid) {
    const double hands = st.HandsPlayed;  // > 0 here
    const double perHour = game.HourBlocks > 0 ? st.TotalNet / game.HourBlocks : 0.0;
    // Every hand played places a stake, so TotalStaked is 0 only in a damaged saved game.
    const double advantage = st.TotalStaked != 0 ? st.TotalNet * 100 / st.TotalStaked : 0.0;
    grid.SetCell(column, 3, NumberCell(st.HandsPlayed, 14, 0));
    grid.SetCell(column, 4, DollarCell(st.TotalStaked / hands));
    grid.SetCell(column, 5, DollarCell(perHour));
    grid.SetCell(column, 7, AdvantageCell(advantage));
    grid.SetCell(column, 9, PercentCell(st.Wins / hands));
    grid.SetCell(column, 10, PercentCell(st.LossUnits / hands));
    // The share of pushes as one fraction: wins and loss units are whole and half
    // counts, so the numerator is exact and "no pushes" is exactly 0 (1 - w/h - l/h
    // can come out a hair below 0 and read "- 0.00 %").
    grid.SetCell(column, 11, PercentCell((hands - st.Wins - st.LossUnits) / hands));
    grid.SetCell(column, 13, PercentCell(st.Splits / hands));
    grid.SetCell(column, 14, PercentCell(st.Doubles / hands));
    grid.SetCell(column, 15, PercentCell(st.Blackjacks / hands));
    grid.SetCell(column, 17, NumberCell(st.BankrollsWon, 10, 0));
    grid.SetCell(column, 18, NumberCell(st.BankrollsLost, 10, 0));
    const std::string ratio = RatioCell(st.BankrollsWon, st.BankrollsLost);
    if (!ratio.empty()) grid.SetCell(column, 19, ratio);
}

void ShowStatistics(Game& game, ResultsGrid& grid) {
    if (!SingleView(game)) {
        grid.SetCell(ColumnOf(1), 1,
                     RunTimeText(game.PlayHours, game.PlayMinutes, game.PlaySeconds));
    }
    const int first = SingleView(game) ? kSingleStrategy : 1;
    for (int s = first; s <= kStrategies; ++s) {
        const Statistics& st = game.StatsOf(s);
        if (st.HandsPlayed <= 0) continue;  // a strategy that has not played stays empty
        ShowStrategyStatistics(game, st, ColumnOf(s), grid);
    }
}

// ---- Format 1: odds of an hour's result in multiples of the average bet ----

void LayOutOdds(const Game& game, ResultsGrid& grid) {
    grid.SetColumnWidth(kCaptionColumn, 5);
    grid.SetColumnWidth(kLabelColumn, 100);
    SelectDataBlock(grid);
    // The average bet of the hour histogram: two table minimums, four with two hands.
    const int unit = game.Options.TableMinimum * (game.TwoHandsThisRound ? 4 : 2);
    for (int n = kLargestMultiple; n >= 1; --n) {
        grid.SetCell(kLabelColumn, RowOf(n), "+ $" + std::to_string(n * unit) + " / hour");
        grid.SetCell(kLabelColumn, RowOf(-n), " - $" + std::to_string(n * unit) + " / hour");
    }
    grid.SetCell(kLabelColumn, kZeroRow, "    + / -  $" + std::to_string(unit - 1));
    grid.SetCaption(kOddsTitle);
}

void ShowOdds(Game& game, ResultsGrid& grid) {
    for (int s = 1; s <= kStrategies; ++s) {
        const Statistics& st = game.StatsOf(s);
        for (int n = kLargestMultiple; n >= -kLargestMultiple; --n) {
            // No block begun yet: no share to show, so 0 rather than a division by 0.
            const std::string cell = game.HourBlocks > 0
                                         ? PercentCell(double(st.HourAt(n)) / game.HourBlocks)
                                         : kZeroPercent;
            grid.SetCell(ColumnOf(s), RowOf(n), cell);
        }
    }
}

// ---- Format 2: the player's advantage by card count ----

void LayOutCount(ResultsGrid& grid) {
    grid.SetColumnWidth(kCaptionColumn, 20);
    grid.SetColumnWidth(kLabelColumn, 85);
    SelectDataBlock(grid);
    // "CARD" above the zero row and "COUNT" below it, one letter a row.
    constexpr std::array<const char*, 14> kVertical = {" ",  " ",  " C", " A", " R", " D", "",
                                                       " C", " O", " U", " N", " T", " ",  " "};
    for (size_t i = 0; i < kVertical.size(); ++i) {
        grid.SetCell(kCaptionColumn, 4 + static_cast<int>(i), kVertical[i]);
    }
    grid.SetCell(kLabelColumn, 1, "            +9 >");
    for (int n = kLargestMultiple - 1; n >= -(kLargestMultiple - 1); --n) {
        std::string label;
        if (n > 0) {
            label = std::string(12, ' ') + "+" + std::to_string(n);
        } else if (n == 0) {
            label = std::string(14, ' ') + "0";
        } else {
            label = std::string(13, ' ') + std::to_string(n);
        }
        grid.SetCell(kLabelColumn, RowOf(n), label);
    }
    grid.SetCell(kLabelColumn, kLastRow, "             -9 <");
    grid.SetCaption(kCountTitle);
    for (int c = ColumnOf(1); c <= ColumnOf(kStrategies); ++c) {
        for (int r = 1; r < ResultsGrid::kRows; ++r) grid.SetCell(c, r, kZeroPercent);
    }
}

void ShowCount(Game& game, ResultsGrid& grid) {
    for (int s = 1; s <= kStrategies; ++s) {
        // The ZOK strategies bet only at counts of 0 and above.
        const int lowest = s <= 2 ? -kLargestMultiple : 0;
        const Statistics& st = game.StatsOf(s);
        for (int c = lowest; c <= kLargestMultiple; ++c) {
            if (st.StakeAt(c) == 0) continue;
            grid.SetCell(ColumnOf(s), RowOf(c), PercentCell(st.ResultAt(c) / st.StakeAt(c)));
        }
    }
}

void LayOut(uint8_t screen, const Game& game, ResultsGrid& grid) {
    if (screen == kOddsScreen) {
        LayOutOdds(game, grid);
    } else if (screen == kCountScreen) {
        LayOutCount(grid);
    } else {
        LayOutStatistics(game, grid);
    }
}

void FillValues(uint8_t screen, Game& game, ResultsGrid& grid) {
    if (screen == kOddsScreen) {
        ShowOdds(game, grid);
    } else if (screen == kCountScreen) {
        ShowCount(game, grid);
    } else {
        ShowStatistics(game, grid);
    }
}

}  // namespace

void InitAnalysisGrid(ResultsGrid& grid) {
    grid.SetColumnWidth(kMarginColumn, kMarginWidth);
    grid.SetRowHeight(kHeadRow, kHeadRowHeight);
    for (int s = 1; s <= kStrategies; ++s) {
        grid.SetCell(ColumnOf(s), kHeadRow, kStrategyHeads[static_cast<size_t>(s - 1)]);
    }
}

void ShowAnalysis(Game& game, ResultsGrid& grid) {
    const uint8_t screen = ShownScreen(game);
    if (game.AnalysisTitleRefresh) {
        game.AnalysisTitleRefresh = false;
        SetTitleCell(game.GameFileName, grid);
        ClearData(grid);
        LayOut(screen, game, grid);
    }
    FillValues(screen, game, grid);
}

bool FormClick(Game& game) {
    if (SingleView(game)) return false;
    game.ResultsScreen = game.ResultsScreen >= kStatisticsScreen
                             ? kOddsScreen
                             : static_cast<uint8_t>(game.ResultsScreen + 1);
    game.AnalysisTitleRefresh = true;
    return true;
}

void Button1Click(Game& game) {
    game.Options.SingleStrategyView = true;
    game.ResultsScreen = kStatisticsScreen;
    game.AnalysisTitleRefresh = true;
}

bool RefreshAnalysis(Game& game, ResultsGrid& grid, RunClock& clock, const TimeOfDay& now) {
    if (!clock.Tick(game, now)) return false;
    ShowAnalysis(game, grid);
    return true;
}

}  // namespace velmora
