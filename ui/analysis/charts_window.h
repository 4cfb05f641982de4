#pragma once
// The charts of the Betting and Rules Analysis, a window of its own beside the results
// window that opens it: how the hours ended for each strategy (bars), and the advantage
// at each card count (a line per strategy) over how often each count came up (bars).
// It reads the statistics on the thread that shows them and follows the grid's redraws;
// what to draw comes from chart_data.h. Its Close button and Escape close it.

#include <QWidget>

#include "analysis/chart_data.h"

class QBarCategoryAxis;
class QBarSeries;
class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

namespace velmora {

class TChartsWindow : public QWidget {
    Q_OBJECT

  public:
    TChartsWindow(const Game& game, QWidget* parent = nullptr);

    // Reads the statistics again and redraws both charts.
    void Refresh();

    QChart* HourlyChart() const { return hourly_; }
    QChart* CountChart() const { return count_; }
    int Refreshes() const { return refreshes_; }

  private:
    void BuildHourly();
    void BuildCount();
    void ShowHourly(const ChartData& data);
    void ShowCount(const CountChartData& data);

    const Game& game_;
    int refreshes_ = 0;

    QChart* hourly_ = nullptr;
    QBarSeries* hourBars_ = nullptr;
    QBarCategoryAxis* hourAxisX_ = nullptr;
    QValueAxis* hourAxisY_ = nullptr;

    QChart* count_ = nullptr;
    QBarSeries* shareBars_ = nullptr;
    std::vector<QLineSeries*> advantageLines_;
    QBarCategoryAxis* countAxisX_ = nullptr;
    QValueAxis* advantageAxis_ = nullptr;
    QValueAxis* shareAxis_ = nullptr;
};

}  // namespace velmora
