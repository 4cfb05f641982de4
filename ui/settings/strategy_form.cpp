#include "ui/settings/strategy_form.h"

#include "history/history_writer.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

// The hand classes by column: split, double down, hit, surrender. Each button
// stands for one row of the strategy table.
struct ClassButtonSpec {
    const char* name;
    const char* caption;
    int code;
    int column;
};

constexpr ClassButtonSpec kHandClassTable[TStrategyForm::kHandClasses] = {
    {"B2", "2's", 404, 0},      {"B3", "3's", 406, 0},      {"B4", "4's", 408, 0},
    {"B5", "5's", 410, 0},      {"B6", "6's", 412, 0},      {"B7", "7's", 414, 0},
    {"B8", "8's", 416, 0},      {"B9", "9's", 418, 0},      {"B10", "10's", 420, 0},
    {"B1", "Aces", 422, 0},     {"B11", "Hard 7", 307, 1},  {"B12", "Hard 8", 308, 1},
    {"B13", "Hard 9", 309, 1},  {"B14", "Hard 10", 310, 1}, {"B15", "Hard 11", 311, 1},
    {"B16", "Soft 13", 313, 1}, {"B17", "Soft 14", 314, 1}, {"B18", "Soft 15", 315, 1},
    {"B19", "Soft 16", 316, 1}, {"B20", "Soft 17", 317, 1}, {"B21", "Soft 18", 318, 1},
    {"B22", "Soft 19", 319, 1}, {"B23", "Hard 12", 212, 2}, {"B24", "Hard 13", 213, 2},
    {"B25", "Hard 14", 214, 2}, {"B26", "Hard 15", 215, 2}, {"B27", "Hard 16", 216, 2},
    {"B28", "Soft 17", 217, 2}, {"B29", "Soft 18", 218, 2}, {"b30", "Hard 12", 512, 3},
    {"b31", "Hard 13", 513, 3}, {"b32", "Hard 14", 514, 3}, {"b33", "Hard 15", 515, 3},
    {"b34", "Hard 16", 516, 3}, {"b35", "Hard 17", 517, 3},
};

// The captions of the up-card boxes CheckBox2..CheckBox11.
constexpr const char* kUpCardCaptions[] = {
    "2", "3", "4", "5", "6", "7", "8", "9", "10 (or Face Card)", "Ace"};

constexpr int kColumns = 4;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 25;
// NEVER and ALWAYS stand indented under the up cards.
constexpr int kMarkIndent = 56;

QLabel* NewHeading(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// A control coloured by the player's mistakes, or plain again. A style sheet, not the
// palette: the desktop's own styles draw a button's palette colour only as a tint.
void PaintMistake(QWidget* control, const std::optional<MistakeCount>& count) {
    if (!count) {
        control->setStyleSheet(QString());
        control->setToolTip(QString());
        return;
    }
    // Only the control itself (its tooltip keeps its own look), in the window's type.
    const QColor colour = TStrategyForm::MistakeColour(count->WrongShare());
    const bool bold = control->parentWidget() && control->parentWidget()->font().bold();
    control->setStyleSheet(QString("%1 { background-color: %2; font-weight: %3; }")
                               .arg(control->metaObject()->className(), colour.name(),
                                    bold ? "bold" : "normal"));
    control->setToolTip(QString::fromStdString(MistakeTip(*count)));
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setMinimumSize(kButtonWidth, kButtonHeight);
    return button;
}

}  // namespace

