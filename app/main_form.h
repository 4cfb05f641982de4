#pragma once
// The main window "Velmora 32": a green client area that holds the child windows
// (the results, the settings windows and later the table), the menu bar with its
// commands and the play commands that the engine shows and hides, the start-up and the
// exit questions. It owns the game and the host the engine talks through.

#include <QMainWindow>
#include <QPointer>

#include <filesystem>
#include <memory>
#include <vector>

#include "engine/decision_fan_out.h"
#include "engine/game.h"
#include "history/exact_mistake_cost.h"
#include "history/history_store.h"
#include "settings/settings_command.h"
#include "ui/host_windows.h"
#include "ui/table/play_button_strip.h"

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QTimer;
class QVBoxLayout;

namespace velmora {

class DecisionHistory;
class DialogService;
class HistoryWriter;
class ExactService;
class QtHost;
class TFileCtrls;
class THelpWindow;
class TPreferForm;
class TProgressWindow;
class TRulesForm;
class TSimForm;
class TStrategyForm;
class TableWindow;

class TMainForm : public QMainWindow, public HostWindows, private SettingsWindows {
    Q_OBJECT

public:
    explicit TMainForm(DialogService& dialogs, QWidget* parent = nullptr);
    ~TMainForm() override;

    Game& GameState() { return *game_; }
    QtHost& Host() { return *host_; }
    TFileCtrls& Picker() { return *picker_; }
    // The exact analysis the strategy editor and the results window ask.
    ExactService& Exact() { return *exact_; }
    TSimForm* ResultsWindow() const;
    TableWindow* TableWindowShown() const;
    THelpWindow* HelpWindow() const;
    TProgressWindow* ProgressWindow() const;
    // The decision history, kept from the start-up on (null before it).
    HistoryWriter* History() const { return historyWriter_.get(); }
    // Where the history is kept: "VLMHIST.DB" in the current folder unless set
    // before the start-up.
    void SetHistoryFile(std::filesystem::path file) { historyFile_ = std::move(file); }
    // The settings windows while they are open; null otherwise.
    TRulesForm* RulesWindow() const;
    TStrategyForm* StrategyWindow() const;
    TPreferForm* PreferencesWindow() const;
    bool StartupFinished() const { return startMarker_; }

    // The first activation's work: options, hands, statistics, shoe, the speed
    // measurement and, on the very first start, the "Mouse Moves" box. Later calls
    // do nothing.
    void StartUp();
    // What the benchmark needs of the start-up: the default options (no file is
    // read or written), hands, statistics and shoe, and no betting-strategies box.
    void StartUpForBenchmark();
    // Blocks of 100 rounds in each chunk the analysis's workers play (0: the runner's
    // own size). Small chunks bring the first figures sooner; the window tests use them
    // so that the sanitizer build, many times slower, reaches them in time.
    void SetAnalysisChunkBlocks(uint64_t blocks) { analysisChunkBlocks_ = blocks; }

    // Menu commands.
    void ResetGameClick();
    void PrintClick();
    void SaveFileClick();
    void SaveAs1Click();
    void LoadFileClick();
    void ExitClick();
    void RunMode(Mode mode);
    void CasinoRulesClick();
    void PlayingStrategyClick();
    void OtherPreferencesClick();
    // Closes an open settings window; also the handler of the File, Run and Options menus.
    void CloseSettingsWindows();
    void TopicsClick();
    void MyProgressClick();
    void AboutClick();
    void PlayCommandClick(PlayCommand command);

    // HostWindows.
    void ShowPlayCommand(PlayCommand command, bool visible) override;
    void HidePlayCommands() override;
    void RepaintMain() override;
    TableDisplay* OpenTable() override;
    void CloseTable() override;
    ResultsDisplay* OpenResults() override;
    void CloseResults() override;
    void ShowBettingIntro() override;
    QPoint ScreenPointOfTable(int left, int top) override;

