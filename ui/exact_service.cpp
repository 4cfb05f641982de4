#include "ui/exact_service.h"

#include <algorithm>

namespace velmora {

namespace {

// Tables whose return is kept: the table in force and a few the player tried.
constexpr size_t kKeptReturns = 16;

}  // namespace

// Lives on the service's thread; works one request at a time, in the order asked.
class ExactService::Worker : public QObject {
  public:
    explicit Worker(ExactService& service) : service_(service) {}

    // A computation stopped because the service is going posts nothing back.
    void Advise(const ExactRules& rules) {
        try {
            const ExactAdvice advice = AdviseExactly(ModelFor(rules), &stop_);
            QMetaObject::invokeMethod(
                &service_, [s = &service_, advice] { s->TakeAdvice(advice); }, Qt::QueuedConnection);
        } catch (const ExactStopped&) {
        }
    }

    void WorkOutReturn(const ExactRules& rules, const StrategyTable& table) {
        try {
            const StrategyReturn value = ModelFor(rules).Return(table);
            QMetaObject::invokeMethod(
                &service_,
                [s = &service_, rules, table, value] { s->TakeReturn(rules, table, value); },
                Qt::QueuedConnection);
        } catch (const ExactStopped&) {
        }
    }

    // Set from the service's thread as it goes: the work under way ends at the next
    // up card instead of running to its end.
    std::atomic<bool> stop_{false};

  private:
    const ExactModel& ModelFor(const ExactRules& rules) {
        if (!model_ || !(model_->Rules() == rules)) {
            model_.reset();  // one model at a time: the old one goes first
            model_ = std::make_unique<ExactModel>(rules, &stop_);
        }
        return *model_;
    }

    ExactService& service_;
    std::unique_ptr<ExactModel> model_;
};

ExactService::ExactService(QObject* parent) : QObject(parent), worker_(new Worker(*this)) {
    thread_.setObjectName("ExactAnalysis");
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start(QThread::LowPriority);
}

ExactService::~ExactService() {
    // Work under way stops at its next up card; what it posts back is never delivered.
    worker_->stop_ = true;
    thread_.quit();
    thread_.wait();
}

const ExactAdvice* ExactService::Advice(const ExactRules& rules) {
    auto it = std::find_if(advice_.begin(), advice_.end(),
                           [&](const auto& entry) { return entry.first == rules; });
    if (it != advice_.end()) return it->second.get();
    advice_.emplace_back(rules, nullptr);
    ++pending_;
    QMetaObject::invokeMethod(
        worker_, [w = worker_, rules] { w->Advise(rules); }, Qt::QueuedConnection);
    return nullptr;
}

std::optional<StrategyReturn> ExactService::Return(const ExactRules& rules,
                                                   const StrategyTable& table) {
    auto it = std::find_if(returns_.begin(), returns_.end(), [&](const TableReturn& r) {
        return r.rules == rules && r.table == table;
    });
    if (it != returns_.end()) return it->value;
    if (returns_.size() >= kKeptReturns) returns_.erase(returns_.begin());
    returns_.push_back({rules, table, std::nullopt});
    ++pending_;
    QMetaObject::invokeMethod(
        worker_, [w = worker_, rules, table] { w->WorkOutReturn(rules, table); },
        Qt::QueuedConnection);
    return std::nullopt;
}

void ExactService::TakeAdvice(const ExactAdvice& advice) {
    --pending_;
    for (auto& [rules, known] : advice_)
        if (rules == advice.Rules) known = std::make_unique<ExactAdvice>(advice);
    emit AdviceReady();
}

void ExactService::TakeReturn(const ExactRules& rules, const StrategyTable& table,
                              StrategyReturn value) {
    --pending_;
    for (TableReturn& r : returns_)
        if (r.rules == rules && r.table == table) r.value = value;
    emit ReturnReady();
}

}  // namespace velmora
