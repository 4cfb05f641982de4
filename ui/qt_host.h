#pragma once
// The engine's host in the real program: events, clock, message boxes and beep with
// Qt, the windows through the main window, the file picker through TFileCtrls.
//
// The engine calls ProcessEvents once per round and in every wait. Handing each call
// to Qt would cost far more than the round itself, so the host lets Qt process its
// events only when a few milliseconds have passed since the last time: the analysis
// runs at full speed while menus and clicks still answer at once.

#include <QElapsedTimer>

#include "engine/host.h"

namespace velmora {

class DialogService;
class HostWindows;
class TFileCtrls;

class QtHost : public Host {
public:
    // Calls between two looks at the clock, and the time between two event passes.
    static constexpr int kCallsPerClockCheck = 64;
    static constexpr qint64 kEventIntervalMs = 4;
    static constexpr int kInputWaitMs = 50;

    QtHost(DialogService& dialogs, HostWindows& windows, TFileCtrls& picker);

    void ProcessEvents() override;
    // Sleeps until an event arrives, or at most kInputWaitMs.
    void WaitForInput() override;
    // One Qt event-loop pass now, whatever the time: for the program's own waits and
    // the speed measurement.
    void ProcessEventsNow() override;
    // The next ProcessEvents looks at the clock at once instead of after its count of
    // calls: the table's motions call for this when they end, so the input they held
    // back is handled at the engine's next event pass (after the dealt card), not
    // rounds later.
    void LookAtClockNext() { callsSinceCheck_ = kCallsPerClockCheck - 1; }
    // The time of day. Reading the wall clock (with its time-zone conversion) costs
    // microseconds, far more than the 100 rounds between two reads in an analysis, so
    // the time is counted on from one wall-clock reading a second by a steady clock.
    TimeOfDay Now() override;

    void ShowMessage(std::string_view text) override;
    bool AskYesNo(std::string_view text) override;
    bool AskYesCancel(std::string_view text) override;
    void ShowErrorAt(std::string_view text, int left, int top) override;
    void Beep() override;

    void ShowPlayCommand(PlayCommand command, bool visible) override;
    void HidePlayCommands() override;
    void RepaintMain() override;

    TableDisplay* OpenTable() override;
    void CloseTable() override;
    ResultsDisplay* OpenResults() override;
    void CloseResults() override;
    void ShowBettingIntro() override;

    std::optional<std::string> PickFileName(std::string_view proposal) override;

    // Event passes actually handed to Qt (for the benchmark's report).
    long long EventPasses() const { return eventPasses_; }

private:
    DialogService& dialogs_;
    HostWindows& windows_;
    TFileCtrls& picker_;
    static constexpr qint64 kWallClockReadMs = 1000;

    QElapsedTimer sinceEvents_;
    QElapsedTimer steady_;
    qint64 wallReadAt_ = -1;    // steady_ time of the last wall-clock reading
    qint64 wallMsOfDay_ = 0;    // what it said, in milliseconds since midnight
    int callsSinceCheck_ = 0;
    long long eventPasses_ = 0;
};

}  // namespace velmora
