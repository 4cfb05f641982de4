#pragma once
// How the engine sees the world. The engine never calls a window system: the
// program implements these interfaces with Qt, the tests with scripted fakes and
// the headless analysis with no-ops.

#include <optional>
#include <string>
#include <string_view>

#include "engine/card.h"
#include "engine/random.h"

namespace velmora {

// The play commands of the menu bar that the engine shows and hides.
enum class PlayCommand { Bet, Stand, Hit, Double, Split, Surrender, Hint };

class TableDisplay;
class ResultsDisplay;

class Host {
  public:
    virtual ~Host() = default;

    // The body of every wait: handle pending input. The engine re-reads its flags after.
    // A host may skip calls that come too soon after the last pass (see QtHost).
    virtual void ProcessEvents() = 0;
    // One whole pass over pending input now, never skipped: what the start-up's speed
    // measurement counts.
    virtual void ProcessEventsNow() { ProcessEvents(); }
    // The body of a wait for the player (a bet, a decision): like ProcessEvents, but
    // may sleep until input arrives, so waiting costs no processor time.
    virtual void WaitForInput() { ProcessEvents(); }
    virtual TimeOfDay Now() = 0;

    // Message boxes, with the system's own texts.
    virtual void ShowMessage(std::string_view text) = 0;   // OK
    virtual bool AskYesNo(std::string_view text) = 0;      // true = Yes
    virtual bool AskYesCancel(std::string_view text) = 0;  // true = Yes
    // The advice box: error kind, caption "Error", one OK, its top-left at (left, top).
    virtual void ShowErrorAt(std::string_view text, int left, int top) = 0;
    // A Yes/No question placed beside a hand, its top-left at (left, top) of the table.
    virtual bool AskYesNoAt(std::string_view text, int left, int top) {
        (void)left;
        (void)top;
        return AskYesNo(text);
    }
    virtual void Beep() = 0;

    // Menu-bar play commands. Showing Bet also shows the two separator items.
    virtual void ShowPlayCommand(PlayCommand command, bool visible) = 0;
    virtual void HidePlayCommands() = 0;
    virtual void RepaintMain() {}

    // The table window of the table modes and the results window of the analysis.
    // Open returns the existing window when one is open.
    virtual TableDisplay* OpenTable() = 0;
    virtual void CloseTable() = 0;
    virtual ResultsDisplay* OpenResults() = 0;
    virtual void CloseResults() = 0;

    // The betting-strategies box shown when an analysis starts; returns once closed.
    // Its "Do Not Show This Screen Again" button sets HideBettingIntro itself.
    virtual void ShowBettingIntro() = 0;

    // The saved-game file picker: the name the player accepted (possibly empty), or
    // nothing when the picker was cancelled. `proposal` is what the name field shows.
    virtual std::optional<std::string> PickFileName(std::string_view proposal) = 0;
};

// The table window, called by the engine in the order of a deal and only while the
// table is shown. It decides nothing about the game.
class TableDisplay {
  public:
    virtual ~TableDisplay() = default;

    virtual void ClearTable() = 0;
    // The shuffle seen on the table; the shoe still holds the old order.
    virtual void ShowShuffle() = 0;
    // The cut card comes out of the shoe (true) or goes back (false).
    virtual void MoveCutCard(bool out) = 0;
    // A dealt card flies to its place: card `number` (from 1) of `hand` (0 = dealer).
    // Its PositionCode says the same for the first ten cards of a hand.
    virtual void DealCard(const TCard& card, int hand, int number) = 0;
    virtual void FlipHoleCard() = 0;
    // The active-hand pointer (0 hides it).
    virtual void ShowPointer(int hand) = 0;
    virtual void ShowLabel(int hand, std::string_view text) = 0;
    // Win, lose, blackjack or surrender of a hand with result factor r, chips moving.
    virtual void ShowSettlement(int hand, double r) = 0;
    virtual void ShowDoubledBet(int hand) = 0;
    // The second card and a copy of the bet chips move to the split hand.
    virtual void ShowSplit(int from, int to) = 0;
    virtual void ReturnBets() = 0;

    // Betting.
    virtual void PlaceBetChip(int spot, int value) = 0;  // spot 1 or 3
    // The Bet command: the table bets the last bet again.
    virtual void ConfirmBet() {}
    virtual double ChipsOnSpot(int spot) = 0;
    virtual void ShowBetBoxes(bool secondBox) = 0;
    // Exchange surplus small chips, show the bet panels, make change for CurrentBet.
    virtual void PrepareBetting() = 0;
    virtual void HideBetPanels() = 0;
    virtual void TakeMovingChipFromFirstSpot() = 0;
    virtual void SetMovingChipBet(int amount) = 0;
    virtual void MakeChange(int amount) = 0;

    // Money.
    virtual void ShowRack() = 0;
    virtual void ShowBankroll() = 0;

    // The advice panel: in computer play the reason for a move ("BLACKJACK!" too).
    virtual void ShowAdvice(std::string_view text) = 0;
    virtual void ShowSpeedBar(bool visible) = 0;

    // Animation waits in delay units; they block input as a busy wait would.
    virtual void Delay(int units) = 0;
    virtual void LongDelay(int units) = 0;
};

// The analysis results window.
class ResultsDisplay {
  public:
    virtual ~ResultsDisplay() = default;
    // After every block of 100 rounds and its accounting, in every view. The window
    // has nothing to do here; the headless tool counts its blocks here.
    virtual void BlockEnded() {}
    // After a block of 100 rounds, or of every 50th in the single-strategy view: tick
    // the run-time clock and redraw (at most once a clock second outside that view).
    virtual void RefreshAnalysis() = 0;
};

}  // namespace velmora
