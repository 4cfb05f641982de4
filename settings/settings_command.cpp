#include "settings/settings_command.h"

#include "engine/game.h"
#include "engine/run_loop.h"
#include "engine/shoe.h"

namespace velmora {

namespace {

bool& OpenFlag(Game& g, SettingsWindow which) {
    switch (which) {
        case SettingsWindow::Rules:
            return g.RulesWindowOpen;
        case SettingsWindow::Strategy:
            return g.StrategyWindowOpen;
        case SettingsWindow::Preferences:
            return g.PrefsWindowOpen;
    }
    return g.PrefsWindowOpen;
}

// What a change of the casino rules requires once its window is closed.
void ApplyRulesRequests(Game& g) {
    if (g.ShoeRebuildRequest) {
        FreeShoe(g);
        BuildShoe(g);
        GameReset(g);
    }
    if (g.BankrollRestartRequest) NewBankroll(g);  // only while the table is in use
}

}  // namespace

void SettingsCommand::Open(SettingsWindow which) {
    Game& g = game_;
    // Reached without a click on the Options menu, the command finds an older
    // window still open: it is left as that click would have left it.
    if (g.RulesWindowOpen || g.StrategyWindowOpen || g.PrefsWindowOpen) CloseSettingsWindows();
    g.SaveOptionsRequest = false;
    windows_.CreateSettingsWindow(which);
    OpenFlag(g, which) = true;
    g.ChildWindowClosed = false;
    if (which != SettingsWindow::Strategy) g.ShoeRebuildRequest = false;
    while (!g.ChildWindowClosed) g.host.WaitForInput();
    CloseSettingsWindows();
}

void SettingsCommand::CloseSettingsWindows() {
    Game& g = game_;
    g.ChildWindowClosed = true;
    bool rulesClosed = false;
    for (SettingsWindow which :
         {SettingsWindow::Strategy, SettingsWindow::Rules, SettingsWindow::Preferences}) {
        bool& open = OpenFlag(g, which);
        if (!open) continue;
        open = false;
        windows_.DestroySettingsWindow(which);
        rulesClosed = rulesClosed || which == SettingsWindow::Rules;
    }
    if (g.SaveOptionsRequest) {
        g.SaveOptionsRequest = false;
        SaveOptions(g, optionsFile_);
    }
    // The requests are carried out here, as the window closes, rather than when the
    // command's wait returns: a command chosen while this one waited (a settings
    // window or a run) starts inside that wait, and must find the shoe and the
    // bankroll already matching the rules.
    if (rulesClosed) ApplyRulesRequests(g);
}

}  // namespace velmora
