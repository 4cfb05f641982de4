#include "ui/analysis/charts_window.h"

#include "ui/side_window.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

// One colour per betting strategy, the same in both charts.
const QColor kStrategyColours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xe6, 0x7e, 0x22),
                                   QColor(0x2c, 0xa0, 0x2c), QColor(0xc0, 0x39, 0x2b)};
const QColor kShareColour(0xc8, 0xd0, 0xd8);
constexpr int kWindowWidth = 980;
constexpr int kWindowHeight = 860;
// Advantages (percent) this close at every count draw as one line.
constexpr double kSameLineTolerance = 0.005;
// Each strategy's line has its own dash, width and marker size, so that lines lying on
// each other still show each one: wider solid lines and larger dots beneath, finer
// dashes and dots over them.
const Qt::PenStyle kLineDashes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};

QColor ColourOf(const std::string& strategy) {
    static const char* const names[] = {"Basic Strategy", "Card Counting", "ZOK Simple Count",
                                        "ZOK Max Strategy"};
    for (size_t i = 0; i < std::size(names); ++i)
        if (strategy == names[i]) return kStrategyColours[i];
    return Qt::black;
}

QStringList Categories(const ChartData& data) {
    QStringList list;
    for (const std::string& c : data.Categories) list << QString::fromStdString(c);
    return list;
}

// The smallest of 1, 2 and 5 times a power of ten at or above `value` (> 0).
double NiceCeiling(double value) {
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {1.0, 2.0, 5.0, 10.0})
        if (step * power >= value) return step * power;
    return 10 * power;
}

// Shows low..high (low <= 0 <= high) on round numbers, with about five steps of 1, 2
// or 5 times a power of ten and a tick at 0.
void SetNiceRange(QValueAxis* axis, double low, double high) {
    if (high - low <= 0) high = low + 1;
    const double step = NiceCeiling((high - low) / 5);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setRange(std::floor(low / step) * step, std::ceil(high / step) * step);
    axis->setLabelFormat(step >= 1 ? "%.0f" : "%.1f");
}

// Category labels in a smaller type, so that 21 of them fit across without being cut.
void UseSmallLabels(QBarCategoryAxis* axis) {
    QFont font = axis->labelsFont();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    axis->setLabelsFont(font);
}

QChart* NewChart(QChartView*& view, QWidget* parent) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);  // redrawn every second while a run goes on
    chart->legend()->setAlignment(Qt::AlignBottom);
    QFont title = chart->titleFont();
    title.setPointSizeF(title.pointSizeF() * 1.25);
    title.setBold(true);
    chart->setTitleFont(title);
    view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    return chart;
}

}  // namespace

