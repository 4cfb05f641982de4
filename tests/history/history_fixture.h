#pragma once
// A game and a fresh folder for the history's tests, on local time = UTC so that
// days and times read the same everywhere.

#include <gtest/gtest.h>

#include <stdlib.h>
#include <time.h>

#include "engine/options.h"
#include "history/decision_history.h"
#include "history/history_writer.h"
#include "tests/history/judged.h"
#include "tests/io/temp_folder.h"
#include "tests/support/scripted_host.h"

namespace velmora::testing {

// 2026-03-01 12:00:00 UTC.
inline constexpr int64_t kMarchFirstNoon = 1772366400000;
inline constexpr int64_t kDayMs = 86400000;

class HistoryFixture : public ::testing::Test {
  protected:
    TempFolder dir;
    ScriptedHost host;
    Game game{host};
    int64_t now = kMarchFirstNoon;

    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
        host.game = &game;
        ApplyDefaultOptions(game.Options);
        ResetStrategyToDefault(game.Strategy);
    }

    std::filesystem::path File() const { return dir / kHistoryFileName; }

    DecisionHistory HistoryOn(HistoryWriter* writer) {
        return DecisionHistory(game, writer, [this] { return now; }, 7);
    }

    // `n` moves of one kind, judged the same way.
    static void Judge(DecisionHistory& history, int n, JudgedDecision d) {
        for (int i = 0; i < n; ++i) history.DecisionJudged(d);
    }
};

}  // namespace velmora::testing
