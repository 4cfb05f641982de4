#include "ui/analysis/progress_window.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

#include "history/history_writer.h"
#include "history/progress_data.h"
#include "ui/dialog_service.h"

namespace velmora {

namespace {

constexpr int kWindowWidth = 900;
constexpr int kWindowHeight = 820;

QColor ColourOf(const std::string& mode) {
    if (mode == kNormalMode) return QColor(0x1f, 0x77, 0xb4);
    if (mode == kPracticeMode) return QColor(0x2c, 0xa0, 0x2c);
    return QColor(0xe6, 0x7e, 0x22);
}

QString PercentText(double share) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %%", share * 100);
    return text;
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment align = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

}  // namespace

TProgressWindow::TProgressWindow(HistoryWriter* history, DialogService& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), history_(history), dialogs_(dialogs) {
    setObjectName("ProgressWindow");
    setWindowTitle("My Progress");
    resize(kWindowWidth, kWindowHeight);

    Summary = new QLabel(this);
    Summary->setObjectName("Summary");
    BuildChart();
    auto* view = new QChartView(chart_, this);
    view->setObjectName("AccuracyChartView");
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(320);

    heading_ = new QLabel("The ten costliest mistakes", this);
    QLabel* heading = heading_;
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    table_ = new QTableWidget(0, 6, this);
    table_->setObjectName("MistakesTable");
    table_->setHorizontalHeaderLabels(
        {"Hand", "Dealer shows", "Wrong", "Played", "Cost each", "Cost in all"});
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    for (int column : {4, 5})
        table_->horizontalHeaderItem(column)->setToolTip(
            "A share of the bet: what the move gave up against the best play for the rules in force");
    // All ten rows in view, without a scroll bar.
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->setMinimumHeight(table_->horizontalHeader()->sizeHint().height() +
                             kMistakesShown * table_->verticalHeader()->defaultSectionSize() +
                             2 * table_->frameWidth() + 2);

    ExportButton = new QPushButton("&Export CSV...", this);
    ExportButton->setObjectName("ExportButton");
    ClearButton = new QPushButton("C&lear History...", this);
    ClearButton->setObjectName("ClearButton");
    CloseButton = new QPushButton("&Close", this);
    CloseButton->setObjectName("CloseButton");
    connect(ExportButton, &QPushButton::clicked, this, &TProgressWindow::ExportClick);
    connect(ClearButton, &QPushButton::clicked, this, &TProgressWindow::ClearClick);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ExportButton);
    buttons->addWidget(ClearButton);
    buttons->addStretch(1);
    buttons->addWidget(CloseButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Summary);
    layout->addWidget(view, 1);
    layout->addWidget(heading);
    layout->addWidget(table_, 0);
    layout->addLayout(buttons);

    AskExportFile = [this] {
        return QFileDialog::getSaveFileName(this, "Export the decision history",
                                            QDir::current().absoluteFilePath("history.csv"),
                                            "Comma-separated values (*.csv)");
    };
    Refresh();
}

void TProgressWindow::BuildChart() {
    chart_ = new QChart;
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->setTitle("Right moves per day");
    chart_->legend()->setAlignment(Qt::AlignBottom);
    bars_ = new QBarSeries;
    chart_->addSeries(bars_);
    days_ = new QBarCategoryAxis;
    percent_ = new QValueAxis;
    percent_->setRange(0, 100);
    percent_->setTickCount(6);
    percent_->setLabelFormat("%.0f %%");
    chart_->addAxis(days_, Qt::AlignBottom);
    chart_->addAxis(percent_, Qt::AlignLeft);
    bars_->attachAxis(days_);
    bars_->attachAxis(percent_);
}

void TProgressWindow::Refresh() {
    ShowAccuracy();
    ShowMistakes();
}

void TProgressWindow::ShowAccuracy() {
    bars_->clear();
    days_->clear();
    std::optional<std::vector<DayAccuracy>> rows;
    if (history_) rows = history_->Read([](HistoryStore& s) { return s.AccuracyByDay(); });
    if (!rows) {
        Summary->setText("No history is kept in this run.");
        return;
    }
    int64_t played = 0, right = 0;
    for (const DayAccuracy& r : *rows) {
        played += r.played;
        right += r.right;
    }
    if (played == 0) {
        Summary->setText("No judged moves yet: play Normal Play or Practice Deck.");
        return;
    }
    Summary->setText(QString("%1 judged moves, %2 right (%3).")
                         .arg(played)
                         .arg(right)
                         .arg(PercentText(static_cast<double>(right) / played)));
    const velmora::AccuracyChart data = BuildAccuracyChart(*rows, kDaysShown);
    QStringList days;
    for (const std::string& d : data.days) days << QString::fromStdString(d);
    days_->append(days);
    for (const velmora::AccuracyChart::Series& s : data.modes) {
        auto* set = new QBarSet(QString::fromStdString(s.mode));
        set->setColor(ColourOf(s.mode));
        for (const std::optional<double>& p : s.percentRight) *set << p.value_or(0);
        bars_->append(set);
    }
}

void TProgressWindow::ShowMistakes() {
    table_->setRowCount(0);
    std::optional<std::vector<CellStats>> worst;
    if (history_)
        worst = history_->Read([](HistoryStore& s) { return s.CostliestMistakes(kMistakesShown); });
    if (!worst) return;
    // Moves kept without a cost (none was given) are listed by how often.
    const bool costed = std::any_of(worst->begin(), worst->end(),
                                    [](const CellStats& c) { return c.costTotal.has_value(); });
    heading_->setText(costed || worst->empty()
                          ? "The ten costliest mistakes"
                          : "The ten costliest mistakes (by how often, until their cost is known)");
    table_->setRowCount(static_cast<int>(worst->size()));
    const Qt::Alignment right = Qt::AlignRight;
    for (int i = 0; i < static_cast<int>(worst->size()); ++i) {
        const CellStats& c = (*worst)[static_cast<size_t>(i)];
        table_->setItem(i, 0, Cell(QString::fromStdString(ClassName(c.cls))));
        table_->setItem(i, 1, Cell(QString::fromStdString(UpCardCaption(c.upCard))));
        table_->setItem(i, 2, Cell(QString::number(c.wrong), right));
        table_->setItem(i, 3, Cell(QString::number(c.played), right));
        table_->setItem(i, 4, Cell(c.costEach ? PercentText(*c.costEach) : "", right));
        table_->setItem(i, 5, Cell(c.costTotal ? PercentText(*c.costTotal) : "", right));
    }
}

void TProgressWindow::ExportClick() {
    if (!history_) return;
    const QString file = AskExportFile();
    if (file.isEmpty()) return;
    std::string error;
    const auto done = history_->Read(
        [&](HistoryStore& s) { return s.ExportCsv(file.toStdString(), error); });
    if (!done || !*done)
        dialogs_.Message("The history could not be exported to " + file + ": " +
                         QString::fromStdString(error.empty() ? "the history is off" : error));
}

void TProgressWindow::ClearClick() {
    if (!history_) return;
    if (!dialogs_.AskYesNo("Clear the whole decision history? This cannot be undone.")) return;
    history_->Read([](HistoryStore& s) { return s.Clear(); });
    if (Cleared) Cleared();
    Refresh();
}

}  // namespace velmora
