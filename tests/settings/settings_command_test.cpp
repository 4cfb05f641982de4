// The Options menu command with the engine's scripted host in the player's seat: the
// casino-rules window opened during a run, what leaving it does to the shoe, the
// bankroll and the run, and when the options file is written.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/modes.h"
#include "engine/play_commands.h"
#include "engine/run_loop.h"
#include "settings/exit_caption.h"
#include "settings/rules_editor.h"
#include "settings/settings_command.h"
#include "tests/engine/round_fixture.h"
#include "tests/io/temp_folder.h"

namespace velmora {
namespace {

// The casino-rules window without a screen: its controls run their handler on every
// change of state, as the real window's do.
class FakeRulesWindow : public RulesEditor::Controls {
public:
    explicit FakeRulesWindow(Game& game) : editor(game, *this) {}

    RulesEditor editor;
    std::array<int, 4> items{RulesEditor::kNoItem, RulesEditor::kNoItem, RulesEditor::kNoItem,
                             RulesEditor::kNoItem};
    std::array<bool, RulesEditor::kRuleBoxes + 1> ticks{};
    std::string caption;

    int ItemIndex(int group) const override { return items[static_cast<size_t>(group)]; }
    void SetItemIndex(int group, int index) override {
        if (items[static_cast<size_t>(group)] == index) return;
        items[static_cast<size_t>(group)] = index;
        if (group == RulesEditor::kDecksGroup) editor.RadioGroup1Click();
        if (group == RulesEditor::kMinimumGroup) editor.RadioGroup2Click();
        if (group == RulesEditor::kPenetrationGroup) editor.RadioGroup3Click();
    }
    bool Ticked(int box) const override { return ticks[static_cast<size_t>(box)]; }
    void SetTicked(int box, bool ticked) override {
        if (ticks[static_cast<size_t>(box)] == ticked) return;
        ticks[static_cast<size_t>(box)] = ticked;
        editor.RuleBoxClick();
    }
    void SetExitCaption(std::string_view text) override { caption = text; }
};

const char* Name(SettingsWindow which) {
    switch (which) {
        case SettingsWindow::Rules:
            return "Rules";
        case SettingsWindow::Strategy:
            return "Strategy";
        case SettingsWindow::Preferences:
            return "Preferences";
    }
    return "?";
}

// The main window's side: a real rules editor over fake controls; the other two
// windows are only logged.
class FakeWindows : public SettingsWindows {
public:
    explicit FakeWindows(Game& game) : game_(game) {}

    std::unique_ptr<FakeRulesWindow> rules;
    std::vector<std::string> log;
    std::vector<int> shoeSizeAtCreate;

    void CreateSettingsWindow(SettingsWindow which) override {
        log.push_back(std::string("create ") + Name(which));
        shoeSizeAtCreate.push_back(game_.ShoeSize);
        if (which != SettingsWindow::Rules) return;
        rules = std::make_unique<FakeRulesWindow>(game_);
        rules->editor.InitRulesWindow();
    }
    void DestroySettingsWindow(SettingsWindow which) override {
        log.push_back(std::string("destroy ") + Name(which));
        if (which == SettingsWindow::Rules) rules.reset();
    }

private:
    Game& game_;
};

class RulesWindowCommand : public testing::RoundFixture {
protected:
    testing::TempFolder folder;
    FakeWindows windows{game};
    SettingsCommand command{game, windows, folder / "VLM.PRM"};

    bool OptionsFileWritten() const { return std::filesystem::exists(folder / "VLM.PRM"); }

