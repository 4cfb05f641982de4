#pragma once
// The exact analysis for the windows: worked out on a thread of its own, so no
// window ever waits for it, and kept by rules once worked out. Asking for something
// not known yet starts the work and returns nothing; a signal tells when it is
// there, and asking again then finds it. The worker keeps the last rules' model, so
// the return of another table under the same rules takes milliseconds.

#include <QObject>
#include <QThread>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "exact/exact_analysis.h"

namespace velmora {

class ExactService : public QObject {
    Q_OBJECT

  public:
    explicit ExactService(QObject* parent = nullptr);
    ~ExactService() override;

    // The best strategy for `rules` and its cells' worth; null while being worked out.
    const ExactAdvice* Advice(const ExactRules& rules);
    // The expected return of `table` under `rules`; empty while being worked out.
    std::optional<StrategyReturn> Return(const ExactRules& rules, const StrategyTable& table);
    // Whether work asked for is still under way (for tests).
    bool Busy() const { return pending_ > 0; }

  signals:
    void AdviceReady();
    void ReturnReady();

  private:
    class Worker;
    struct TableReturn {
        ExactRules rules;
        StrategyTable table;
        std::optional<StrategyReturn> value;  // empty while being worked out
    };

    void TakeAdvice(const ExactAdvice& advice);
    void TakeReturn(const ExactRules& rules, const StrategyTable& table, StrategyReturn value);

    QThread thread_;
    Worker* worker_;
    // Rules asked for, with their advice once worked out.
    std::vector<std::pair<ExactRules, std::unique_ptr<ExactAdvice>>> advice_;
    std::vector<TableReturn> returns_;  // the latest few tables asked about
    int pending_ = 0;
};

}  // namespace velmora
