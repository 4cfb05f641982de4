#pragma once
// The "Mouse Moves" box: how the mouse places bets and plays the hands. It comes up by
// itself on the very first start; its OK button marks the first start as done and
// writes the options file, so it does not come up again.

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace velmora {

class TAboutHitBox : public QDialog {
    Q_OBJECT

public:
    // `onOk` runs when the OK button closes the box.
    explicit TAboutHitBox(std::function<void()> onOk, QWidget* parent = nullptr);

    static const QStringList& Lines();

    QLabel* Heading;
    QPushButton* OKButton;

private:
    void OKButtonClick();
    std::function<void()> onOk_;
};

}  // namespace velmora