TStrategyForm::TStrategyForm(Game& game, QWidget* parent)
    : SettingsChildWindow(parent), editor_(game, *this) {
    setObjectName("TStrategyForm");
    setWindowTitle("PLAYING STRATEGY");
    setFont(SystemFont());

    Panel1 = NewPanel(this, "Panel1");
    BuildHandClasses();
    BuildUpCards();
    SaveButton = NewButton(Panel1, "SaveButton", "E&xit");
    ResetButton = NewButton(Panel1, "ResetButton", "&Reset to Default");
    AdvancedButton = NewButton(Panel1, "AdvancedButton", "&Set to Advanced");

    // The three buttons share one width, wide enough for the longest caption.
    int width = SaveButton->fontMetrics().horizontalAdvance("Save & Exit") + 24;
    for (QPushButton* button : {SaveButton, ResetButton, AdvancedButton})
        width = std::max(width, button->sizeHint().width());
    for (QPushButton* button : {SaveButton, ResetButton, AdvancedButton})
        button->setMinimumWidth(width);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SaveButton);
    buttons->addStretch(1);
    buttons->addWidget(ResetButton);
    buttons->addStretch(1);
    buttons->addWidget(AdvancedButton);

    MistakesBox = new QCheckBox("Show My Mistakes", Panel1);
    MistakesBox->setObjectName("MistakesBox");
    MistakesBox->setToolTip("Colour the cells and hand classes by how often you got them wrong");

    auto* panel = new QGridLayout(Panel1);
    panel->setContentsMargins(8, 8, 8, 8);
    panel->setHorizontalSpacing(11);
    panel->setVerticalSpacing(17);
    panel->addWidget(RadioGroup1, 0, 0);
    panel->addWidget(GroupBox1, 0, 1);
    panel->addLayout(buttons, 1, 0);
    panel->addWidget(MistakesBox, 1, 1);
    SetContent(Panel1);

    // The design's states are in place; from here on every change runs a handler.
    Connect();
}

void TStrategyForm::BuildHandClasses() {
    RadioGroup1 = new QGroupBox("SELECT WHEN TO:", Panel1);
    RadioGroup1->setObjectName("RadioGroup1");
    Edit1 = NewHeading(RadioGroup1, "Edit1", "SPLIT");
    Edit2 = NewHeading(RadioGroup1, "Edit2", "DOUBLE DOWN");
    Edit3 = NewHeading(RadioGroup1, "Edit3", "HIT");
    Edit4 = NewHeading(RadioGroup1, "Edit4", "SURRENDER");

    auto* grid = new QGridLayout(RadioGroup1);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(3);
    QLabel* headings[kColumns] = {Edit1, Edit2, Edit3, Edit4};
    for (int column = 0; column < kColumns; ++column) grid->addWidget(headings[column], 0, column);

    // All 35 buttons form one group: selecting one deselects the others.
    handClassGroup_ = new QButtonGroup(this);
    handClassGroup_->setExclusive(true);
    int rows[kColumns] = {};
    for (size_t i = 0; i < handClasses_.size(); ++i) {
        const ClassButtonSpec& hc = kHandClassTable[i];
        auto* button = new QRadioButton(hc.caption, RadioGroup1);
        button->setObjectName(hc.name);
        handClassGroup_->addButton(button);
        grid->addWidget(button, 1 + rows[hc.column]++, hc.column);
        handClasses_[i] = button;
        rowCodes_[i] = hc.code;
    }
    grid->setRowStretch(grid->rowCount(), 1);
}

void TStrategyForm::BuildUpCards() {
    GroupBox1 = new QGroupBox("DEALER'S UP CARD: ", Panel1);
    GroupBox1->setObjectName("GroupBox1");
    auto* column = new QVBoxLayout(GroupBox1);
    column->setSpacing(6);
    for (int up = StrategyEditor::kFirstUpCardBox; up <= StrategyEditor::kLastUpCardBox; ++up) {
        auto* box = new QCheckBox(kUpCardCaptions[up - StrategyEditor::kFirstUpCardBox], GroupBox1);
        box->setObjectName(QString("CheckBox%1").arg(up));
        column->addWidget(box);
        checkBoxes_[static_cast<size_t>(up)] = box;
    }
    for (auto [box, caption] : {std::pair{StrategyEditor::kNeverBox, "NEVER"},
                                std::pair{StrategyEditor::kAlwaysBox, "ALWAYS"}}) {
        auto* mark = new QCheckBox(caption, GroupBox1);
        mark->setObjectName(QString("CheckBox%1").arg(box));
        auto* indented = new QHBoxLayout;
        indented->addSpacing(kMarkIndent);
        indented->addWidget(mark);
        column->addLayout(indented);
        checkBoxes_[static_cast<size_t>(box)] = mark;
    }
    column->addStretch(1);
}

