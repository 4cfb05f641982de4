#pragma once
// The table window "CASINO BLACKJACK": a child of the main window filling its client
// area. It owns the table's rules object (the engine's TableDisplay), the widget that
// draws it, the animator that runs its motions in real time, the mouse that plays
// the table's gestures, and the strip of play buttons under the drawn table.

#include <QWidget>

#include <memory>
#include <vector>

#include "ui/table/play_button_strip.h"

namespace velmora {

struct Game;
class GestureMouse;
class QtAnimator;
class TableWidget;
class TPlayer;

class TableWindow : public QWidget {
    Q_OBJECT

  public:
    static constexpr char kCaption[] = "CASINO BLACKJACK";

    explicit TableWindow(Game& game, QWidget* parent = nullptr);
    ~TableWindow() override;

    TPlayer& Player() { return *player_; }
    TableWidget& Widget() { return *widget_; }
    QtAnimator& Animator() { return *animator_; }
    PlayButtonStrip& Buttons() { return *buttons_; }

    // The buttons under the table, bound to the menu bar's play commands. The Stand
    // button's tooltip says when a stand closes more than the hand the pointer marks.
    void BindPlayCommands(const std::vector<PlayButtonBinding>& bindings);

  private:
    TableWidget* widget_;
    PlayButtonStrip* buttons_;
    std::unique_ptr<QtAnimator> animator_;
    std::unique_ptr<TPlayer> player_;  // refers to the animator: goes first
    std::unique_ptr<GestureMouse> mouse_;
};

}  // namespace velmora
