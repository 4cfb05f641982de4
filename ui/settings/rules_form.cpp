#include "ui/settings/rules_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr int kExitWidth = 105;
constexpr int kExitHeight = 33;

// The rule boxes CheckBox1..CheckBox5 in the order the group shows them.
struct RuleBox {
    int box;
    const char* caption;
};
constexpr RuleBox kRuleBoxes[] = {
    {RulesEditor::kDoubleAnyBox, "Double Any Hand (or only 10 && 11)"},
    {RulesEditor::kDoubleAfterSplitBox, "Double After Split"},
    {RulesEditor::kResplitBox, "Re-Split a Split Hand"},
    {RulesEditor::kSurrenderBox, "Surrender Allowed"},
    {RulesEditor::kSoft17Box, "Dealer Hits Soft 17"},
};

}  // namespace

TRulesForm::TRulesForm(Game& game, QWidget* parent)
    : SettingsChildWindow(parent), editor_(game, *this) {
    setObjectName("TRulesForm");
    setWindowTitle("CASINO RULES");
    setFont(SystemFont());

    Panel1 = NewPanel(this, "Panel1");
    BuildRuleBoxes();
    RadioGroup1 = NewRadioGroup(RulesEditor::kDecksGroup, "RadioGroup1", "Card Decks",
                                {"1 Deck", "2 Decks", "4 Decks", "6 Decks", "8 Decks"});
    RadioGroup3 = NewRadioGroup(RulesEditor::kPenetrationGroup, "RadioGroup3", "Deck Penetration",
                                {"Deal 1/2 deck(s)", "Deal 3/4 deck(s)"});
    RadioGroup2 = NewRadioGroup(RulesEditor::kMinimumGroup, "RadioGroup2", "Table Minimum",
                                {"$5", "$25", "$100"});
    // The caption the design gives; the set-up replaces it.
    ExitButton = new QPushButton("E&xit ", Panel1);
    ExitButton->setObjectName("ExitButton");
    ExitButton->setMinimumSize(kExitWidth, kExitHeight);

    auto* grid = new QGridLayout(Panel1);
    grid->setContentsMargins(24, 16, 16, 16);
    grid->setHorizontalSpacing(23);
    grid->setVerticalSpacing(14);
    grid->addWidget(GroupBox1, 0, 0, 2, 1);
    grid->addWidget(RadioGroup1, 0, 1, 2, 1);
    grid->addWidget(RadioGroup3, 0, 2);
    grid->addWidget(RadioGroup2, 1, 2);
    grid->addWidget(ExitButton, 2, 0, 1, 3, Qt::AlignHCenter);
    SetContent(Panel1);

    // The design's states are in place: nothing selected, nothing ticked. From here
    // on every change runs a handler.
    Connect();
}

QGroupBox* TRulesForm::NewRadioGroup(int group, const char* name, const char* title,
                                     std::initializer_list<const char*> items) {
    auto* frame = new QGroupBox(title, Panel1);
    frame->setObjectName(name);
    auto* column = new QVBoxLayout(frame);
    auto* buttons = new QButtonGroup(frame);
    buttons->setExclusive(true);
    int index = 0;
    for (const char* caption : items) {
        auto* item = new QRadioButton(caption, frame);
        item->setObjectName(QString("%1Item%2").arg(name).arg(index));
        buttons->addButton(item, index++);
        column->addWidget(item);
    }
    column->addStretch(1);
    groups_[static_cast<size_t>(group)] = buttons;
    return frame;
}

void TRulesForm::BuildRuleBoxes() {
    GroupBox1 = new QGroupBox("Casino Rules", Panel1);
    GroupBox1->setObjectName("GroupBox1");
    auto* column = new QVBoxLayout(GroupBox1);
    column->setContentsMargins(12, 12, 12, 12);
    for (const RuleBox& rule : kRuleBoxes) {
        auto* box = new QCheckBox(rule.caption, GroupBox1);
        box->setObjectName(QString("CheckBox%1").arg(rule.box));
        column->addWidget(box);
        column->addStretch(1);
        checkBoxes_[static_cast<size_t>(rule.box)] = box;
    }
}

void TRulesForm::Connect() {
    // The handlers hang on the change of state, which the set-up's own changes make
    // too; an item that loses the selection runs nothing.
    const auto onSelect = [this](int group, void (RulesEditor::*handler)()) {
        for (QAbstractButton* item : groups_[static_cast<size_t>(group)]->buttons())
            connect(item, &QAbstractButton::toggled, this, [this, handler](bool selected) {
                if (selected) (editor_.*handler)();
            });
    };
    onSelect(RulesEditor::kDecksGroup, &RulesEditor::RadioGroup1Click);
    onSelect(RulesEditor::kMinimumGroup, &RulesEditor::RadioGroup2Click);
    onSelect(RulesEditor::kPenetrationGroup, &RulesEditor::RadioGroup3Click);
    for (int box = 1; box <= RulesEditor::kRuleBoxes; ++box)
        connect(CheckBox(box), &QCheckBox::toggled, this, [this] { editor_.RuleBoxClick(); });
    connect(ExitButton, &QPushButton::clicked, this, [this] { editor_.ExitButtonClick(); });
}

QRadioButton* TRulesForm::Item(int group, int index) const {
    return qobject_cast<QRadioButton*>(groups_[static_cast<size_t>(group)]->button(index));
}

int TRulesForm::ItemIndex(int group) const {
    const int id = groups_[static_cast<size_t>(group)]->checkedId();
    return id < 0 ? RulesEditor::kNoItem : id;
}

void TRulesForm::SetItemIndex(int group, int index) {
    if (QRadioButton* item = Item(group, index)) item->setChecked(true);
}

bool TRulesForm::Ticked(int box) const {
    return CheckBox(box)->isChecked();
}

void TRulesForm::SetTicked(int box, bool ticked) {
    CheckBox(box)->setChecked(ticked);
}

void TRulesForm::SetExitCaption(std::string_view caption) {
    ExitButton->setText(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
}

}  // namespace velmora
