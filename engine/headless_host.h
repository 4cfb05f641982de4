#pragma once
// A host without windows: no events, no boxes, the system clock. The analysis
// tool runs the Betting and Rules Analysis on it.

#include "engine/host.h"

namespace velmora {

class HeadlessHost : public Host {
public:
    // `results` receives the refresh after each block of 100 rounds.
    explicit HeadlessHost(ResultsDisplay* results = nullptr) : results_(results) {}

    void ProcessEvents() override {}
    TimeOfDay Now() override;
    void ShowMessage(std::string_view) override {}
    bool AskYesNo(std::string_view) override { return false; }
    bool AskYesCancel(std::string_view) override { return false; }
    void ShowErrorAt(std::string_view, int, int) override {}
    void Beep() override {}
    void ShowPlayCommand(PlayCommand, bool) override {}
    void HidePlayCommands() override {}
    TableDisplay* OpenTable() override { return nullptr; }
    void CloseTable() override {}
    ResultsDisplay* OpenResults() override { return results_; }
    void CloseResults() override {}
    void ShowBettingIntro() override {}
    std::optional<std::string> PickFileName(std::string_view) override { return std::nullopt; }

private:
    ResultsDisplay* results_;
};

}  // namespace velmora
