#include "engine/run_loop.h"

#include "engine/betting.h"
#include "engine/game.h"
#include "engine/round.h"

namespace velmora {

namespace {

constexpr int kRoundsPerHour = 100;
constexpr int kSingleViewRefreshHours = 50;

// The starting rack for each table minimum: half, 5, 25, 100, 500, 1000, 5000.
constexpr std::array<uint16_t, kChipKinds> kRack5 = {0, 10, 2, 4, 1, 0, 0};
constexpr std::array<uint16_t, kChipKinds> kRack25 = {0, 0, 8, 3, 3, 3, 0};
constexpr std::array<uint16_t, kChipKinds> kRack100 = {0, 0, 0, 10, 6, 6, 2};

void StopRound(Game& g) {
    for (THand& h : g.Hands) h.Finished = true;
    g.ActiveHand = 0;
    g.PlayerAction = kStand;
    g.BetAmount = g.Options.TableMinimum;
    g.StopRequested = true;
}

void RefreshResults(Game& g) {
    if (!g.Results) return;
    const bool single = g.Options.SingleStrategyView;
    if (single && g.HourBlocks % kSingleViewRefreshHours != 0) return;
    g.ResultsIdle = false;
    g.Results->RefreshAnalysis();
    g.ResultsIdle = true;
}

// Ends the run with the game reset however the loop is left.
struct ResetOnExit {
    Game& g;
    ~ResetOnExit() { GameReset(g); }
};

}  // namespace

void RunLoop(Game& g) {
    ResetOnExit reset{g};
    ResetStatistics(g);
    do {
        g.HourBlocks += 1;
        g.RoundsInBatch = 0;
        do {
            PlayRound(g);
        } while (g.RoundsInBatch < kRoundsPerHour && !g.StopRequested);
        if (g.ResultsWindowOpen && !g.StopRequested) {
            EndOfHour(g);
            if (g.Results) g.Results->BlockEnded();
            RefreshResults(g);
        }
    } while (!g.StopRequested);
}

void GameReset(Game& g) {
    g.ResultsIdle = true;
    g.Options.SingleStrategyView = false;
    g.PracticeDeckMode = false;
    StopRound(g);
    g.GameFileName.clear();
    if (g.Table) {
        g.TableShown = false;
        g.Table = nullptr;
        g.host.CloseTable();
    }
    // The window is closed at once. A refresh of the results processes no events, so
    // no reset can come from inside one: a reset comes from a menu command or from the
    // end of the run loop, between two refreshes, with nothing of the window on the
    // stack. (So the wait for ResultsIdle that a second thread would need is not needed.)
    if (g.ResultsWindowOpen) {
        g.ResultsWindowOpen = false;
        g.Results = nullptr;
        g.host.CloseResults();
    }
    ResetStatistics(g);
}

void NewBankroll(Game& g) {
    TableDisplay* table = g.ShownTable();
    if (!table) return;
    const uint16_t min = g.Options.TableMinimum;
    g.Hand(1).Stats.HourNet = 200.0 * min;
    g.Bankroll = 200.0 * min;
    g.RackCount = min == 5 ? kRack5 : (min == 25 ? kRack25 : kRack100);
    table->ShowRack();
    table->ShowAdvice("");
    table->ShowBankroll();
}

void RunTablePlay(Game& g) {
    g.host.HidePlayCommands();
    if (!g.Table) g.Table = g.host.OpenTable();
    if (!g.Table) {  // no table window to play on
        g.StopRequested = true;
        return;
    }
    g.TableShown = true;
    g.ShoeRebuildRequest = false;
    g.StopRequested = false;
    g.CurrentBet = g.Options.TableMinimum;
    g.Table->SetMovingChipBet(g.CurrentBet);
    g.Table->ShowSpeedBar(g.SimulationMode);
    g.Table->ShowBetBoxes(SecondBetBoxShown(g));
    if (g.SimulationMode) g.FlashTime = 50;
    NewBankroll(g);
    RunLoop(g);
    g.host.HidePlayCommands();
}

void StopForExit(Game& g) {
    g.ChildWindowClosed = true;
    g.Closing = true;
    g.FlashTime = 0;
    g.PendingMode.reset();
    StopRound(g);
}

}  // namespace velmora