TChartsWindow::TChartsWindow(const Game& game, QWidget* parent)
    : QWidget(parent, Qt::Window), game_(game) {
    setObjectName("ChartsWindow");
    setWindowTitle("Analysis Charts");
    resize(kWindowWidth, kWindowHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    QChartView* hourlyView = nullptr;
    QChartView* countView = nullptr;
    hourly_ = NewChart(hourlyView, this);
    count_ = NewChart(countView, this);
    hourlyView->setObjectName("HourlyChartView");
    countView->setObjectName("CountChartView");
    layout->addWidget(hourlyView);
    layout->addWidget(countView);
    AddCloseRow(*this, *layout);
    BuildHourly();
    BuildCount();
    Refresh();
}

void TChartsWindow::BuildHourly() {
    hourBars_ = new QBarSeries;
    hourly_->addSeries(hourBars_);
    hourAxisX_ = new QBarCategoryAxis;
    UseSmallLabels(hourAxisX_);
    hourAxisY_ = new QValueAxis;
    hourly_->addAxis(hourAxisX_, Qt::AlignBottom);
    hourly_->addAxis(hourAxisY_, Qt::AlignLeft);
    hourBars_->attachAxis(hourAxisX_);
    hourBars_->attachAxis(hourAxisY_);
}

void TChartsWindow::BuildCount() {
    countAxisX_ = new QBarCategoryAxis;
    UseSmallLabels(countAxisX_);
    advantageAxis_ = new QValueAxis;
    shareAxis_ = new QValueAxis;
    count_->addAxis(countAxisX_, Qt::AlignBottom);
    count_->addAxis(advantageAxis_, Qt::AlignLeft);
    count_->addAxis(shareAxis_, Qt::AlignRight);

    // The bars first, so the lines are drawn over them.
    shareBars_ = new QBarSeries;
    shareBars_->setBarWidth(0.6);
    auto* share = new QBarSet("Hands dealt at this count");
    share->setColor(kShareColour);
    share->setBorderColor(kShareColour.darker(115));
    shareBars_->append(share);
    count_->addSeries(shareBars_);
    shareBars_->attachAxis(countAxisX_);
    shareBars_->attachAxis(shareAxis_);
    shareAxis_->setGridLineVisible(false);
}

void TChartsWindow::Refresh() {
    ++refreshes_;
    ShowHourly(HourlyResults(game_));
    ShowCount(AdvantageByCount(game_));
}

void TChartsWindow::ShowHourly(const ChartData& data) {
    hourly_->setTitle(QString::fromStdString(data.Title));
    hourAxisX_->setTitleText(QString::fromStdString(data.AxisX));
    hourAxisY_->setTitleText(QString::fromStdString(data.AxisY));
    // With nothing to show (the single-strategy view) the title says why, alone.
    hourAxisX_->setVisible(!data.Lines.empty());
    hourAxisY_->setVisible(!data.Lines.empty());
    hourly_->legend()->setVisible(!data.Lines.empty());
    const QStringList categories = Categories(data);
    if (hourAxisX_->categories() != categories) hourAxisX_->setCategories(categories);

    // The strategies shown change only with the single-strategy view: then the sets are
    // made anew; otherwise their values are replaced where they moved.
    bool sameSets = hourBars_->count() == int(data.Lines.size());
    for (int i = 0; sameSets && i < hourBars_->count(); ++i)
        sameSets = hourBars_->barSets()[i]->label().toStdString() == data.Lines[size_t(i)].Name;
    if (!sameSets) {
        hourBars_->clear();
        for (const ChartLine& line : data.Lines) {
            auto* set = new QBarSet(QString::fromStdString(line.Name));
            set->setColor(ColourOf(line.Name));
            set->setBorderColor(ColourOf(line.Name));
            for (size_t k = 0; k < line.Values.size(); ++k) set->append(0);
            hourBars_->append(set);
        }
    }
    double highest = 0;
    for (int i = 0; i < hourBars_->count(); ++i) {
        QBarSet* set = hourBars_->barSets()[i];
        const ChartLine& line = data.Lines[size_t(i)];
        for (size_t k = 0; k < line.Values.size(); ++k) {
            const double v = line.Values[k].value_or(0);
            highest = std::max(highest, v);
            if (set->at(int(k)) != v) set->replace(int(k), v);
        }
    }
    SetNiceRange(hourAxisY_, 0, highest > 0 ? highest : 10);
}

void TChartsWindow::ShowCount(const CountChartData& data) {
    const ChartData& adv = data.Advantage;
    count_->setTitle(QString::fromStdString(adv.Title));
    countAxisX_->setTitleText(QString::fromStdString(adv.AxisX));
    advantageAxis_->setTitleText(QString::fromStdString(adv.AxisY));
    shareAxis_->setTitleText(QString::fromStdString(data.ShareAxis));
    countAxisX_->setVisible(!adv.Lines.empty());
    advantageAxis_->setVisible(!adv.Lines.empty());
    shareAxis_->setVisible(!adv.Lines.empty());
    shareBars_->setVisible(!adv.Lines.empty());
    count_->legend()->setVisible(!adv.Lines.empty());
    const QStringList categories = Categories(adv);
    if (countAxisX_->categories() != categories) countAxisX_->setCategories(categories);

    QBarSet* share = shareBars_->barSets().first();
    double highestShare = 0;
    for (size_t c = 0; c < data.HandShare.size(); ++c) {
        if (int(c) >= share->count()) share->append(0);
        highestShare = std::max(highestShare, data.HandShare[c]);
        if (share->at(int(c)) != data.HandShare[c]) share->replace(int(c), data.HandShare[c]);
    }
    SetNiceRange(shareAxis_, 0, highestShare > 0 ? highestShare : 10);

    // One line per strategy, made once; the single-strategy view has none to show.
    while (advantageLines_.size() < adv.Lines.size()) {
        const ChartLine& line = adv.Lines[advantageLines_.size()];
        auto* series = new QLineSeries;
        series->setName(QString::fromStdString(line.Name));
        // Strategies that bet alike at a count have the same advantage there and their
        // lines lie on each other: the earlier ones are drawn wider, to show beneath.
        const size_t n = advantageLines_.size();
        QPen pen(ColourOf(line.Name), 7.0 - 1.5 * double(n));
        pen.setStyle(kLineDashes[n % std::size(kLineDashes)]);
        series->setPen(pen);
        series->setPointsVisible(true);
        series->setMarkerSize(13.0 - 3.0 * double(n));
        count_->addSeries(series);
        series->attachAxis(countAxisX_);
        series->attachAxis(advantageAxis_);
        advantageLines_.push_back(series);
    }
    double low = 0, high = 0;
    for (size_t i = 0; i < advantageLines_.size(); ++i) {
        QList<QPointF> points;
        if (i < adv.Lines.size()) {
            // On a category axis the x of a point is the category's index.
            const auto& values = adv.Lines[i].Values;
            for (size_t c = 0; c < values.size(); ++c) {
                if (!values[c]) continue;
                points.append(QPointF(double(c), *values[c]));
                low = std::min(low, *values[c]);
                high = std::max(high, *values[c]);
            }
        }
        advantageLines_[i]->replace(points);
        advantageLines_[i]->setVisible(i < adv.Lines.size());
    }
    // The legend says which lines lie on which.
    const std::vector<int> coinciding = CoincidingLines(adv, kSameLineTolerance);
    for (size_t i = 0; i < adv.Lines.size() && i < advantageLines_.size(); ++i) {
        const QString name = QString::fromStdString(LegendName(adv, coinciding, i));
        if (advantageLines_[i]->name() != name) advantageLines_[i]->setName(name);
    }
    SetNiceRange(advantageAxis_, low, high);
}

}  // namespace velmora
