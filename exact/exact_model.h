#pragma once
// The exact analysis of one set of rules: every up card's rounds worked out once,
// ready to weigh any strategy table in a fraction of a millisecond a column. The
// expensive part (the dealer's chances for every hand the player can hold) is done
// by the constructor.

#include <vector>

#include "exact/exact_rules.h"
#include "exact/hand_graph.h"
#include "exact/strategy_return.h"
#include "exact/table_moves.h"
#include "exact/up_card_column.h"
#include "strategy/strategy_table.h"

namespace velmora {

class ExactModel {
  public:
    explicit ExactModel(const ExactRules& rules);

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
