#pragma once
// The analysis results window: the results grid of the four betting strategies in
// one of three formats (statistics, odds per hour, advantage by card count), cycled
// by a click anywhere on the window; Button1 switches to the single-strategy view.
// It fills the main window's client area; its design layout of 644 x 465 pixels is
// scaled to the window with its shape kept. The texts come from the pure analysis
// code, which the headless tool prints with as well.

#include <QWidget>

#include "analysis/results_grid.h"
#include "analysis/run_clock.h"
#include "engine/host.h"

class QLineEdit;
class QPushButton;

namespace velmora {

struct Game;
class ResultsGridView;

class TSimForm : public QWidget, public ResultsDisplay {
    Q_OBJECT

  public:
    static constexpr int kDesignWidth = 644;
    static constexpr int kDesignHeight = 465;

    // Creates the window and initialises its grid.
    TSimForm(Game& game, Host& host, QWidget* parent = nullptr);

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

    ResultsGridView* SimGrid;
    QLineEdit* Edit1;
    QPushButton* Button1;

    // The tooltip of the grid cell under `pos` (window coordinates): the standard
    // error of the Advantage cells of the statistics format; otherwise empty.
    QString ToolTipAt(QPoint pos) const;

  protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Redrawn();
    void PlaceControls();

    Game& game_;
    Host& host_;
    ResultsGrid grid_;
    RunClock clock_;
    int redraws_ = 0;
    double scale_ = 1;
    int left_ = 0;
};

}  // namespace velmora
