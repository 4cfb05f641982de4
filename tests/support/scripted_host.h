#pragma once
// A host that plays the human player's part for tests: its event processing runs a
// script step, its message boxes are answered from a queue and recorded, and its
// table and results windows record every call the engine makes.

#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/host.h"

namespace velmora::testing {

// Records each table call as one line ("DealCard 11", "ShowSettlement 1 -1").
class RecordingTable : public TableDisplay {
public:
    std::vector<std::string> calls;
    double chipsOnSpot[5] = {0, 0, 0, 0, 0};

    // The calls whose text starts with `prefix`, in order.
    std::vector<std::string> Calls(const std::string& prefix) const;

    void ClearTable() override { calls.push_back("ClearTable"); }
    void ShowShuffle() override { calls.push_back("ShowShuffle"); }
    void MoveCutCard(bool out) override { calls.push_back(out ? "CutCardOut" : "CutCardIn"); }
    void DealCard(const TCard& card, int hand, int number) override;
    void FlipHoleCard() override { calls.push_back("FlipHoleCard"); }
    void ShowPointer(int hand) override;
    void ShowLabel(int hand, std::string_view text) override;
    void ShowSettlement(int hand, double r) override;
    void ShowDoubledBet(int hand) override;
    void ShowSplit(int from, int to) override;
    void ReturnBets() override { calls.push_back("ReturnBets"); }
    void PlaceBetChip(int spot, int value) override;
    double ChipsOnSpot(int spot) override { return chipsOnSpot[spot]; }
    void ShowBetBoxes(bool secondBox) override;
    void PrepareBetting() override { calls.push_back("PrepareBetting"); }
    void HideBetPanels() override { calls.push_back("HideBetPanels"); }
    void TakeMovingChipFromFirstSpot() override { calls.push_back("TakeMovingChip"); }
    void SetMovingChipBet(int amount) override;
    void MakeChange(int amount) override;
    void ShowRack() override { calls.push_back("ShowRack"); }
    void ShowBankroll() override { calls.push_back("ShowBankroll"); }
    void ShowAdvice(std::string_view text) override;
    void ShowSpeedBar(bool visible) override;
    void Delay(int units) override;
    void LongDelay(int units) override;
};

class RecordingResults : public ResultsDisplay {
public:
    int refreshes = 0;
    void RefreshAnalysis() override { ++refreshes; }
};

class ScriptedHost : public Host {
public:
    // Set by the test: the game the script acts on.
    Game* game = nullptr;
    // Runs on every event pass: the player's part (bets, moves, menu commands).
    std::function<void(Game&)> onEvents;
    // Answers for AskYesNo and AskYesCancel, in order; an empty queue answers No.
    std::deque<bool> answers;
    // Names the picker returns, in order; an empty queue cancels.
    std::deque<std::optional<std::string>> pickedNames;
    std::function<void(Game&)> onBettingIntro;

    TimeOfDay clock{12, 0, 0, 0};
    int eventPasses = 0;
    int beeps = 0;
    std::vector<std::string> boxes;  // "message: ...", "question: ...", "error 310,50: ..."
    std::vector<std::string> proposals;  // what each picker call proposed
    RecordingTable table;
    RecordingResults results;
    bool tableOpen = false;
    bool resultsOpen = false;
    int bettingIntros = 0;
    std::vector<std::string> commandLog;  // "show Hit", "hide all", ...
    std::set<PlayCommand> shown;          // the play commands on the menu bar now

    // A decision is awaited while the Hit command is on the menu bar.
    bool DecisionAwaited() const { return shown.count(PlayCommand::Hit) > 0; }

    void ProcessEvents() override;
    TimeOfDay Now() override { return clock; }
    void ShowMessage(std::string_view text) override;
    bool AskYesNo(std::string_view text) override;
    bool AskYesCancel(std::string_view text) override;
    void ShowErrorAt(std::string_view text, int left, int top) override;
    void Beep() override { ++beeps; }
    void ShowPlayCommand(PlayCommand command, bool visible) override;
    void HidePlayCommands() override {
        commandLog.push_back("hide all");
        shown.clear();
    }
    TableDisplay* OpenTable() override;
    void CloseTable() override { tableOpen = false; }
    ResultsDisplay* OpenResults() override;
    void CloseResults() override { resultsOpen = false; }
    void ShowBettingIntro() override;
    std::optional<std::string> PickFileName(std::string_view proposal) override;

    // The advice sentences shown in error boxes, without their positions.
    std::vector<std::string> AdviceBoxes() const;
};

const char* CommandName(PlayCommand command);

}  // namespace velmora::testing
