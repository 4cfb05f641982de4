#include "ui/settings/prefer_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr int kExitWidth = 105;
constexpr int kExitHeight = 33;
constexpr int kBarWidth = 345;
constexpr char kProcessorScale[] = "      386      |      486       |            Pentium        ";

// The preference boxes CheckBox1..CheckBox4 in the order the group shows them.
struct PreferenceBox {
    int box;
    const char* caption;
};
constexpr PreferenceBox kPreferenceBoxes[] = {
    {PrefsEditor::kSoundBox, "Sound On"},
    {PrefsEditor::kAdviceBox, "Advice On"},
    {PrefsEditor::kMinimumBox, "Always Bet Table Minimum"},
    {PrefsEditor::kTwoHandsBox, "Bet 2 Hands"},
};

QLabel* NewText(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

TPreferForm::TPreferForm(Game& game, QWidget* parent)
    : SettingsChildWindow(parent), editor_(game, *this) {
    setObjectName("TPreferForm");
    setWindowTitle("Player Preferences");
    setFont(SansSerifFont());

    Panel2 = NewPanel(this, "Panel2");
    BuildSpeedPanel();
    BuildPreferences();
    ExitButton = new QPushButton("E&xit", Panel2);
    ExitButton->setObjectName("ExitButton");
    ExitButton->setFont(SystemFont());
    ExitButton->setMinimumSize(kExitWidth, kExitHeight);

    auto* column = new QVBoxLayout(Panel2);
    column->setContentsMargins(0, 0, 0, 16);
    column->setSpacing(24);
    column->addWidget(Panel1);
    column->addWidget(GroupBox2, 0, Qt::AlignHCenter);
    column->addWidget(ExitButton, 0, Qt::AlignHCenter);
    SetContent(Panel2);

    // The design's states are in place: the bar at its start, nothing ticked. From
    // here on every change runs a handler.
    Connect();
}

void TPreferForm::BuildSpeedPanel() {
    Panel1 = NewPanel(Panel2, "Panel1");
    Edit2 = NewText(Panel1, "Edit2", "  Set Computer Speed (for Animation)");
    Edit2->setAlignment(Qt::AlignCenter);
    Edit1 = NewText(Panel1, "Edit1", kProcessorScale);
    // The scale sits on a strip of the scroll bar's colour, right over the bar.
    Edit1->setAutoFillBackground(true);
    Edit1->setBackgroundRole(QPalette::Midlight);
    Edit1->setAlignment(Qt::AlignCenter);

    ScrollBar1 = new QScrollBar(Qt::Horizontal, Panel1);
    ScrollBar1->setObjectName("ScrollBar1");
    ScrollBar1->setRange(PrefsEditor::kBarMinimum, PrefsEditor::kBarMaximum);
    ScrollBar1->setSingleStep(PrefsEditor::kBarSmallStep);
    ScrollBar1->setPageStep(PrefsEditor::kBarLargeStep);
    ScrollBar1->setValue(PrefsEditor::kBarStart);
    ScrollBar1->setMinimumWidth(kBarWidth);

    Edit3 = NewText(Panel1, "Edit3", "< Faster Animation");
    Edit4 = NewText(Panel1, "Edit4", " Slower Animation >");

    auto* grid = new QGridLayout(Panel1);
    grid->setContentsMargins(16, 12, 16, 10);
    grid->setVerticalSpacing(6);
    grid->addWidget(Edit2, 0, 0, 1, 2);
    grid->addWidget(Edit1, 1, 0, 1, 2);
    grid->addWidget(ScrollBar1, 2, 0, 1, 2);
    grid->addWidget(Edit3, 3, 0, Qt::AlignLeft);
    grid->addWidget(Edit4, 3, 1, Qt::AlignRight);
}

void TPreferForm::BuildPreferences() {
    GroupBox2 = new QGroupBox("Game Preferences", Panel2);
    GroupBox2->setObjectName("GroupBox2");
    // The group's font, which its boxes take too.
    GroupBox2->setFont(SystemFont());
    auto* column = new QVBoxLayout(GroupBox2);
    column->setContentsMargins(16, 12, 24, 12);
    column->setSpacing(14);
    for (const PreferenceBox& preference : kPreferenceBoxes) {
        auto* box = new QCheckBox(preference.caption, GroupBox2);
        box->setObjectName(QString("CheckBox%1").arg(preference.box));
        column->addWidget(box);
        checkBoxes_[static_cast<size_t>(preference.box)] = box;
    }
}

void TPreferForm::Connect() {
    // The handlers hang on the change of state, which the set-up's own changes make too.
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this] { editor_.ScrollBar1Change(); });
    for (int box = 1; box <= PrefsEditor::kPreferenceBoxes; ++box)
        connect(CheckBox(box), &QCheckBox::toggled, this, [this] { editor_.PreferenceBoxClick(); });
    connect(ExitButton, &QPushButton::clicked, this, [this] { editor_.ExitButtonClick(); });
}

int TPreferForm::Position() const {
    return ScrollBar1->value();
}

void TPreferForm::SetPosition(int position) {
    ScrollBar1->setValue(position);
}

bool TPreferForm::Ticked(int box) const {
    return CheckBox(box)->isChecked();
}

void TPreferForm::SetTicked(int box, bool ticked) {
    CheckBox(box)->setChecked(ticked);
}

void TPreferForm::SetExitCaption(std::string_view caption) {
    ExitButton->setText(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
}

}  // namespace velmora
