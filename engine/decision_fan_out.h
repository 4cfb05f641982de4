#pragma once
// One report of the judged decisions handed on to every listener in the order they
// joined: the table's practice score and a decision history see the same events, so
// they always agree. The program plugs one of these into Game::Decisions.

#include <algorithm>
#include <vector>

#include "engine/decision_report.h"

namespace velmora {

class DecisionFanOut : public DecisionReport {
  public:
    void Add(DecisionReport* listener) {
        if (listener &&
            std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
            listeners_.push_back(listener);
    }
    void Remove(DecisionReport* listener) { std::erase(listeners_, listener); }

    void DecisionJudged(const JudgedDecision& decision) override {
        for (DecisionReport* listener : listeners_) listener->DecisionJudged(decision);
    }

  private:
    std::vector<DecisionReport*> listeners_;
};

}  // namespace velmora
