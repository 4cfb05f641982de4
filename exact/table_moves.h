#pragma once
// The move a strategy table makes for every hand the exact analysis meets, by up
// card, softness, total and the permissions the rules give the hand. The moves are
// asked of the game's own decision function, so the analysis plays a table
// exactly as the computer plays it: the rows it consults, hard and soft, the order
// of its questions and the rows it never reads.

#include <array>
#include <cstdint>

#include "strategy/strategy_table.h"

namespace velmora {

// Permissions of a hand, as bits.
enum MovePermission : int {
    kMaySplit = 1,
    kMayDouble = 2,
    kMaySurrender = 4,
};
constexpr int kPermissionSets = 8;

class TableMoves {
  public:
    // The moves of `table` against up cards `firstUp`..`lastUp` (card values 2..11);
    // the other columns stay unset.
    explicit TableMoves(const StrategyTable& table, int firstUp = 2, int lastUp = 11);

    // The action (kStand .. kSurrender) for a hand of `total` (2..21), soft or hard,
    // with `permissions` (MovePermission bits) against up card `up` (2..11).
    uint8_t Move(int up, bool soft, int total, int permissions) const {
        return moves_[static_cast<size_t>(up)][soft][static_cast<size_t>(total)]
                     [static_cast<size_t>(permissions)];
    }

  private:
    std::array<std::array<std::array<std::array<uint8_t, kPermissionSets>, 22>, 2>, 12> moves_{};
};

}  // namespace velmora
