#include "app/betting_strategies_box.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

const QStringList& TBettingStrategiesBox::Lines() {
    static const QStringList lines = {
        " Conventional Betting Strategies:  ",
        "   #1: Use Trelane playing strategy, ",
        "         Always bet table minimum",
        "   #2: Conventional card count (2 to 6 = +1, 10 & Ace = -1) ",
        "         Bet low with - count, high with + count",
        "",
        " Trelane Betting Strategies:",
        "   #3: with Simple card count (5 = +1, Ace + -1) ",
        "   #4: with Conventional card count ",
        "        ",
        " To review this screen, select \"Help - About VLM\"  ",
    };
    return lines;
}

TBettingStrategiesBox::TBettingStrategiesBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TBettingStrategiesBox");
    setWindowTitle("Betting Stategies");
    setModal(true);

    // The lines are indented with blanks, so they are set in a fixed-pitch font where
    // every blank has the width of a letter.
    Text = new QLabel(Lines().join('\n'), this);
    Text->setObjectName("Text");
    Text->setTextFormat(Qt::PlainText);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(std::max(fixed.pointSize(), 10));
    Text->setFont(fixed);

    HideButton = new QPushButton("Do Not Show This Screen Again", this);
    HideButton->setObjectName("HideButton");
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(HideButton);
    buttons->addWidget(OKButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(Text);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(HideButton, &QPushButton::clicked, this, [this] {
        hideAgain_ = true;
        accept();
    });
}

}  // namespace velmora
