#pragma once
// What the strategy editor's "Show My Mistakes" shows: for each cell of the
// editor's rows how often the player got it wrong, the row's totals, and the
// tooltip texts. Cells never played are not in the map.

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "history/history_store.h"

namespace velmora {

struct MistakeCount {
    int64_t played = 0;
    int64_t wrong = 0;
    std::optional<double> costEach;  // in bets

    double WrongShare() const { return played > 0 ? static_cast<double>(wrong) / played : 0; }
};

class MistakeMap {
  public:
    MistakeMap() = default;
    explicit MistakeMap(const std::vector<CellStats>& cells);

    // The cell of row `row` against up card `up`; nothing when never played.
    std::optional<MistakeCount> Cell(int row, int up) const;
    // All cells of the row added up; nothing when none was played.
    std::optional<MistakeCount> Row(int row) const;

  private:
    std::map<std::pair<int, int>, MistakeCount> cells_;
    std::map<int, MistakeCount> rows_;
};

// "Wrong 12 of 40 times", and "; cost 0.8 % of the bet each" where the cost is known.
std::string MistakeTip(const MistakeCount& count);

}  // namespace velmora
