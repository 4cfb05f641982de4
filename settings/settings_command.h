#pragma once
// The Options menu's three commands: open a settings window, wait (handling events,
// so a run below goes on being served) until the window is left by its exit button
// or by a click on a top menu, close it, write the options file when the window
// asked for it, and carry out what a change of the casino rules requires. The main
// window supplies the windows themselves.

#include <filesystem>

#include "io/options_file.h"

namespace velmora {

struct Game;

enum class SettingsWindow { Rules, Strategy, Preferences };

// The window side of the settings windows.
class SettingsWindows {
public:
    virtual ~SettingsWindows() = default;
    // Creates the window in the main window's client area and lets it show the
    // game's settings (its Init... operation).
    virtual void CreateSettingsWindow(SettingsWindow which) = 0;
    // Destroys the window. The strategy editor first stores the row on show.
    virtual void DestroySettingsWindow(SettingsWindow which) = 0;
};

class SettingsCommand {
public:
    SettingsCommand(Game& game, SettingsWindows& windows,
                    std::filesystem::path optionsFile = kOptionsFileName)
        : game_(game), windows_(windows), optionsFile_(std::move(optionsFile)) {}

    // The menu command; returns once the window is closed and its consequences are
    // carried out.
    void Open(SettingsWindow which);

    // Closes every open settings window; run after each settings window and by a
    // click on the File, Run or Options menu. Leaving a rules window whose decks
    // changed rebuilds the shoe and resets the game (ending any run); one whose
    // table minimum or penetration changed starts a new bankroll, and a run goes on.
    void CloseSettingsWindows();

private:
    Game& game_;
    SettingsWindows& windows_;
    std::filesystem::path optionsFile_;
};

}  // namespace velmora
