#include "exact/table_moves.h"

#include <cassert>

#include "engine/game.h"
#include "engine/headless_host.h"
#include "strategy/decision.h"

namespace velmora {

TableMoves::TableMoves(const StrategyTable& table, int firstUp, int lastUp) {
    assert(firstUp >= 2 && lastUp <= 11);
    HeadlessHost host;
    Game game(host);
    game.Strategy = table;
    THand& hand = game.Hand(1);
    for (int up = firstUp; up <= lastUp; ++up)
        for (int soft = 0; soft <= 1; ++soft)
            for (int total = 2; total <= 21; ++total)
                for (int p = 0; p < kPermissionSets; ++p) {
                    // The decision reads the hand's softness and permissions only; the
                    // total is its argument. A computer's move is judged against nothing.
                    hand.SoftAce = soft ? 1 : 0;
                    hand.CanSplit = (p & kMaySplit) != 0;
                    hand.CanDouble = (p & kMayDouble) != 0;
                    hand.CanSurrender = (p & kMaySurrender) != 0;
                    const StrategyMove move = StrategyMoveFor(game, 1, up, total, kNoAction);
                    moves_[static_cast<size_t>(up)][static_cast<size_t>(soft)]
                          [static_cast<size_t>(total)][static_cast<size_t>(p)] =
                              static_cast<uint8_t>(move.action);
                }
}

}  // namespace velmora
