#include "engine/play_commands.h"

#include "engine/game.h"

namespace velmora {

void ChoosePlayCommand(Game& g, PlayCommand command) {
    // A command only names the move. The round judges it and, unless it is a practice
    // decision, carries it out: only then do chips move for a double or a surrender.
    switch (command) {
        case PlayCommand::Stand:
            g.PlayerAction = kStand;
            break;
        case PlayCommand::Hit:
            g.PlayerAction = kHit;
            break;
        case PlayCommand::Double:
            g.PlayerAction = kDouble;
            break;
        case PlayCommand::Split:
            g.PlayerAction = kSplit;
            break;
        case PlayCommand::Surrender:
            g.PlayerAction = kSurrender;
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