void TStrategyForm::Connect() {
    // A tick changed by the editor's own code runs its handler exactly as a click
    // does, so the handlers hang on the change of state, not on the click.
    connect(CheckBox(StrategyEditor::kNeverBox), &QCheckBox::toggled, this,
            [this] { editor_.CheckBox1Click(); });
    connect(CheckBox(StrategyEditor::kAlwaysBox), &QCheckBox::toggled, this,
            [this] { editor_.CheckBox12Click(); });
    for (int up = StrategyEditor::kFirstUpCardBox; up <= StrategyEditor::kLastUpCardBox; ++up)
        connect(CheckBox(up), &QCheckBox::toggled, this, [this] { editor_.UpCardBoxClick(); });
    // A button that loses the selection runs nothing; the one that gains it does.
    for (size_t i = 0; i < handClasses_.size(); ++i) {
        const int code = rowCodes_[i];
        connect(handClasses_[i], &QRadioButton::toggled, this, [this, code](bool selected) {
            if (selected) editor_.HandClassClick(code);
        });
    }
    // After the editor's handler: the row on show has changed.
    for (QRadioButton* button : handClasses_)
        connect(button, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected && mistakesShown_) PaintMistakes();
        });
    connect(MistakesBox, &QCheckBox::toggled, this, &TStrategyForm::ShowMistakes);
    connect(SaveButton, &QPushButton::clicked, this, [this] { editor_.SaveButtonClick(); });
    connect(ResetButton, &QPushButton::clicked, this, [this] { editor_.ResetButtonClick(); });
    connect(AdvancedButton, &QPushButton::clicked, this, [this] { editor_.AdvancedButtonClick(); });
}

QColor TStrategyForm::MistakeColour(double wrongShare) {
    // Pale green for cells always right, through yellow, to pale red for cells always wrong.
    const double s = std::clamp(wrongShare, 0.0, 1.0);
    const QColor right(150, 220, 150), half(255, 220, 100), wrong(240, 110, 110);
    const QColor& from = s < 0.5 ? right : half;
    const QColor& to = s < 0.5 ? half : wrong;
    const double f = s < 0.5 ? s * 2 : (s - 0.5) * 2;
    auto mix = [f](int a, int b) { return static_cast<int>(a + (b - a) * f + 0.5); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

void TStrategyForm::ShowMistakes(bool shown) {
    mistakesShown_ = shown;
    mistakes_ = MistakeMap();
    if (shown && history_)
        if (auto cells = history_->Read([](HistoryStore& s) { return s.Cells(); }))
            mistakes_ = MistakeMap(*cells);
    PaintMistakes();
}

void TStrategyForm::PaintMistakes() {
    const int row = editor_.EditedRow;
    for (int up = StrategyEditor::kFirstUpCardBox; up <= StrategyEditor::kLastUpCardBox; ++up)
        PaintMistake(CheckBox(up), mistakesShown_ ? mistakes_.Cell(row, up) : std::nullopt);
    for (size_t i = 0; i < handClasses_.size(); ++i)
        PaintMistake(handClasses_[i], mistakesShown_ ? mistakes_.Row(rowCodes_[i]) : std::nullopt);
}

QRadioButton* TStrategyForm::HandClassButton(int code) const {
    for (size_t i = 0; i < handClasses_.size(); ++i)
        if (rowCodes_[i] == code) return handClasses_[i];
    return nullptr;
}

bool TStrategyForm::Ticked(int box) const {
    return CheckBox(box)->isChecked();
}

void TStrategyForm::SetTicked(int box, bool ticked) {
    CheckBox(box)->setChecked(ticked);
}

void TStrategyForm::SelectRow(int code) {
    if (QRadioButton* button = HandClassButton(code)) button->setChecked(true);
}

void TStrategyForm::SetExitCaption(std::string_view caption) {
    SaveButton->setText(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
}

}  // namespace velmora
