#pragma once
// Helpers of the main-window tests: a fresh empty folder as the current folder (the
// program reads and writes "VLM.PRM" there), a main window with scripted message
// boxes, and waits that end by themselves.

#include "app/main_form.h"
#include "tests/ui/scripted_dialogs.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace velmora::testing {

// Blocks of 100 rounds per chunk of the window's analysis in these tests: the first
// merged figures come after a few thousand rounds, also in the sanitizer build.
constexpr uint64_t kTestChunkBlocks = 10;

class AppFixture {
public:
    AppFixture();
    ~AppFixture();

    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;

    Game& game() { return form->GameState(); }
    QString Path(const QString& name) const { return folder_.filePath(name); }

    // Runs the start-up, answering the "Mouse Moves" box of a first start with OK.
    void StartUp();
    // Starts the analysis from the Run menu (answering the betting-strategies box with
    // OK when it comes); `during` runs on every timer pass while the analysis runs,
    // until it returns true; then the game is reset. Returns when the run has ended.
    // A run that is not over after `timeoutMs` is reset as well. A test that answers
    // the box itself passes answerIntro = false.
    void RunAnalysis(const std::function<bool()>& during, int timeoutMs = 60000,
                     bool answerIntro = true);
    // Starts Computer Simulated Play from the Run menu; `during` runs every few
    // milliseconds (also inside the table's motions) until it returns true; a run
    // still going after `timeoutMs` is reset. Returns when the run has ended.
    void RunSimulation(const std::function<bool()>& during, int timeoutMs = 60000);
    // The same for any table mode started by `item` (Normal Play, Practice Deck). A
    // `during` that moves the mouse may start motions: it is not run again from
    // inside them.
    void RunTable(QAction* item, const std::function<bool()>& during, int timeoutMs = 60000);

private:
    QTemporaryDir folder_;
    QString oldFolder_;
};

// Why a window of its own beside the main window is misplaced: not wholly inside the
// main window's screen, or over its menu bar; empty when it is placed well.
QString PlacementFault(const QWidget& window, const TMainForm& main);

// Blocks of 100 rounds the analysis has begun.
inline unsigned Blocks(const Game& g) { return g.HourBlocks; }

}  // namespace velmora::testing
