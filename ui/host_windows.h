#pragma once
// The windows the engine asks the host for, provided by the main window: the play
// commands of its menu bar, its child windows and the betting-strategies box.

#include <QPoint>

#include "engine/host.h"

namespace velmora {

class HostWindows {
public:
    virtual ~HostWindows() = default;

    virtual void ShowPlayCommand(PlayCommand command, bool visible) = 0;
    virtual void HidePlayCommands() = 0;
    virtual void RepaintMain() = 0;
    virtual TableDisplay* OpenTable() = 0;
    virtual void CloseTable() = 0;
    virtual ResultsDisplay* OpenResults() = 0;
    virtual void CloseResults() = 0;
    virtual void ShowBettingIntro() = 0;
    // A place on the table (its logical pixels, as the engine gives a box's corner)
    // on the screen, wherever the table window lies and however large it is drawn.
    virtual QPoint ScreenPointOfTable(int left, int top) { return QPoint(left, top); }
};

}  // namespace velmora
