#pragma once
// The exact analysis of one set of rules: every up card's rounds worked out once,
// ready to weigh any strategy table in a fraction of a millisecond a column. The
// expensive part (the dealer's chances for every hand the player can hold) is done
// by the constructor.

#include <atomic>
#include <vector>

#include "exact/exact_rules.h"
#include "exact/hand_graph.h"
#include "exact/strategy_return.h"
#include "exact/table_moves.h"
#include "exact/up_card_column.h"
#include "strategy/strategy_table.h"

namespace velmora {

// Thrown out of a long exact computation asked to stop (its window went away).
struct ExactStopped {};

// True once `stop` (when given) asks the computation to end.
inline bool StopAsked(const std::atomic<bool>* stop) {
    return stop && stop->load(std::memory_order_relaxed);
}

class ExactModel {
  public:
    // `stop`, when given, is looked at between the up cards: once set, the
    // constructor throws ExactStopped.
    explicit ExactModel(const ExactRules& rules, const std::atomic<bool>* stop = nullptr);

    const ExactRules& Rules() const { return rules_; }

    StrategyReturn Return(const StrategyTable& table) const;
    // The rounds with up card `up` (a card value, 2..11) alone, not weighted by its chance.
    ColumnReturn Column(const TableMoves& moves, int up) const;
    // The chance that the dealer's up card has value `up` (2..11).
    double UpCardChance(int up) const;

  private:
    ExactRules rules_;
    HandGraph graph_;
    std::vector<UpCardColumn> columns_;  // by rank 1..10
};

}  // namespace velmora
