#include "app/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TAboutBox");
    setWindowTitle("About VLM");
    setModal(true);

    auto* title = new QLabel("Velmora 32", this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel("Version 1.4", this);
    auto* text = new QLabel(
        "A blackjack game, trainer and simulator.\n\n"
        "Play at the table with the mouse, drill your decisions on the practice deck,\n"
        "watch the computer play by your strategy, or let the Betting and Rules\n"
        "Analysis play millions of hands and compare four betting strategies.\n\n"
        "Every move you make is judged against your own playing strategy,\n"
        "which you can edit under Options > Playing Strategy.",
        this);
    OKButton = new QPushButton("OK", this);
    OKButton->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addSpacing(10);
    layout->addWidget(text);
    layout->addSpacing(10);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace velmora
