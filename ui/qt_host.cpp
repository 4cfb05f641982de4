#include "ui/qt_host.h"

#include "ui/dialog_service.h"
#include "ui/file_ctrls.h"
#include "ui/host_windows.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTime>
#include <QTimer>

namespace velmora {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtHost::QtHost(DialogService& dialogs, HostWindows& windows, TFileCtrls& picker)
    : dialogs_(dialogs), windows_(windows), picker_(picker) {
    sinceEvents_.start();
    steady_.start();
}

void QtHost::ProcessEvents() {
    // Reading the clock costs about as much as a round of the analysis; a counter
    // keeps that to one reading in kCallsPerClockCheck calls.
    if (++callsSinceCheck_ < kCallsPerClockCheck) return;
    callsSinceCheck_ = 0;
    if (sinceEvents_.elapsed() < kEventIntervalMs) return;
    ProcessEventsNow();
}

void QtHost::WaitForInput() {
    // A timer wakes the wait even when no input comes, so the engine re-reads its
    // flags at least every kInputWaitMs.
    QTimer wake;
    wake.start(kInputWaitMs);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    ++eventPasses_;
    sinceEvents_.restart();
}

void QtHost::ProcessEventsNow() {
    QCoreApplication::processEvents();
    ++eventPasses_;
    sinceEvents_.restart();
}

TimeOfDay QtHost::Now() {
    constexpr qint64 kMsPerDay = 24LL * 60 * 60 * 1000;
    const qint64 steady = steady_.elapsed();
    if (wallReadAt_ < 0 || steady - wallReadAt_ >= kWallClockReadMs) {
        wallMsOfDay_ = QTime::currentTime().msecsSinceStartOfDay();
        wallReadAt_ = steady;
    }
    const qint64 ms = (wallMsOfDay_ + steady - wallReadAt_) % kMsPerDay;
    return TimeOfDay{int(ms / 3600000), int(ms / 60000 % 60), int(ms / 1000 % 60), int(ms % 1000)};
}

void QtHost::ShowMessage(std::string_view text) { dialogs_.Message(ToQString(text)); }

bool QtHost::AskYesNo(std::string_view text) { return dialogs_.AskYesNo(ToQString(text)); }

bool QtHost::AskYesCancel(std::string_view text) {
    return dialogs_.AskYesCancel(ToQString(text));
}

void QtHost::ShowErrorAt(std::string_view text, int left, int top) {
    dialogs_.ErrorAt(ToQString(text), windows_.ScreenPointOfTable(left, top));
}

bool QtHost::AskYesNoAt(std::string_view text, int left, int top) {
    return dialogs_.AskYesNoAt(ToQString(text), windows_.ScreenPointOfTable(left, top));
}

void QtHost::Beep() { dialogs_.Beep(); }

void QtHost::ShowPlayCommand(PlayCommand command, bool visible) {
    windows_.ShowPlayCommand(command, visible);
}

void QtHost::HidePlayCommands() { windows_.HidePlayCommands(); }

void QtHost::RepaintMain() { windows_.RepaintMain(); }

TableDisplay* QtHost::OpenTable() { return windows_.OpenTable(); }

void QtHost::CloseTable() { windows_.CloseTable(); }

ResultsDisplay* QtHost::OpenResults() { return windows_.OpenResults(); }

void QtHost::CloseResults() { windows_.CloseResults(); }

void QtHost::ShowBettingIntro() { windows_.ShowBettingIntro(); }

std::optional<std::string> QtHost::PickFileName(std::string_view proposal) {
    return picker_.PickFileName(proposal);
}

}  // namespace velmora
