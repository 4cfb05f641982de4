#pragma once
// The about box: the program's name, version and what it is for.

#include <QDialog>

class QPushButton;

namespace velmora {

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QPushButton* OKButton;
};

}  // namespace velmora
