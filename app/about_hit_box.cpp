#include "app/about_hit_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

const QStringList& TAboutHitBox::Lines() {
    static const QStringList lines = {
        "To place a Bet, click on one of your chips or drag a chip from your stack.  You may "
        "also click on the screen to bet the same as your last bet.  To bet 2x your previous "
        "bet, double click on the \"Bet Box\".  Place a bet on the left \"Bet Box\" to play 2 "
        "hands.",
        "To Hit (take an additional card), click on your hand.",
        "To Stand, click the left mouse button on the dealer's down card.",
        "To Split a pair, drag the second card left or right, or place an additional chip "
        "next to your original bet.",
        "To Double Down, drag another chip from your pile and place it next to your original "
        "bet, or click on your original bet.",
        "To Surrender (if offered), drag your bet up or to the right.",
        "To change color (exchange a chip for lower denominations, or change chips for a "
        "higher denomination), drag the chip up to the dealer. ",
    };
    return lines;
}

TAboutHitBox::TAboutHitBox(std::function<void()> onOk, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      onOk_(std::move(onOk)) {
    setObjectName("TAboutHitBox");
    setWindowTitle("Mouse Moves");
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(8);
    Heading = new QLabel("WITH YOUR MOUSE:", this);
    QFont bold = Heading->font();
    bold.setBold(true);
    Heading->setFont(bold);
    layout->addWidget(Heading);
    for (const QString& line : Lines()) {
        auto* label = new QLabel(line, this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setIndent(12);
        layout->addWidget(label);
    }
    OKButton = new QPushButton("&OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    layout->addSpacing(6);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    connect(OKButton, &QPushButton::clicked, this, &TAboutHitBox::OKButtonClick);
    setFixedWidth(520);
}

void TAboutHitBox::OKButtonClick() {
    if (onOk_) onOk_();
    accept();
}

}  // namespace velmora