    // While the window waits, `player` acts on it once.
    void WhileOpen(std::function<void(FakeRulesWindow&)> player) {
        host.onEvents = [this, player, acted = false](Game&) mutable {
            if (!windows.rules || acted) return;
            acted = true;
            player(*windows.rules);
        };
    }
};

TEST_F(RulesWindowCommand, OpenAndLeaveAtOnceWritesTheOptionsButKeepsShoeAndBankroll) {
    ShowTable();
    game.Bankroll = 1234;
    game.CardsDealt = 30;
    WhileOpen([](FakeRulesWindow& w) {
        EXPECT_EQ(w.caption, kExitCaption);
        w.editor.ExitButtonClick();
    });
    command.Open(SettingsWindow::Rules);
    EXPECT_TRUE(OptionsFileWritten());
    EXPECT_FALSE(game.SaveOptionsRequest);
    EXPECT_FALSE(game.OptionsChanged);  // the save cleared it
    EXPECT_FALSE(game.RulesWindowOpen);
    EXPECT_EQ(game.CardsDealt, 30);  // the same shoe, dealt on
    EXPECT_FALSE(game.StopRequested);
    EXPECT_EQ(game.Bankroll, 1234);
    EXPECT_TRUE(host.table.Calls("ShowRack").empty());
    EXPECT_EQ(windows.log, (std::vector<std::string>{"create Rules", "destroy Rules"}));
}

TEST_F(RulesWindowCommand, HalfTheShoeStartsANewBankrollAndWaitsForTheNextShoeToCut) {
    ShowTable();
    game.Bankroll = 1234;
    const uint16_t cut = game.CutPoint;
    WhileOpen([](FakeRulesWindow& w) {
        w.SetItemIndex(RulesEditor::kPenetrationGroup, 0);  // "Deal 1/2 deck(s)"
        w.editor.ExitButtonClick();
    });
    command.Open(SettingsWindow::Rules);
    EXPECT_EQ(game.Options.Penetration, 2);
    EXPECT_EQ(game.CutPoint, cut);
    EXPECT_EQ(game.Bankroll, 5000);
    EXPECT_EQ(host.table.Calls("ShowRack").size(), 1u);
    BuildShoe(game);  // already built: nothing changes
    EXPECT_EQ(game.CutPoint, cut);
    FreeShoe(game);
    BuildShoe(game);
    EXPECT_LT(game.CutPoint, cut);
}

TEST_F(RulesWindowCommand, ARuleTickedAndLeftThroughATopMenuIsLostButCountsAsAChange) {
    WhileOpen([this](FakeRulesWindow& w) {
        w.SetTicked(RulesEditor::kSurrenderBox, true);
        EXPECT_EQ(w.caption, kSaveExitCaption);
        command.CloseSettingsWindows();  // a click on the File menu
    });
    game.OptionsChanged = false;
    command.Open(SettingsWindow::Rules);
    EXPECT_FALSE(game.Options.SurrenderAllowed);
    EXPECT_TRUE(game.OptionsChanged);
    EXPECT_FALSE(OptionsFileWritten());
    EXPECT_FALSE(game.RulesWindowOpen);
}

TEST_F(RulesWindowCommand, AnotherDeckCountAndBackStillRebuildsTheShoeAndResetsTheGame) {
    game.CardsDealt = 30;
    game.RunningCount = 4;
    game.GameFileName = "MYGAME.VLM";
    WhileOpen([](FakeRulesWindow& w) {
        w.SetItemIndex(RulesEditor::kDecksGroup, 4);  // "8 Decks"
        w.SetItemIndex(RulesEditor::kDecksGroup, 1);  // "2 Decks" again
        w.editor.ExitButtonClick();
    });
    command.Open(SettingsWindow::Rules);
    EXPECT_EQ(game.Options.Decks, 2);
    EXPECT_EQ(game.ShoeSize, 104);
    EXPECT_EQ(game.CardsDealt, 0);  // a new shoe, dealt from its start
    EXPECT_EQ(game.RunningCount, 0);
    EXPECT_TRUE(game.GameFileName.empty());  // and the game reset
    EXPECT_TRUE(game.StopRequested);
}

TEST_F(RulesWindowCommand, ACommandReachedWithoutAMenuClickClosesTheWaitingWindowFirst) {
    // The rules window waits with 8 decks chosen; the preferences command comes
    // without the Options menu's click. The rules window is left as that click would
    // leave it, and its new shoe is there before the preferences window opens.
    host.onEvents = [this, step = 0](Game& g) mutable {
        if (step == 0 && windows.rules) {
            step = 1;
            windows.rules->SetItemIndex(RulesEditor::kDecksGroup, 4);
            command.Open(SettingsWindow::Preferences);
        } else if (step == 1 && g.PrefsWindowOpen) {
            step = 2;
            g.ChildWindowClosed = true;  // the preferences' exit button
        }
    };
    command.Open(SettingsWindow::Rules);
    EXPECT_EQ(windows.log, (std::vector<std::string>{"create Rules", "destroy Rules",
                                                     "create Preferences", "destroy Preferences"}));
    EXPECT_EQ(windows.shoeSizeAtCreate, (std::vector<int>{104, 416}));
    EXPECT_FALSE(game.RulesWindowOpen || game.PrefsWindowOpen);
}

// During Normal Play: the rules window is opened while the table waits for a bet.
class RulesWindowDuringNormalPlay : public RulesWindowCommand {
protected:
    void SetUp() override {
        RulesWindowCommand::SetUp();
        game.SimulationMode = false;
    }

