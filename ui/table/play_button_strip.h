#pragma once
// The strip of play buttons under the drawn table: Bet, Hit, Stand, Double, Split,
// Surrender and Hint, each bound to the menu bar's action of its command (PlayButton).
// Each button keeps its own place, so a hand finds Hit where it was; the strip lies in
// the band the table widget keeps free under its canvas and is scaled with it. The
// mouse on the strip between buttons goes to the table beneath.

#include <QWidget>

#include <vector>

#include "engine/host.h"

class QAction;

namespace velmora {

class PlayButton;

struct PlayButtonBinding {
    PlayCommand command;
    QAction* action;  // the menu bar's item of the command
    QString caption;  // "Hit"
    QString key;      // "H"
};

class PlayButtonStrip : public QWidget {
    Q_OBJECT

  public:
    // The band under the canvas, in the canvas's logical pixels.
    static constexpr int kLogicalHeight = 40;

    explicit PlayButtonStrip(QWidget* parent = nullptr);

    // One button per binding, left to right (any earlier ones go).
    void Bind(const std::vector<PlayButtonBinding>& bindings);
    PlayButton* Button(PlayCommand command) const;
    // Places the strip over `area` of its parent, the canvas drawn at `scale`.
    void Place(const QRect& area, double scale);

  private:
    void Arrange();

    std::vector<std::pair<PlayCommand, PlayButton*>> buttons_;
    double scale_ = 1;
};

}  // namespace velmora
