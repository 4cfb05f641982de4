#include "ui/analysis/sim_form.h"

#include "analysis/analysis_export.h"
#include "analysis/analysis_report.h"
#include "analysis/exact_row.h"
#include "analysis/grid_text.h"
#include "analysis/show_analysis.h"
#include "analysis/standard_error_text.h"
#include "engine/game.h"
#include "exact/exact_rules.h"
#include "io/atomic_file.h"
#include "ui/analysis/charts_window.h"
#include "ui/analysis/results_grid_view.h"
#include "ui/exact_service.h"
#include "ui/side_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolTip>

#include <algorithm>

namespace velmora {

namespace {

const QRect kEdit1Rect(112, 386, 409, 24);
const QRect kButton1Rect(1, 1, 8, 22);
constexpr int kEditFontPixels = 13;

QRect Scaled(const QRect& r, double s, int left) {
    return QRect(left + qRound(r.x() * s), qRound(r.y() * s), qRound(r.width() * s),
                 qRound(r.height() * s));
}

}  // namespace

TSimForm::TSimForm(Game& game, Host& host, QWidget* parent, ExactService* exact)
    : QWidget(parent), game_(game), host_(host), exact_(exact) {
    setObjectName("TSimForm");
    setWindowTitle("STRATEGY ANALYSIS ");
    setAutoFillBackground(true);
    QPalette teal = palette();
    teal.setColor(QPalette::Window, ResultsGridView::kTeal);
    teal.setColor(QPalette::WindowText, Qt::white);
    setPalette(teal);

    SimGrid = new ResultsGridView(grid_, this);

    Edit1 = new QLineEdit(" Click on Screen to Display Analysis Results in Other Formats", this);
    Edit1->setObjectName("Edit1");
    Edit1->setReadOnly(true);
    Edit1->setEnabled(false);
    Edit1->setAttribute(Qt::WA_TransparentForMouseEvents);
    // A disabled field would grey its text out; this one is only a hint, kept legible.
    QPalette hint = Edit1->palette();
    for (auto group : {QPalette::Disabled, QPalette::Active, QPalette::Inactive}) {
        hint.setColor(group, QPalette::Text, Qt::black);
        hint.setColor(group, QPalette::Base, Qt::white);
    }
    Edit1->setPalette(hint);

    Button1 = new QPushButton(this);
    Button1->setObjectName("Button1");
    Button1->setFocusPolicy(Qt::NoFocus);
    Button1->setToolTip("Measure and show the ZOK Max Strategy alone");
    connect(Button1, &QPushButton::clicked, this, &TSimForm::Button1Click);

    InitAnalysisGrid(grid_);
    PlaceControls();
    BuildMenu();
    // The value is shown as soon as it is worked out, without waiting for a redraw.
    if (exact_) connect(exact_, &ExactService::ReturnReady, this, &TSimForm::ShowExact);
}

void TSimForm::BuildMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName("ResultsMenu");
    ChartsItem = menu_->addAction("Show C&harts...", this, &TSimForm::ShowCharts);
    menu_->addSeparator();
    CopyTextItem = menu_->addAction("&Copy as Text", this, &TSimForm::CopyAsText);
    CopyTextItem->setShortcut(QKeySequence::Copy);
    menu_->addSeparator();
    ExportCsvItem = menu_->addAction("Export C&SV...", this, &TSimForm::ExportCsv);
    ExportJsonItem = menu_->addAction("Export &JSON...", this, &TSimForm::ExportJson);
    // The keyboard reaches the menu as it does any context menu; the copy has its key.
    auto* openMenu = new QAction(this);
    openMenu->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    connect(openMenu, &QAction::triggered, this,
            [this] { menu_->popup(mapToGlobal(rect().center())); });
    addAction(openMenu);
    addAction(CopyTextItem);
    AskSaveName = [this](const QString& caption, const QString& filter) {
        // The dialog adds the filter's extension itself, so that its question before
        // replacing a file is about the file that will be written.
        QFileDialog dialog(this, caption, QString(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const QRegularExpressionMatch suffix = QRegularExpression(R"(\*\.(\w+))").match(filter);
        if (suffix.hasMatch()) dialog.setDefaultSuffix(suffix.captured(1));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
}

QMenu* TSimForm::ResultsMenu() {
    return menu_;
}

void TSimForm::contextMenuEvent(QContextMenuEvent* event) {
    menu_->popup(event->globalPos());
    event->accept();
}

void TSimForm::ShowCharts() {
    if (!charts_) charts_ = new TChartsWindow(game_, this);
    charts_->Refresh();
    const bool opening = !charts_->isVisible();
    charts_->show();
    // Placed once shown, when the frame around it is known.
    if (opening) PlaceBesideMainWindow(*charts_, *window());
    charts_->raise();
    charts_->activateWindow();
}

TChartsWindow* TSimForm::Charts() const {
    return charts_;
}

QString TSimForm::ResultsAsText() const {
    return QString::fromStdString(RenderAllFormats(game_));
}

void TSimForm::CopyAsText() {
    QApplication::clipboard()->setText(ResultsAsText());
}

void TSimForm::ExportCsv() {
    ExportFile("Export CSV", "CSV files (*.csv)", ".csv",
               AnalysisCsv(RequestOfGame(game_), ResultOfGame(game_), ExactReturn()));
}

void TSimForm::ExportJson() {
    ExportFile(
        "Export JSON", "JSON files (*.json)", ".json",
        AnalysisJson(RequestOfGame(game_), ResultOfGame(game_), std::nullopt, ExactReturn()));
}

void TSimForm::ExportFile(const QString& caption, const QString& filter, const char* extension,
                          const std::string& text) {
    // The text is taken before the dialog: the statistics of the moment the player
    // chose the command, while the run goes on behind the dialog.
    const QString typed = AskSaveName(caption, filter);
    if (typed.isEmpty()) return;
    const QString name = QString::fromStdString(WithExtension(typed.toStdString(), extension));
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    if (auto error = WriteFileAtomically(name.toStdString(), {bytes, text.size()}))
        QMessageBox::warning(this, caption,
                             name + " could not be written: " + QString::fromStdString(*error));
}

void TSimForm::RefreshAnalysis() {
    if (velmora::RefreshAnalysis(game_, grid_, clock_, host_.Now())) Redrawn();
}

void TSimForm::ShowAnalysis() {
    velmora::ShowAnalysis(game_, grid_);
    Redrawn();
}

void TSimForm::FormClick() {
    if (velmora::FormClick(game_)) ShowAnalysis();
}

void TSimForm::Button1Click() {
    velmora::Button1Click(game_);
    ShowAnalysis();
}

std::optional<StrategyReturn> TSimForm::ExactReturn() const {
    if (!exact_) return std::nullopt;
    return exact_->Return(ExactRulesOf(game_.Options), game_.Strategy);
}

void TSimForm::ShowExact() {
    ShowExactAdvantage(game_, ExactReturn(), grid_);
    SimGrid->update();
}

void TSimForm::Redrawn() {
    ++redraws_;
    // The rules or the table may have changed with the redraw (a loaded game).
    ShowExactAdvantage(game_, ExactReturn(), grid_);
    // The button and the hint belong to the view of all four strategies. A loaded game
    // can switch the view either way, so they follow it on every redraw.
    const bool allFour = !game_.Options.SingleStrategyView;
    if (Button1->isHidden() == allFour) {
        Button1->setVisible(allFour);
        Edit1->setVisible(allFour);
    }
    const QString caption = QString::fromStdString(grid_.Caption());
    if (caption != windowTitle()) setWindowTitle(caption);
    // The column widths change with the format.
    SimGrid->SetScale(scale_);
    if (charts_ && charts_->isVisible()) charts_->Refresh();
}

QString TSimForm::ToolTipAt(QPoint pos) const {
    constexpr int kAdvantageRow = 7;
    constexpr int kFirstStrategyColumn = 3;
    const QPoint cell = SimGrid->CellAt(SimGrid->mapFrom(this, pos));
    const int strategy = cell.x() - kFirstStrategyColumn + 1;
    const bool statistics =
        game_.Options.SingleStrategyView || game_.ResultsScreen == kStatisticsScreen;
    if (statistics && !game_.Options.SingleStrategyView && cell.y() == kExactRow && strategy == 1) {
        const auto exact = ExactReturn();
        return exact ? QString::fromStdString(ExactAdvantageToolTip(*exact)) : QString();
    }
    if (!statistics || cell.y() != kAdvantageRow || strategy < 1 || strategy > 4) return {};
    if (game_.Options.SingleStrategyView && strategy != 4) return {};
    return QString::fromStdString(AdvantageToolTip(game_.Hand(strategy).Stats));
}

bool TSimForm::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = ToolTipAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

void TSimForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) FormClick();
    QWidget::mousePressEvent(event);
}

void TSimForm::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt brings the second click of a double click as this event, and by default hands
    // it on as a press. A double click is the player's one click in a hurry: its first
    // press has made the step.
    event->accept();
}

void TSimForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceControls();
}

void TSimForm::PlaceControls() {
    // The design layout scaled to the window, its shape kept, centred across.
    scale_ =
        std::max(0.5, std::min(double(width()) / kDesignWidth, double(height()) / kDesignHeight));
    left_ = std::max(0, (width() - qRound(kDesignWidth * scale_)) / 2);
    SimGrid->move(left_, 0);
    SimGrid->SetScale(scale_);
    Edit1->setGeometry(Scaled(kEdit1Rect, scale_, left_));
    QFont font = ResultsGridView::GridFont();
    font.setPixelSize(std::max(8, qRound(kEditFontPixels * scale_)));
    Edit1->setFont(font);
    Button1->setGeometry(Scaled(kButton1Rect, scale_, left_));
}

}  // namespace velmora
