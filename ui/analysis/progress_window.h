#pragma once
// "My Progress": how often the player's judged moves were right, per day and per
// mode, as a chart; the ten cells whose mistakes cost most; and the history's
// export as comma-separated values and its clearing. A window of its own; what it
// shows comes from the history's queries (history/).

#include <QWidget>

#include <functional>

class QBarCategoryAxis;
class QBarSeries;
class QChart;
class QLabel;
class QPushButton;
class QTableWidget;
class QValueAxis;

namespace velmora {

class DialogService;
class HistoryWriter;

class TProgressWindow : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kDaysShown = 14;
    static constexpr int kMistakesShown = 10;

    // `history` may be null or off: the window then says there is nothing to show.
    TProgressWindow(HistoryWriter* history, DialogService& dialogs, QWidget* parent = nullptr);

    // Reads the history again.
    void Refresh();

    QChart* Chart() const { return chart_; }
    QTableWidget* MistakesTable() const { return table_; }
    QLabel* Summary;
    QPushButton* ExportButton;
    QPushButton* ClearButton;
    QPushButton* CloseButton;

    // The file Export writes; by default the player picks it. Empty: cancelled.
    std::function<QString()> AskExportFile;
    // Told when the history has been cleared.
    std::function<void()> Cleared;

    void ExportClick();
    void ClearClick();

  private:
    void BuildChart();
    void ShowAccuracy();
    void ShowMistakes();

    HistoryWriter* history_;
    DialogService& dialogs_;
    QChart* chart_ = nullptr;
    QBarSeries* bars_ = nullptr;
    QBarCategoryAxis* days_ = nullptr;
    QValueAxis* percent_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* heading_ = nullptr;
};

}  // namespace velmora
