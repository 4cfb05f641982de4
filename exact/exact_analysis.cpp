#include "exact/exact_analysis.h"

#include "exact/best_strategy.h"

namespace velmora {

double ExactAdvice::FlipCost(int code, int up) const {
    if (up < 2 || up > 11) return 0;
    for (size_t i = 0; i < kEditorRows.size(); ++i)
        if (kEditorRows[i].code == code) return FlipCostPercent[i][static_cast<size_t>(up)];
    return 0;
}

ExactAdvice AdviseExactly(const ExactModel& model, const std::atomic<bool>* stop) {
    ExactAdvice advice;
    advice.Rules = model.Rules();
    advice.Best = BestStrategy(model);
    advice.BestReturn = model.Return(advice.Best);
    for (int up = 2; up <= 11; ++up) {
        if (StopAsked(stop)) throw ExactStopped{};
        const double chance = model.UpCardChance(up);
        if (chance == 0) continue;
        const double best = model.Column(TableMoves(advice.Best, up, up), up).Net;
        for (size_t i = 0; i < kEditorRows.size(); ++i) {
            const int code = kEditorRows[i].code;
            StrategyTable flipped = advice.Best;
            flipped.SetCell(code, up, !advice.Best.Cell(code, up));
            const double lost = best - model.Column(TableMoves(flipped, up, up), up).Net;
            advice.FlipCostPercent[i][static_cast<size_t>(up)] = 100 * chance * lost;
        }
    }
    return advice;
}

std::vector<CellCost> CellCosts(const ExactAdvice& advice, const StrategyTable& table) {
    std::vector<CellCost> costs;
    for (size_t i = 0; i < kEditorRows.size(); ++i) {
        const int code = kEditorRows[i].code;
        for (int up = 2; up <= 11; ++up) {
            const bool takes = table.Cell(code, up) != 0;
            const double cost = advice.FlipCostPercent[i][static_cast<size_t>(up)];
            // A cell never read under the rules costs nothing and is left out.
            if (takes == (advice.Best.Cell(code, up) != 0) || cost == 0) continue;
            costs.push_back({code, up, takes, cost});
        }
    }
    return costs;
}

ExactAnalysis AnalyseTable(const ExactModel& model, const ExactAdvice& advice,
                           const StrategyTable& table) {
    ExactAnalysis a;
    a.Best = advice.Best;
    a.TableReturn = model.Return(table);
    a.BestReturn = advice.BestReturn;
    a.Differences = CellCosts(advice, table);
    return a;
}

}  // namespace velmora