    // The menus and their items, in the order of the menu bar.
    QMenu* FileMenu;
    QAction* ResetGameItem;
    QAction* PrintItem;
    QAction* SaveItem;
    QAction* SaveAsItem;
    QAction* LoadItem;
    QAction* ExitItem;
    QMenu* RunMenu;
    QAction* NormalPlayItem;
    QAction* PracticeDeckItem;
    QAction* DrillItem;
    QAction* ComputerSimulatedPlayItem;
    QAction* BettingAnalysisItem;
    QMenu* OptionsMenu;
    QAction* CasinoRulesItem;
    QAction* PlayingStrategyItem;
    QAction* OtherPreferencesItem;
    QMenu* HelpMenu;
    QAction* TopicsItem;
    QAction* ProgressItem;
    QAction* AboutItem;
    QAction* BarSeparator1;
    QAction* BetItem;
    QAction* BarSeparator2;
    QAction* StandItem;
    QAction* HitItem;
    QAction* DoubleItem;
    QAction* SplitItem;
    QAction* SurrenderItem;
    QAction* HintItem;

    // The line on the green that tells a new player where to start; shown while no
    // child window fills the client area.
    QLabel* IdleHint;
    static constexpr char kIdleHintText[] = "Run > Normal Play to begin";

    // What the print dialog proposes: on a machine without a printer, where the only
    // choice is a PDF file, the file "velmora.pdf" in the current folder (Qt would
    // propose the home folder).
    static void ProposePrintFile(QPrinter& printer);

signals:
    // A run started from the Run menu has returned.
    void RunEnded();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Counts the handlers on the stack that wait in an event loop of their own (a run,
    // a dialog): the window may only close once the last of them has returned.
    class WaitScope;

    void BuildMenus();
    void UpdateIdleHint();
    QAction* PlayCommandAction(PlayCommand command);
    // The table's buttons: the play commands' items and their keys.
    std::vector<PlayButtonBinding> PlayButtonBindings();
    void OpenSettingsWindow(SettingsWindow which);
    // SettingsWindows.
    void CreateSettingsWindow(SettingsWindow which) override;
    void DestroySettingsWindow(SettingsWindow which) override;
    // The close query: false when the player chose to stay.
    bool ConfirmClose();
    // Ends the program's own waits so that the handlers on the stack return.
    void EndWaits();
    void LeaveWait();
    // Closed table windows whose rules object may still be on the stack below (a run
    // returning through a table call) are deleted once every wait has returned.
    void DeleteRetiredTables();
    // Opens the history and plugs it into the game: every judged move is kept, and
    // the drill takes its cases from it.
    void StartHistory();
    // The history's one message (a damaged file moved aside, or why it is off).
    void ShowHistoryMessage();

    DialogService& dialogs_;
    std::unique_ptr<TFileCtrls> picker_;
    std::unique_ptr<QtHost> host_;
    std::unique_ptr<Game> game_;
    // Every judged decision goes to each listener: the table's practice score while a
    // table is open (and later a decision history), from this one report.
    DecisionFanOut decisions_;
    std::unique_ptr<SettingsCommand> settings_;
    std::unique_ptr<ExactService> exact_;
    QWidget* client_ = nullptr;
    QVBoxLayout* clientLayout_ = nullptr;
    QPointer<TSimForm> results_;
    QPointer<TableWindow> table_;
    std::vector<QPointer<TableWindow>> retiredTables_;
    QPointer<THelpWindow> help_;
    QPointer<TProgressWindow> progress_;
    std::filesystem::path historyFile_ = kHistoryFileName;
    ExactMistakeCost mistakeCost_;  // what each wrong move kept in the history cost
    std::unique_ptr<HistoryWriter> historyWriter_;
    std::unique_ptr<DecisionHistory> history_;
    QTimer* historyMessages_ = nullptr;
    QPointer<TRulesForm> rules_;
    QPointer<TStrategyForm> strategy_;
    QPointer<TPreferForm> prefer_;
    bool startMarker_ = false;  // the start-up has run ("RUNNING")
    uint64_t analysisChunkBlocks_ = 0;
    bool closeConfirmed_ = false;
    bool quitPending_ = false;
    int waits_ = 0;
};

}  // namespace velmora
