#include "exact/exact_model.h"

namespace velmora {

ExactModel::ExactModel(const ExactRules& rules, const std::atomic<bool>* stop)
    : rules_(rules), graph_(rules.Shoe) {
    columns_.reserve(kRanks);
    for (int up = 1; up <= kRanks; ++up) {
        if (StopAsked(stop)) throw ExactStopped{};
        columns_.emplace_back(graph_, rules_, up);
    }
}

ColumnReturn ExactModel::Column(const TableMoves& moves, int up) const {
    return columns_[static_cast<size_t>(RankOfValue(up) - 1)].Evaluate(moves);
}

double ExactModel::UpCardChance(int up) const {
    return static_cast<double>(rules_.Shoe[RankOfValue(up)]) / rules_.Shoe.Total();
}

StrategyReturn ExactModel::Return(const StrategyTable& table) const {
    const TableMoves moves(table);
    StrategyReturn out;
    for (int up = 2; up <= 11; ++up) {
        const double chance = UpCardChance(up);
        if (chance == 0) continue;
        const ColumnReturn c = Column(moves, up);
        out.Net += chance * c.Net;
        out.Staked += chance * c.Staked;
    }
    return out;
}

}  // namespace velmora
