#pragma once
// The analysis results window: the results grid of the four betting strategies in
// one of three formats (statistics, odds per hour, advantage by card count), cycled
// by a click anywhere on the window; Button1 switches to the single-strategy view.
// It fills the main window's client area; its design layout of 644 x 465 pixels is
// scaled to the window with its shape kept. The texts come from the pure analysis
// code, which the headless tool prints with as well. Under the first strategy's
// advantage it shows the exact expected value for the same rules and table, once
// the exact analysis has worked it out.

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

#include "analysis/results_grid.h"
#include "analysis/run_clock.h"
#include "engine/host.h"
#include "exact/strategy_return.h"

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;

namespace velmora {

struct Game;
class ExactService;
class ResultsGridView;
class TChartsWindow;

class TSimForm : public QWidget, public ResultsDisplay {
    Q_OBJECT

  public:
    static constexpr int kDesignWidth = 644;
    static constexpr int kDesignHeight = 465;

    // Creates the window and initialises its grid. Without `exact` no exact value is
    // shown.
    TSimForm(Game& game, Host& host, QWidget* parent = nullptr, ExactService* exact = nullptr);

    // After a block of 100 rounds: the run-time clock ticks, and the grid is redrawn
    // at most once per clock second (every call in the single-strategy view).
    void RefreshAnalysis() override;

    // Redraws the grid in the current format (and layout, when it is to be rebuilt), and
    // shows the button and the hint only outside the single-strategy view.
    void ShowAnalysis();
    void FormClick();
    void Button1Click();

    const ResultsGrid& Grid() const { return grid_; }
    // Redraws actually made (for tests and the benchmark).
    int Redraws() const { return redraws_; }

    // The context menu (right click, or Shift+F10 and the menu key): the charts, and
    // the statistics as aligned text on the clipboard and as CSV or JSON files.
    QMenu* ResultsMenu();
    // Opens the charts window (or brings it to the front); it follows the grid's redraws
    // and closes with this window.
    void ShowCharts();
    TChartsWindow* Charts() const;
    void CopyAsText();
    void ExportCsv();
    void ExportJson();
    // The text "Copy as Text" puts on the clipboard: the three formats as the tool
    // prints them.
    QString ResultsAsText() const;
    // Asks for the name of a file to write; empty when the player cancels. A file
    // dialog unless replaced (the tests answer it).
    std::function<QString(const QString& caption, const QString& filter)> AskSaveName;

    ResultsGridView* SimGrid;
    QLineEdit* Edit1;
    QPushButton* Button1;
    QAction* ChartsItem;
    QAction* CopyTextItem;
    QAction* ExportCsvItem;
    QAction* ExportJsonItem;

    // The tooltip of the grid cell under `pos` (window coordinates): the standard
    // error of the Advantage cells of the statistics format, what the exact value
    // is; otherwise empty.
    QString ToolTipAt(QPoint pos) const;
    // The exact return of the rules and table in force, when worked out (asking
    // starts the work).
    std::optional<StrategyReturn> ExactReturn() const;

  protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Redrawn();
    void ShowExact();
    void PlaceControls();
    void BuildMenu();
    // Writes `text` to the file the player names, with `extension` added to a name
    // without one.
    void ExportFile(const QString& caption, const QString& filter, const char* extension,
                    const std::string& text);

    Game& game_;
    Host& host_;
    ExactService* exact_;
    ResultsGrid grid_;
    RunClock clock_;
    int redraws_ = 0;
    double scale_ = 1;
    int left_ = 0;
    QMenu* menu_ = nullptr;
    QPointer<TChartsWindow> charts_;
};

}  // namespace velmora
