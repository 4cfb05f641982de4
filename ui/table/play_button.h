#pragma once
// One large button under the table for a play command ("Hit", with its key "H" in a
// small key cap). It carries out nothing itself: it is bound to the menu bar's action
// of its command, shows and enables itself exactly as that action is, and a click
// triggers that action.

#include <QAbstractButton>
#include <QPointer>

#include <functional>

class QAction;

namespace velmora {

class PlayButton : public QAbstractButton {
    Q_OBJECT

  public:
    PlayButton(QAction* action, const QString& caption, const QString& key,
               QWidget* parent = nullptr);

    QAction* Action() const { return action_; }
    QString Key() const { return key_; }
    // A tooltip worked out each time it is asked for; an empty one means the action's.
    void SetToolTipSource(std::function<QString()> source) { toolTip_ = std::move(source); }
    QString CurrentToolTip() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void Follow();

    QPointer<QAction> action_;
    QString key_;
    std::function<QString()> toolTip_;
};

}  // namespace velmora
