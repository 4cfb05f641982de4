#include "exact/best_strategy.h"

#include <array>

#include "strategy/editor_rows.h"

namespace velmora {

namespace {

// Hit rows from the highest total down (a hit leads to higher totals, whose rows
// are then settled already), soft after hard (a soft hand that hits may turn hard),
// then the first-two-card rows. Row 517 is edited but never read in play.
constexpr std::array<int, 34> kSearchOrder = {
    216, 215, 214, 213, 212, 218, 217,                           // hit
    311, 310, 309, 308, 307, 319, 318, 317, 316, 315, 314, 313,  // double down
    516, 515, 514, 513, 512,                                     // surrender
    422, 420, 418, 416, 414, 412, 410, 408, 406, 404,            // split
};
constexpr int kMostSweeps = 8;

void SetMarks(StrategyTable& table, int code) {
    int set = 0;
    for (int up = 2; up <= 11; ++up) set += table.Cell(code, up);
    table.SetCell(code, kAlwaysMark, set == 10);
    table.SetCell(code, kNeverMark, set == 0);
}

void OptimiseColumn(const ExactModel& model, StrategyTable& table, int up) {
    auto net = [&] { return model.Column(TableMoves(table, up, up), up).Net; };
    double current = net();
    for (int sweep = 0; sweep < kMostSweeps; ++sweep) {
        bool changed = false;
        for (int code : kSearchOrder) {
            const bool was = table.Cell(code, up) != 0;
            table.SetCell(code, up, !was);
            const double flipped = net();
            // Taking the action must gain; on a tie the cell stays clear.
            const bool better = was ? flipped >= current : flipped > current;
            if (better) {
                current = flipped;
                changed = true;
            } else {
                table.SetCell(code, up, was);
            }
        }
        if (!changed) break;
    }
}

}  // namespace

StrategyTable BestStrategy(const ExactModel& model) {
    StrategyTable table;
    // The rows the editor does not show stay as the presets write them.
    ResetStrategyToDefault(table);
    for (const EditorRow& hc : kEditorRows) table.ClearRow(hc.code);
    for (int up = 2; up <= 11; ++up)
        if (model.UpCardChance(up) > 0) OptimiseColumn(model, table, up);
    for (const EditorRow& hc : kEditorRows) SetMarks(table, hc.code);
    return table;
}

}  // namespace velmora
