#include "exact/exact_analysis.h"

#include "strategy/hand_classes.h"

namespace velmora {

std::vector<CellCost> CellCosts(const ExactModel& model, const StrategyTable& best,
                                const StrategyTable& table) {
    std::vector<CellCost> costs;
    double bestNet[12] = {};
    bool known[12] = {};
    for (const HandClass& hc : kHandClasses) {
        for (int up = 2; up <= 11; ++up) {
            const bool takes = table.Cell(hc.code, up) != 0;
            if (takes == (best.Cell(hc.code, up) != 0)) continue;
            const double chance = model.UpCardChance(up);
            if (chance == 0) continue;
            if (!known[up]) bestNet[up] = model.Column(TableMoves(best, up, up), up).Net;
            known[up] = true;
            StrategyTable changed = best;
            changed.SetCell(hc.code, up, takes);
            const double lost = bestNet[up] - model.Column(TableMoves(changed, up, up), up).Net;
            if (lost == 0) continue;  // never read under these rules
            costs.push_back({hc.code, up, takes, 100 * chance * lost});
        }
    }
    return costs;
}

ExactAnalysis AnalyseTable(const ExactModel& model, const StrategyTable& best,
                           const StrategyTable& table) {
    ExactAnalysis a;
    a.Best = best;
    a.TableReturn = model.Return(table);
    a.BestReturn = model.Return(best);
    a.Differences = CellCosts(model, best, table);
    return a;
}

}  // namespace velmora
