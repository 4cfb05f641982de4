#pragma once
// A host that shows nothing and answers No: the loaders under the fuzzer talk to
// no player.

#include "engine/host.h"

namespace velmora::fuzz {

class NullHost : public Host {
  public:
    void ProcessEvents() override {}
    TimeOfDay Now() override { return {}; }
    void ShowMessage(std::string_view) override {}
    bool AskYesNo(std::string_view) override { return false; }
    bool AskYesCancel(std::string_view) override { return false; }
    void ShowErrorAt(std::string_view, int, int) override {}
    void Beep() override {}
    void ShowPlayCommand(PlayCommand, bool) override {}
    void HidePlayCommands() override {}
    TableDisplay* OpenTable() override { return nullptr; }
    void CloseTable() override {}
    ResultsDisplay* OpenResults() override { return nullptr; }
    void CloseResults() override {}
    void ShowBettingIntro() override {}
    std::optional<std::string> PickFileName(std::string_view) override { return std::nullopt; }
};

// A broken promise of a loader: stop here so the fuzzer keeps the input.
inline void Require(bool holds) {
    if (!holds) __builtin_trap();
}

}  // namespace velmora::fuzz
