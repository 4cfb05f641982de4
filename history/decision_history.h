#pragma once
// The player's judged moves as the program keeps them: each move the engine
// reports becomes a record (time, mode, rules and strategy digests, hand class, up
// card, the two moves, the cost where known) handed to the writer, and a step of
// the drill's schedule. It is also the drill's source of cases.

#include <cstdint>
#include <functional>
#include <optional>

#include "engine/decision_report.h"
#include "engine/drill_cases.h"
#include "engine/random.h"
#include "history/decision_record.h"
#include "history/drill_schedule.h"

namespace velmora {

struct Game;
class HistoryWriter;
class MistakeCost;

class DecisionHistory : public DecisionReport, public DrillCases {
  public:
    // How many of the latest moves the drill's schedule is built from.
    static constexpr int64_t kDrillMemory = 20000;

    // `writer` may be null (no history kept); `clockMs` gives milliseconds since 1970.
    DecisionHistory(const Game& game, HistoryWriter* writer, std::function<int64_t()> clockMs,
                    uint64_t seed);
    DecisionHistory(const Game& game, HistoryWriter* writer);

    // What a move costs against the best play; without one the cost is kept empty.
    void SetCost(MistakeCost* cost) { cost_ = cost; }

    DecisionRecord RecordOf(const JudgedDecision& decision) const;

    // DecisionReport.
    void DecisionJudged(const JudgedDecision& decision) override;
    // DrillCases: the schedule's next cell as two cards and an up card.
    std::optional<DrillCase> NextCase(const Game& game) override;

    // The schedule, built from the history at the first use.
    DrillSchedule& Schedule();
    // After the history was cleared: the schedule is built again at its next use.
    void ForgetSchedule() {
        schedule_ = DrillSchedule();
        scheduleLoaded_ = false;
    }

  private:
    const Game& game_;
    HistoryWriter* writer_;
    MistakeCost* cost_ = nullptr;
    std::function<int64_t()> clockMs_;
    Xoshiro256 random_;
    DrillSchedule schedule_;
    bool scheduleLoaded_ = false;
};

}  // namespace velmora
