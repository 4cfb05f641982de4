#pragma once
// The table window "CASINO BLACKJACK": a child of the main window filling its client
// area. It owns the table's rules object (the engine's TableDisplay), the widget that
// draws it and the animator that runs its motions in real time.

#include <QWidget>

#include <memory>

namespace velmora {

struct Game;
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

  private:
    TableWidget* widget_;
    std::unique_ptr<QtAnimator> animator_;
    std::unique_ptr<TPlayer> player_;  // refers to the animator: goes first
};

}  // namespace velmora
