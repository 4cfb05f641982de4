#include "engine/play_commands.h"

#include "engine/game.h"

namespace velmora {

void ChoosePlayCommand(Game& g, PlayCommand command) {
    switch (command) {
        case PlayCommand::Stand:
            if (IsPlayerHand(g.ActiveHand)) g.Hand(g.ActiveHand).Finished = true;
            g.PlayerAction = kStand;
            break;
        case PlayCommand::Hit:
            g.PlayerAction = kHit;
            break;
        case PlayCommand::Double:
            g.PlayerAction = kDouble;
            if (TableDisplay* table = g.ShownTable()) table->ShowDoubledBet(g.ActiveHand);
            break;
        case PlayCommand::Split:
            g.PlayerAction = kSplit;
            break;
        case PlayCommand::Surrender:
            g.PlayerAction = kSurrender;
            if (TableDisplay* table = g.ShownTable()) table->RefundSurrender();
            return;
        case PlayCommand::Hint:
            g.PlayerAction = kHint;
            return;  // the wait goes on
        case PlayCommand::Bet:
            if (TableDisplay* table = g.ShownTable()) table->ConfirmBet();
            g.host.ShowPlayCommand(PlayCommand::Bet, false);
            return;
    }
    g.host.HidePlayCommands();
}

}  // namespace velmora
