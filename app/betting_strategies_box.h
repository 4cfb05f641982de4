#pragma once
// The betting-strategies box: the four betting strategies that the Betting and Rules
// Analysis measures side by side. It opens when an analysis starts (unless the player
// asked not to see it again) and from Help > About while the results are shown.

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmora {

class TBettingStrategiesBox : public QDialog {
    Q_OBJECT

public:
    explicit TBettingStrategiesBox(QWidget* parent = nullptr);

    static const QStringList& Lines();
    // Whether the box was closed with "Do Not Show This Screen Again".
    bool HideAgainChosen() const { return hideAgain_; }

    QLabel* Text;
    QPushButton* HideButton;  // "Do Not Show This Screen Again"
    QPushButton* OKButton;

private:
    bool hideAgain_ = false;
};

}  // namespace velmora
