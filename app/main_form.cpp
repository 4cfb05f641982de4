#include "app/main_form.h"

#include "ui/analysis/progress_window.h"
#include "ui/analysis/sim_form.h"
#include "analysis/worker_analysis.h"
#include "app/about_box.h"
#include "app/about_hit_box.h"
#include "app/betting_strategies_box.h"
#include "app/help_window.h"
#include "app/window_printer.h"
#include "engine/modes.h"
#include "engine/play_commands.h"
#include "engine/run_loop.h"
#include "engine/shoe.h"
#include "history/decision_history.h"
#include "history/history_writer.h"
#include "io/options_file.h"
#include "io/saved_game_file.h"
#include "table/player.h"
#include "ui/application_title.h"
#include "ui/dialog_service.h"
#include "ui/exact_service.h"
#include "ui/file_ctrls.h"
#include "ui/qt_host.h"
#include "ui/settings/prefer_form.h"
#include "ui/settings/rules_form.h"
#include "ui/settings/strategy_form.h"
#include "ui/speed_measurement.h"
#include "ui/table/qt_animator.h"
#include "ui/table/table_widget.h"
#include "ui/table/table_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <thread>

namespace velmora {

namespace {

const QColor kGreen(0, 128, 0);

// The single keys of the play commands, for players who prefer the keyboard.
struct PlayKey {
    PlayCommand command;
    int key, otherKey;
    const char* tip;
};
constexpr PlayKey kPlayKeys[] = {
    {PlayCommand::Bet, Qt::Key_B, Qt::Key_Space, "Bet the last bet again (B or Space)"},
    {PlayCommand::Stand, Qt::Key_S, 0, "Stand on this hand (S)"},
    {PlayCommand::Hit, Qt::Key_H, 0, "Take a card (H)"},
    {PlayCommand::Double, Qt::Key_D, 0, "Double down: double the bet and take one card (D)"},
    {PlayCommand::Split, Qt::Key_P, 0, "Split the pair into two hands (P)"},
    {PlayCommand::Surrender, Qt::Key_R, 0, "Surrender: give up the hand and half the bet (R)"},
    {PlayCommand::Hint, Qt::Key_I, 0, "What the playing strategy says here (I)"},
};

int AnalysisThreads() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

}  // namespace

class TMainForm::WaitScope {
public:
    explicit WaitScope(TMainForm& form) : form_(form) { ++form_.waits_; }
    ~WaitScope() { form_.LeaveWait(); }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    TMainForm& form_;
};

TMainForm::TMainForm(DialogService& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs) {
    setObjectName("TMainForm");
    setWindowTitle(kApplicationTitle);
    dialogs_.SetParent(this);

    picker_ = std::make_unique<TFileCtrls>(dialogs_, this);
    host_ = std::make_unique<QtHost>(dialogs_, *this, *picker_);
    game_ = std::make_unique<Game>(*host_);
    game_->Decisions = &decisions_;
    // The analysis plays on every core; this thread merges, shows and answers the player.
    game_->AnalysisLoop = [this](Game& g) {
        RunWorkerAnalysis(g, AnalysisThreads(), analysisChunkBlocks_);
    };
    settings_ = std::make_unique<SettingsCommand>(*game_, static_cast<SettingsWindows&>(*this));
    exact_ = std::make_unique<ExactService>();

    client_ = new QWidget(this);
    client_->setObjectName("ClientArea");
    client_->setAutoFillBackground(true);
    QPalette green = client_->palette();
    green.setColor(QPalette::Window, kGreen);
    client_->setPalette(green);
    clientLayout_ = new QVBoxLayout(client_);
    clientLayout_->setContentsMargins(0, 0, 0, 0);
    setCentralWidget(client_);

    IdleHint = new QLabel(kIdleHintText, client_);
    IdleHint->setObjectName("IdleHint");
    IdleHint->setAlignment(Qt::AlignCenter);
    QFont hintFont = IdleHint->font();
    hintFont.setPointSize(16);
    hintFont.setBold(true);
    IdleHint->setFont(hintFont);
    QPalette white = IdleHint->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    IdleHint->setPalette(white);
    clientLayout_->addWidget(IdleHint);

    BuildMenus();
    resize(800, 600);
}

TMainForm::~TMainForm() {
    // The child windows refer to the game and the history: they go first.
    delete progress_;
    delete results_;
    delete table_;
    for (const QPointer<TableWindow>& table : retiredTables_) delete table;
    delete rules_;
    delete strategy_;
    delete prefer_;
    // What is still queued is committed as the history closes.
    game_->Decisions = nullptr;
    game_->Drill = nullptr;
    if (history_) decisions_.Remove(history_.get());
    history_.reset();
    historyWriter_.reset();
}

TSimForm* TMainForm::ResultsWindow() const { return results_; }

TableWindow* TMainForm::TableWindowShown() const { return table_; }

THelpWindow* TMainForm::HelpWindow() const { return help_; }

TProgressWindow* TMainForm::ProgressWindow() const { return progress_; }

TRulesForm* TMainForm::RulesWindow() const { return rules_; }

TStrategyForm* TMainForm::StrategyWindow() const { return strategy_; }

TPreferForm* TMainForm::PreferencesWindow() const { return prefer_; }

QAction* TMainForm::PlayCommandAction(PlayCommand command) {
    switch (command) {
        case PlayCommand::Bet: return BetItem;
        case PlayCommand::Stand: return StandItem;
        case PlayCommand::Hit: return HitItem;
        case PlayCommand::Double: return DoubleItem;
        case PlayCommand::Split: return SplitItem;
        case PlayCommand::Surrender: return SurrenderItem;
        case PlayCommand::Hint: return HintItem;
    }
    return nullptr;
}

std::vector<PlayButtonBinding> TMainForm::PlayButtonBindings() {
    // The table's buttons in the order of a round; each names its first key.
    std::vector<PlayButtonBinding> bindings;
    for (PlayCommand command :
         {PlayCommand::Bet, PlayCommand::Hit, PlayCommand::Stand, PlayCommand::Double,
          PlayCommand::Split, PlayCommand::Surrender, PlayCommand::Hint}) {
        QAction* item = PlayCommandAction(command);
        for (const PlayKey& k : kPlayKeys) {
            if (k.command != command) continue;
            bindings.push_back({command, item, item->text().remove('&'),
                                QKeySequence(k.key).toString(QKeySequence::NativeText)});
        }
    }
    return bindings;
}

void TMainForm::BuildMenus() {
    QMenuBar* bar = menuBar();

    FileMenu = bar->addMenu("&File");
    ResetGameItem = FileMenu->addAction("&Reset Game", this, &TMainForm::ResetGameClick);
    PrintItem = FileMenu->addAction("&Print", this, &TMainForm::PrintClick);
    SaveItem = FileMenu->addAction("&Save", this, &TMainForm::SaveFileClick);
    SaveItem->setShortcut(QKeySequence("Ctrl+S"));
    SaveAsItem = FileMenu->addAction("Save &As", this, &TMainForm::SaveAs1Click);
    LoadItem = FileMenu->addAction("&Load", this, &TMainForm::LoadFileClick);
    ExitItem = FileMenu->addAction("E&xit", this, &TMainForm::ExitClick);
    ExitItem->setShortcut(QKeySequence("Ctrl+Q"));

    RunMenu = bar->addMenu("&Run");
    NormalPlayItem = RunMenu->addAction("&Normal Play", this, [this] { RunMode(Mode::Normal); });
    PracticeDeckItem =
        RunMenu->addAction("&Practice Deck", this, [this] { RunMode(Mode::Practice); });
    DrillItem =
        RunMenu->addAction("&Drill My Weak Spots", this, [this] { RunMode(Mode::Drill); });
    ComputerSimulatedPlayItem = RunMenu->addAction("&Computer Simulated Play", this,
                                                   [this] { RunMode(Mode::Simulation); });
    BettingAnalysisItem = RunMenu->addAction("&Betting and Rules Analysis", this,
                                             [this] { RunMode(Mode::Analysis); });

    OptionsMenu = bar->addMenu("&Options");
    CasinoRulesItem =
        OptionsMenu->addAction("&Casion Rules", this, &TMainForm::CasinoRulesClick);
    PlayingStrategyItem =
        OptionsMenu->addAction("&Playing Strategy", this, &TMainForm::PlayingStrategyClick);
    OtherPreferencesItem =
        OptionsMenu->addAction("&Other Preferences", this, &TMainForm::OtherPreferencesClick);

    HelpMenu = bar->addMenu("Hel&p");
    TopicsItem = HelpMenu->addAction("&Topics", this, &TMainForm::TopicsClick);
    TopicsItem->setShortcut(QKeySequence("F1"));
    ProgressItem = HelpMenu->addAction("&My Progress", this, &TMainForm::MyProgressClick);
    AboutItem = HelpMenu->addAction("&About VLM", this, &TMainForm::AboutClick);

    // A click on one of these top menus leaves an open settings window.
    for (QMenu* menu : {FileMenu, RunMenu, OptionsMenu})
        connect(menu, &QMenu::aboutToShow, this, &TMainForm::CloseSettingsWindows);

    // The play commands sit on the menu bar itself, hidden until the engine shows them.
    BarSeparator1 = bar->addAction("|");
    BetItem = bar->addAction("&Bet", this, [this] { PlayCommandClick(PlayCommand::Bet); });
    BarSeparator2 = bar->addAction("|");
    StandItem = bar->addAction("&Stand", this, [this] { PlayCommandClick(PlayCommand::Stand); });
    HitItem = bar->addAction("&Hit", this, [this] { PlayCommandClick(PlayCommand::Hit); });
    DoubleItem =
        bar->addAction("&Double", this, [this] { PlayCommandClick(PlayCommand::Double); });
    SplitItem = bar->addAction("Spli&t", this, [this] { PlayCommandClick(PlayCommand::Split); });
    SurrenderItem = bar->addAction("Surre&nder", this,
                                   [this] { PlayCommandClick(PlayCommand::Surrender); });
    HintItem = bar->addAction("H&int", this, [this] { PlayCommandClick(PlayCommand::Hint); });
    for (QAction* a : {BarSeparator1, BetItem, BarSeparator2, StandItem, HitItem, DoubleItem,
                       SplitItem, SurrenderItem, HintItem})
        a->setVisible(false);
    // At the table each command has a single key too (see keyPressEvent); the
    // tooltips name them.
    for (const PlayKey& k : kPlayKeys) PlayCommandAction(k.command)->setToolTip(k.tip);
    bar->installEventFilter(this);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // The menu bar shows no tooltips of its own: the play commands' say their keys.
    if (watched == menuBar() && event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        QAction* item = menuBar()->actionAt(help->pos());
        if (item && !item->menu() && item->toolTip() != item->text().remove('&')) {
            QToolTip::showText(help->globalPos(), item->toolTip(), menuBar(),
                               menuBar()->actionGeometry(item));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    // Keys reach the window when the control in focus (a button, a box of a settings
    // window) has no use for them. A held key acts once: one card, not a stream.
    // While a settings window covers the table the run waits: no play key acts.
    const Game& g = *game_;
    const bool settingsOpen = g.RulesWindowOpen || g.StrategyWindowOpen || g.PrefsWindowOpen;
    if (settingsOpen && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    if (event->modifiers() == Qt::NoModifier && !event->isAutoRepeat()) {
        for (const PlayKey& k : kPlayKeys) {
            if (event->key() != k.key && event->key() != k.otherKey) continue;
            QAction* item = PlayCommandAction(k.command);
            // A command the engine does not offer now is hidden: its key does nothing.
            if (item->isVisible()) item->trigger();
            event->accept();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

// --- Start-up --------------------------------------------------------------------

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The start-up belongs to the first activation; a platform without window
    // activation (offscreen) gets it once the window has been shown.
    if (!startMarker_) QTimer::singleShot(0, this, &TMainForm::StartUp);
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !startMarker_)
        QTimer::singleShot(0, this, &TMainForm::StartUp);
}

void TMainForm::StartUp() {
    if (startMarker_) return;
    startMarker_ = true;
    setWindowTitle("Velmora");
    setWindowTitle(windowTitle() + " 32");

    Game& g = *game_;
    g.StartupDone = false;
    g.Closing = false;
    g.GameFileName.clear();
    g.FlashTime = 1;
    g.RulesWindowOpen = g.PrefsWindowOpen = g.StrategyWindowOpen = false;
    g.ResultsWindowOpen = g.TableShown = g.OptionsChanged = false;
    g.Options.FirstStart = true;

    LoadOptions(g, kOptionsFileName);
    StartHistory();

    g.PracticeDeckMode = false;
    CreateHands(g);
    ResetStatistics(g);
    FreeShoe(g);
    BuildShoe(g);

    // Motion is timed in real time, so the measurement no longer needs to overrule the
    // player's speed: it only fills the speed on the very first start, when no
    // options file held one.
    const SpeedMeasurement speed = MeasureSpeed(*host_);
    g.DelayCalibration = speed.DelayCalibration;
    if (g.Options.FirstStart) g.Options.ComputerSpeed = speed.ComputerSpeed;
    g.StartupDone = true;

    if (g.Options.FirstStart) {
        WaitScope wait(*this);
        TAboutHitBox box(
            [&g] {
                g.Options.FirstStart = false;
                SaveOptions(g, kOptionsFileName);
            },
            this);
        box.exec();
        g.Options.FirstStart = false;
        SaveOptions1Click(g, kOptionsFileName);
    }
}

void TMainForm::StartHistory() {
    Game& g = *game_;
    historyWriter_ = std::make_unique<HistoryWriter>(historyFile_);
    history_ = std::make_unique<DecisionHistory>(g, historyWriter_.get());
    history_->SetCost(&mistakeCost_);
    // The history hears the judged moves beside the table's practice score.
    decisions_.Add(history_.get());
    g.Drill = history_.get();
    // The file is opened on the history's own thread; what it has to say is shown
    // from here, once.
    historyMessages_ = new QTimer(this);
    connect(historyMessages_, &QTimer::timeout, this, &TMainForm::ShowHistoryMessage);
    historyMessages_->start(500);
}

void TMainForm::ShowHistoryMessage() {
    if (!historyWriter_) return;
    if (const std::optional<std::string> message = historyWriter_->TakeMessage()) {
        WaitScope wait(*this);
        dialogs_.Message(QString::fromStdString(*message));
    }
}

void TMainForm::StartUpForBenchmark() {
    startMarker_ = true;
    Game& g = *game_;
    ApplyDefaultOptions(g.Options);
    g.Options.HideBettingIntro = true;
    g.Options.FirstStart = false;
    ResetStrategyToDefault(g.Strategy);
    g.FlashTime = 1;
    CreateHands(g);
    ResetStatistics(g);
    FreeShoe(g);
    BuildShoe(g);
    g.StartupDone = true;
}

// --- Menu commands -----------------------------------------------------------------

void TMainForm::ResetGameClick() { GameReset(*game_); }

void TMainForm::ProposePrintFile(QPrinter& printer) {
    // Without a printer the printer starts out as a PDF file; with one, the player's
    // printer stays the first choice.
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setOutputFileName(QDir::current().absoluteFilePath("velmora.pdf"));
}

void TMainForm::PrintClick() {
    WaitScope wait(*this);
    QPrinter printer(QPrinter::HighResolution);
    ProposePrintFile(printer);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PrintWindowImage(*this, printer)) dialogs_.Message("The printer could not be started.");
}

void TMainForm::SaveFileClick() {
    WaitScope wait(*this);
    velmora::SaveFileClick(*game_);
}

void TMainForm::SaveAs1Click() {
    WaitScope wait(*this);
    velmora::SaveAs1Click(*game_);
}

void TMainForm::LoadFileClick() {
    WaitScope wait(*this);
    velmora::LoadFileClick(*game_);
    // The results follow the loaded game at once: its statistics, its name in the
    // title and its view (a single-strategy game hides the button, and the other way).
    if (results_) results_->ShowAnalysis();
}

void TMainForm::ExitClick() {
    if (!dialogs_.AskYesCancel("CLOSE BlackJack?")) return;
    StopForExit(*game_);
    close();
}

void TMainForm::RunMode(Mode mode) {
    // Chosen from the Run menu by keyboard, the menu bar still has the keyboard: the
    // run starts inside the menu's command, before the menu bar would have let go,
    // and the first play key would only highlight its menu-bar item. The table
    // takes the keys back.
    if (menuBar()->hasFocus()) setFocus(Qt::OtherFocusReason);
    WaitScope wait(*this);
    ChooseMode(*game_, mode);
}

void TMainForm::CasinoRulesClick() { OpenSettingsWindow(SettingsWindow::Rules); }

void TMainForm::PlayingStrategyClick() { OpenSettingsWindow(SettingsWindow::Strategy); }

void TMainForm::OtherPreferencesClick() { OpenSettingsWindow(SettingsWindow::Preferences); }

void TMainForm::OpenSettingsWindow(SettingsWindow which) {
    WaitScope wait(*this);
    settings_->Open(which);
}

void TMainForm::CloseSettingsWindows() { settings_->CloseSettingsWindows(); }

void TMainForm::CreateSettingsWindow(SettingsWindow which) {
    Game& g = *game_;
    SettingsChildWindow* window = nullptr;
    switch (which) {
        case SettingsWindow::Rules:
            rules_ = new TRulesForm(g, client_);
            rules_->Editor().InitRulesWindow();
            window = rules_;
            break;
        case SettingsWindow::Strategy:
            strategy_ = new TStrategyForm(g, client_, exact_.get());
            strategy_->SetHistory(historyWriter_.get());
            strategy_->Editor().InitStrategyWindow();
            window = strategy_;
            break;
        case SettingsWindow::Preferences:
            prefer_ = new TPreferForm(g, client_);
            prefer_->Editor().InitPrefsWindow();
            window = prefer_;
            break;
    }
    // Over whatever else the client area shows, until it is closed.
    window->show();
    window->raise();
    window->FocusFirstControl();
}

void TMainForm::DestroySettingsWindow(SettingsWindow which) {
    // Never called from a handler of the window itself: the exit buttons only ask
    // the waiting command to go on, and the menus belong to this window.
    switch (which) {
        case SettingsWindow::Rules: delete rules_; break;
        case SettingsWindow::Strategy:
            if (strategy_) strategy_->Editor().StoreStrategyRow();
            delete strategy_;
            break;
        case SettingsWindow::Preferences: delete prefer_; break;
    }
}

void TMainForm::TopicsClick() {
    if (!help_) help_ = new THelpWindow(this);
    help_->ShowIndex();
}

void TMainForm::MyProgressClick() {
    if (!progress_) {
        progress_ = new TProgressWindow(historyWriter_.get(), dialogs_, this);
        // The drill forgets what it learnt from a cleared history.
        progress_->Cleared = [this] {
            if (history_) history_->ForgetSchedule();
        };
    } else {
        progress_->Refresh();
    }
    progress_->show();
    progress_->raise();
    progress_->activateWindow();
}

void TMainForm::AboutClick() {
    WaitScope wait(*this);
    if (game_->ResultsWindowOpen) {
        ShowBettingIntro();
        return;
    }
    TAboutBox box(this);
    box.exec();
}

void TMainForm::PlayCommandClick(PlayCommand command) { ChoosePlayCommand(*game_, command); }

// --- The windows the engine asks for -----------------------------------------------

void TMainForm::ShowPlayCommand(PlayCommand command, bool visible) {
    if (command == PlayCommand::Bet) {
        BarSeparator1->setVisible(visible);
        BarSeparator2->setVisible(visible);
    }
    PlayCommandAction(command)->setVisible(visible);
}

void TMainForm::HidePlayCommands() {
    for (QAction* a : {HitItem, StandItem, DoubleItem, SplitItem, SurrenderItem, HintItem,
                       BarSeparator1, BarSeparator2, BetItem})
        a->setVisible(false);
    RepaintMain();
}

void TMainForm::RepaintMain() { update(); }

TableDisplay* TMainForm::OpenTable() {
    if (!table_) {
        table_ = new TableWindow(*game_, client_);
        table_->Animator().SetAfterWait([host = host_.get()] { host->LookAtClockNext(); });
        table_->BindPlayCommands(PlayButtonBindings());
        decisions_.Add(&table_->Player());
        clientLayout_->addWidget(table_);
        // Like the results window, the table fills the frame and its caption joins
        // the frame's.
        setWindowTitle(QString(kApplicationTitle) + " - [" + table_->windowTitle() + "]");
        table_->show();
    }
    UpdateIdleHint();
    return &table_->Player();
}

void TMainForm::CloseTable() {
    if (!table_) return;
    // The engine may be returning through a call of this table (a reset chosen during
    // a deal): its motions end at once, and the window goes once nothing of it can be
    // on the stack any more.
    table_->Player().Close();
    decisions_.Remove(&table_->Player());
    table_->hide();
    clientLayout_->removeWidget(table_);
    retiredTables_.push_back(table_);
    table_ = nullptr;
    UpdateIdleHint();
    setWindowTitle(kApplicationTitle);
    if (waits_ == 0) DeleteRetiredTables();
}

void TMainForm::DeleteRetiredTables() {
    for (const QPointer<TableWindow>& table : retiredTables_)
        if (table) table->deleteLater();
    retiredTables_.clear();
}

ResultsDisplay* TMainForm::OpenResults() {
    if (!results_) {
        results_ = new TSimForm(*game_, *host_, client_, exact_.get());
        clientLayout_->addWidget(results_);
        // The results window fills the frame without a border of its own, so its
        // caption (the format shown) joins the frame's, as a maximised child's does.
        connect(results_, &QWidget::windowTitleChanged, this, [this](const QString& caption) {
            setWindowTitle(QString(kApplicationTitle) + " - [" + caption + "]");
        });
        setWindowTitle(QString(kApplicationTitle) + " - [" + results_->windowTitle() + "]");
        results_->show();
        UpdateIdleHint();
    }
    return results_;
}

void TMainForm::CloseResults() {
    // Nothing of the results window is on the stack here: the engine closes it from
    // the game reset, between two refreshes.
    delete results_;
    setWindowTitle(kApplicationTitle);
    UpdateIdleHint();
}

void TMainForm::UpdateIdleHint() {
    // The results and table windows each take the hint's place.
    IdleHint->setVisible(!results_ && !table_);
}

QPoint TMainForm::ScreenPointOfTable(int left, int top) {
    if (table_) {
        const TableWidget& widget = table_->Widget();
        return widget.mapToGlobal(widget.Mapping().PointOf(left, top));
    }
    return client_->mapToGlobal(QPoint(left, top));
}

void TMainForm::ShowBettingIntro() {
    WaitScope wait(*this);
    TBettingStrategiesBox box(this);
    box.exec();
    if (box.HideAgainChosen()) {
        game_->Options.HideBettingIntro = true;
        // Offered for saving at exit like any other changed setting.
        game_->OptionsChanged = true;
    }
}

// --- Closing -------------------------------------------------------------------------

bool TMainForm::ConfirmClose() {
    Game& g = *game_;
    if (!g.Closing && !dialogs_.AskYesCancel("CLOSE BlackJack?")) return false;
    StopForExit(g);
    if (g.OptionsChanged) {
        if (g.Options.SoundOn) dialogs_.Beep();
        if (dialogs_.AskYesNo("EXIT VLM - Do You Want to Save OPTIONS?"))
            SaveOptions(g, kOptionsFileName);
    }
    return true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed_) {
        if (!ConfirmClose()) {
            event->ignore();
            return;
        }
        closeConfirmed_ = true;
    }
    // A run (or a dialog) is still on the stack below this event: let it see
    // StopRequested and return; the window closes when the last of them has. The
    // table's motions end at once, so the round in play unwinds without a wait.
    if (waits_ > 0) {
        quitPending_ = true;
        if (table_) table_->Player().Close();
        EndWaits();
        event->ignore();
        return;
    }
    if (help_) help_->close();
    if (progress_) progress_->close();
    event->accept();
}

void TMainForm::EndWaits() {
    if (picker_->IsPicking()) picker_->Button2Click();
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        dialog->reject();
}

void TMainForm::LeaveWait() {
    --waits_;
    if (waits_ == 0) DeleteRetiredTables();
    if (waits_ == 0 && quitPending_)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

}  // namespace velmora
