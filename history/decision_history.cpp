#include "history/decision_history.h"

#include <chrono>
#include <utility>

#include "engine/game.h"
#include "history/digest.h"
#include "history/history_writer.h"
#include "history/mistake_cost.h"

namespace velmora {

namespace {

int64_t SystemClockMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

DecisionHistory::DecisionHistory(const Game& game, HistoryWriter* writer,
                                 std::function<int64_t()> clockMs, uint64_t seed)
    : game_(game), writer_(writer), clockMs_(std::move(clockMs)), random_(seed) {}

DecisionHistory::DecisionHistory(const Game& game, HistoryWriter* writer)
    : DecisionHistory(game, writer, SystemClockMs, static_cast<uint64_t>(SystemClockMs())) {}

DecisionRecord DecisionHistory::RecordOf(const JudgedDecision& d) const {
    DecisionRecord r;
    r.atMs = clockMs_();
    r.day = LocalDay(r.atMs);
    r.mode = game_.DrillMode ? kDrillMode : (d.practice ? kPracticeMode : kNormalMode);
    r.rules = RulesDigest(game_.Options);
    r.strategy = StrategyDigest(game_.Strategy);
    r.cls = ClassOf(d, game_.Strategy);
    r.pair = d.pair;
    r.hand = d.hand;
    r.upCard = d.upCard;
    r.taken = d.taken;
    r.asked = d.asked;
    r.advice = d.adviceCode;
    if (cost_) r.cost = cost_->CostOf(game_, d);
    return r;
}

void DecisionHistory::DecisionJudged(const JudgedDecision& d) {
    DecisionRecord r = RecordOf(d);
    if (scheduleLoaded_) schedule_.Learn({r.cls, r.upCard}, r.Right());
    if (writer_) writer_->Add(std::move(r));
}

DrillSchedule& DecisionHistory::Schedule() {
    if (!scheduleLoaded_) {
        scheduleLoaded_ = true;
        if (writer_) {
            const auto outcomes =
                writer_->Read([](HistoryStore& s) { return s.Outcomes(kDrillMemory); });
            if (outcomes)
                for (const CellOutcome& o : *outcomes) schedule_.Learn({o.cls, o.upCard}, o.right);
        }
    }
    return schedule_;
}

std::optional<DrillCase> DecisionHistory::NextCase(const Game& game) {
    const DrillCell cell = Schedule().Choose(game.Options, random_.Next());
    const auto cards = TwoCardsFor(cell.cls, random_.Next());
    if (!cards) return std::nullopt;
    // Either card may come first, as at a real table.
    if (random_.Next() & 1) return DrillCase{cards->second, cards->first, cell.upCard};
    return DrillCase{cards->first, cards->second, cell.upCard};
}

}  // namespace velmora
