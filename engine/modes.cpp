#include "engine/modes.h"

#include "engine/run_loop.h"
#include "engine/shoe.h"

namespace velmora {

namespace {

void RebuildShoe(Game& g) {
    FreeShoe(g);
    BuildShoe(g);
}

void SetModeName(Game& g, Mode mode) { g.Options.ModeName.Assign(ModeName(mode)); }

// The analysis shuffles from a 64-bit stream seeded once per run.
void SeedAnalysis(Game& g) {
    uint64_t seed = 0;
    if (g.AnalysisSeed) {
        seed = *g.AnalysisSeed;
    } else {
        const TimeOfDay t = g.host.Now();
        seed = static_cast<uint64_t>(((t.Hour * 60 + t.Minute) * 60 + t.Second) * 1000 +
                                     t.Millisecond);
    }
    g.AnalysisRng.Reseed(seed);
    g.AnalysisShuffleOn = true;
}

void RunMode(Game& g, Mode mode) {
    switch (mode) {
        case Mode::Normal: NormalPlay(g); break;
        case Mode::Practice: PracticeDeck(g); break;
        case Mode::Simulation: ComputerSimulatedPlay(g); break;
        case Mode::Analysis: BettingAnalysis(g); break;
    }
}

}  // namespace

const char* ModeName(Mode mode) {
    switch (mode) {
        case Mode::Normal: return "Normal";
        case Mode::Practice: return "Practice";
        case Mode::Simulation: return "Simulation";
        case Mode::Analysis: return "Analysis";
    }
    return "";
}

void ChooseMode(Game& g, Mode mode) {
    if (g.RunInProgress) {
        // We are inside the running mode's event processing: stop it, and let the
        // loop below start the chosen mode once it has returned.
        g.PendingMode = mode;
        GameReset(g);
        return;
    }
    g.RunInProgress = true;
    std::optional<Mode> next = mode;
    while (next && !g.Closing) {
        g.PendingMode.reset();
        RunMode(g, *next);
        next = g.PendingMode;
    }
    g.PendingMode.reset();
    g.RunInProgress = false;
}

void NormalPlay(Game& g) {
    SetModeName(g, Mode::Normal);
    g.PracticeDeckMode = false;
    g.AnalysisShuffleOn = false;
    RebuildShoe(g);
    GameReset(g);
    g.SimulationMode = false;
    RunTablePlay(g);
}

void PracticeDeck(Game& g) {
    SetModeName(g, Mode::Practice);
    GameReset(g);
    g.AnalysisShuffleOn = false;
    g.PracticeDeckMode = true;
    RebuildShoe(g);  // aces to nines only
    g.SimulationMode = false;
    RunTablePlay(g);
    g.PracticeDeckMode = false;
    RebuildShoe(g);
}

void ComputerSimulatedPlay(Game& g) {
    SetModeName(g, Mode::Simulation);
    g.PracticeDeckMode = false;
    g.AnalysisShuffleOn = false;
    RebuildShoe(g);
    GameReset(g);
    g.host.HidePlayCommands();
    g.SimulationMode = true;
    RunTablePlay(g);
    g.SimulationMode = false;
}

void BettingAnalysis(Game& g) {
    SetModeName(g, Mode::Analysis);
    g.PracticeDeckMode = false;
    SeedAnalysis(g);
    RebuildShoe(g);
    g.host.HidePlayCommands();
    g.StopRequested = true;
    if (!g.Options.HideBettingIntro) g.host.ShowBettingIntro();
    g.BankrollUnit = g.AnalysisBankrollUnit.value_or(100.0 * g.Options.TableMinimum);
    GameReset(g);
    g.StopRequested = false;
    g.ResultsScreen = 3;
    g.FlashTime = 0;
    g.host.RepaintMain();
    g.AnalysisTitleRefresh = true;
    g.SimulationMode = true;
    if (!g.ResultsWindowOpen) {
        g.Results = g.host.OpenResults();
        g.ResultsWindowOpen = g.Results != nullptr;
    }
    // A mode chosen while the betting box was up has already asked to stop this one.
    if (!g.PendingMode && !g.Closing) {
        if (g.AnalysisLoop && g.Results)
            g.AnalysisLoop(g);
        else
            RunLoop(g);
    }
    g.Options.SingleStrategyView = false;
    g.SimulationMode = false;
    g.AnalysisShuffleOn = false;
    g.host.HidePlayCommands();
}

}  // namespace velmora