    // Bets the table minimum and stands; at the second bet opens the rules window,
    // where `player` acts; at the fourth bet resets the game.
    void Play(std::function<void(FakeRulesWindow&)> player) {
        host.onEvents = [this, player, bets = 0, opened = false](Game& g) mutable {
            if (windows.rules) {
                if (!opened) {
                    opened = true;
                    player(*windows.rules);
                }
                return;
            }
            if (g.BettingOpen && g.BetAmount == 0) {
                if (++bets == 2 && !opened) {
                    --bets;
                    command.Open(SettingsWindow::Rules);
                    bankrollAfterWindow = g.Bankroll;
                    return;
                }
                if (bets > 3) {
                    GameReset(g);
                    return;
                }
                host.table.chipsOnSpot[1] = g.Options.TableMinimum;
                g.BetAmount = g.Options.TableMinimum;
            } else if (host.DecisionAwaited()) {
                ChoosePlayCommand(g, PlayCommand::Stand);
            }
        };
        ChooseMode(game, Mode::Normal);
    }

    double bankrollAfterWindow = -1;
};

TEST_F(RulesWindowDuringNormalPlay, ANewMinimumStartsANewBankrollAndTheRunGoesOn) {
    Play([](FakeRulesWindow& w) {
        w.SetItemIndex(RulesEditor::kMinimumGroup, 2);  // "$100"
        w.editor.ExitButtonClick();
    });
    EXPECT_EQ(game.Options.TableMinimum, 100);
    EXPECT_EQ(bankrollAfterWindow, 20000);
    // One bankroll at the start of the run, one after the window.
    EXPECT_EQ(host.table.Calls("ShowRack").size(), 2u);
    // The round under way went on with its bet, and two more followed at $100.
    EXPECT_EQ(host.table.Calls("ReturnBets").size(), 3u);
    EXPECT_EQ(game.ShoeSize, 104);
    EXPECT_TRUE(OptionsFileWritten());
    EXPECT_FALSE(game.RunInProgress);
}

TEST_F(RulesWindowDuringNormalPlay, MoreDecksRebuildTheShoeAndEndTheRun) {
    Play([](FakeRulesWindow& w) {
        w.SetItemIndex(RulesEditor::kDecksGroup, 4);  // "8 Decks"
        w.editor.ExitButtonClick();
    });
    EXPECT_EQ(game.Options.Decks, 8);
    EXPECT_EQ(game.ShoeSize, 416);
    // Only the round before the window was played; the reset closed the table.
    EXPECT_EQ(host.table.Calls("ReturnBets").size(), 1u);
    EXPECT_FALSE(host.tableOpen);
    EXPECT_FALSE(game.TableShown);
    EXPECT_EQ(host.table.Calls("ShowRack").size(), 1u);
    EXPECT_FALSE(game.RunInProgress);
}

// During Computer Simulated Play the computer stakes and plays; events are handled
// after every card dealt, so the window opens in the middle of a deal.
class RulesWindowDuringComputerPlay : public RulesWindowCommand {
protected:
    // Opens the rules window at the 15th event pass, where `player` acts; resets the
    // game once 60 more passes have gone by.
    void Play(std::function<void(FakeRulesWindow&)> player) {
        host.onEvents = [this, player, passes = 0, opened = false](Game& g) mutable {
            if (windows.rules) {
                if (!opened) {
                    opened = true;
                    player(*windows.rules);
                }
                return;
            }
            ++passes;
            if (passes == 15) {
                roundsBeforeWindow = host.table.Calls("ReturnBets").size();
                command.Open(SettingsWindow::Rules);
                bankrollAfterWindow = g.Bankroll;
            } else if (passes > 75) {
                stakeAtEnd = g.Hand(1).NextStake;
                GameReset(g);
            }
        };
        ChooseMode(game, Mode::Simulation);
    }

    size_t roundsBeforeWindow = 0;
    double bankrollAfterWindow = -1;
    int stakeAtEnd = -1;
};

TEST_F(RulesWindowDuringComputerPlay, ANewMinimumStartsANewBankrollAndTheRunGoesOn) {
    Play([](FakeRulesWindow& w) {
        w.SetItemIndex(RulesEditor::kMinimumGroup, 0);  // "$5"
        w.editor.ExitButtonClick();
    });
    EXPECT_EQ(game.Options.TableMinimum, 5);
    EXPECT_EQ(bankrollAfterWindow, 1000);
    EXPECT_GT(host.table.Calls("ReturnBets").size(), roundsBeforeWindow + 3);
    EXPECT_EQ(stakeAtEnd, 5);  // the computer stakes the new minimum
}

TEST_F(RulesWindowDuringComputerPlay, OneDeckEndsTheRunInTheMiddleOfTheDeal) {
    Play([](FakeRulesWindow& w) {
        w.SetItemIndex(RulesEditor::kDecksGroup, 0);  // "1 Deck"
        w.editor.ExitButtonClick();
    });
    EXPECT_EQ(game.ShoeSize, 52);
    EXPECT_EQ(host.table.Calls("ReturnBets").size(), roundsBeforeWindow);
    EXPECT_FALSE(host.tableOpen);
    EXPECT_FALSE(game.RunInProgress);
}

}  // namespace
}  // namespace velmora
