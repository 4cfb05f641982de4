#include "ui/settings/strategy_form.h"

#include "history/history_writer.h"
#include "engine/game.h"
#include "exact/cost_text.h"
#include "exact/exact_rules.h"
#include "strategy/editor_rows.h"
#include "ui/exact_service.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <string_view>

namespace velmora {

namespace {

// The property of an up-card box marked as differing from the best strategy.
constexpr char kCostMarked[] = "costMarked";

// The object names of the hand-class buttons, in the order of kEditorRows (the
// strategy table's rows the editor shows, with their captions and headings).
constexpr const char* kButtonNames[TStrategyForm::kHandClasses] = {
    "B2",  "B3",  "B4",  "B5",  "B6",  "B7",  "B8",  "B9",  "B10", "B1",  "B11", "B12",
    "B13", "B14", "B15", "B16", "B17", "B18", "B19", "B20", "B21", "B22", "B23", "B24",
    "B25", "B26", "B27", "B28", "B29", "b30", "b31", "b32", "b33", "b34", "b35",
};
static_assert(std::size(kButtonNames) == kEditorRows.size());

// The column a hand class is listed in: split, double down, hit, surrender.
int ColumnOf(const EditorRow& hc) {
    const std::string_view heading = hc.heading;
    return heading == "SPLIT" ? 0 : heading == "DOUBLE DOWN" ? 1 : heading == "HIT" ? 2 : 3;
}

// The captions of the up-card boxes CheckBox2..CheckBox11.
constexpr const char* kUpCardCaptions[] = {
    "2", "3", "4", "5", "6", "7", "8", "9", "10 (or Face Card)", "Ace"};

constexpr int kColumns = 4;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 25;
// NEVER and ALWAYS stand indented under the up cards.
constexpr int kMarkIndent = 56;
// Room around the buttons' captions, and between the buttons.
constexpr int kButtonPadding = 12;
constexpr int kButtonSpacing = 10;

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

TStrategyForm::TStrategyForm(Game& game, QWidget* parent, ExactService* exact)
    : SettingsChildWindow(parent), game_(game), exact_(exact), editor_(game, *this) {
    setObjectName("TStrategyForm");
    setWindowTitle("PLAYING STRATEGY");
    setFont(SystemFont());

    Panel1 = NewPanel(this, "Panel1");
    BuildHandClasses();
    BuildUpCards();
    SaveButton = NewButton(Panel1, "SaveButton", "E&xit");
    ResetButton = NewButton(Panel1, "ResetButton", "&Reset to Default");
    AdvancedButton = NewButton(Panel1, "AdvancedButton", "&Set to Advanced");
    // Alt+U: R and S are taken by the menu bar's Run and Stand (and the presets).
    BestButton = NewButton(Panel1, "BestButton", "Best for These R&ules");

    // The buttons share one width, wide enough for the longest caption.
    const QPushButton* all[] = {SaveButton, ResetButton, AdvancedButton, BestButton};
    int width = SaveButton->fontMetrics().horizontalAdvance("Save & Exit") + 24;
    for (const QPushButton* button : all)
        width = std::max(width, button->sizeHint().width() + kButtonPadding);
    for (QPushButton* button : {SaveButton, ResetButton, AdvancedButton, BestButton})
        button->setMinimumWidth(width);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(kButtonSpacing);
    buttons->addWidget(SaveButton);
    buttons->addStretch(1);
    buttons->addWidget(ResetButton);
    buttons->addStretch(1);
    buttons->addWidget(AdvancedButton);
    buttons->addStretch(1);
    buttons->addWidget(BestButton);

    MistakesBox = new QCheckBox("Show My Mistakes", Panel1);
    MistakesBox->setObjectName("MistakesBox");
    MistakesBox->setToolTip("Colour the cells and hand classes by how often you got them wrong");

    auto* panel = new QGridLayout(Panel1);
    panel->setContentsMargins(8, 8, 8, 8);
    panel->setHorizontalSpacing(11);
    panel->setVerticalSpacing(17);
    panel->addWidget(RadioGroup1, 0, 0);
    panel->addWidget(GroupBox1, 0, 1);
    panel->addLayout(buttons, 1, 0, 1, 2);
    panel->addWidget(MistakesBox, 2, 1);
    SetContent(Panel1);

    // The design's states are in place; from here on every change runs a handler.
    Connect();
    ShowAdviceState();
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
        const EditorRow& hc = kEditorRows[i];
        auto* button = new QRadioButton(hc.caption, RadioGroup1);
        button->setObjectName(kButtonNames[i]);
        handClassGroup_->addButton(button);
        const int column = ColumnOf(hc);
        grid->addWidget(button, 1 + rows[column]++, column);
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
    // What the red captions mean, once the best strategy is known.
    CostLegend = new QLabel("In red: not the best play for these rules. Point at it for its cost.",
                            GroupBox1);
    CostLegend->setObjectName("CostLegend");
    CostLegend->setWordWrap(true);
    QPalette red = CostLegend->palette();
    red.setColor(QPalette::WindowText, CostMarkColour());
    CostLegend->setPalette(red);
    QFont small = CostLegend->font();
    small.setBold(false);
    CostLegend->setFont(small);
    CostLegend->hide();
    column->addWidget(CostLegend);
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
    connect(BestButton, &QPushButton::clicked, this, [this] {
        if (const ExactAdvice* advice = Advice()) editor_.BestButtonClick(advice->Best);
    });
    // The marks follow every change of a tick and of the row on show, after the
    // editor's own handler has run.
    for (int up = StrategyEditor::kFirstUpCardBox; up <= StrategyEditor::kLastUpCardBox; ++up)
        connect(CheckBox(up), &QCheckBox::toggled, this, &TStrategyForm::ShowCostMarks);
    for (QRadioButton* button : handClasses_)
        connect(button, &QRadioButton::toggled, this, &TStrategyForm::ShowCostMarks);
    if (exact_) connect(exact_, &ExactService::AdviceReady, this, &TStrategyForm::ShowAdviceState);
}

const ExactAdvice* TStrategyForm::Advice() const {
    return exact_ ? exact_->Advice(ExactRulesOf(game_.Options)) : nullptr;
}

void TStrategyForm::ShowAdviceState() {
    const bool known = Advice() != nullptr;
    BestButton->setEnabled(known);
    BestButton->setToolTip(known    ? "Fill the table with the best strategy for the casino rules "
                                      "in force, worked out exactly"
                           : exact_ ? "Working out the best strategy for these rules..."
                                    : QString());
    ShowCostMarks();
}

QColor TStrategyForm::CostMarkColour() {
    return QColor(190, 30, 0);
}

bool TStrategyForm::CostMarked(int up) const {
    return CheckBox(up)->property(kCostMarked).toBool();
}

void TStrategyForm::ShowCostMarks() {
    const ExactAdvice* advice = Advice();
    const int row = editor_.EditedRow;
    for (int up = StrategyEditor::kFirstUpCardBox; up <= StrategyEditor::kLastUpCardBox; ++up) {
        QCheckBox* box = CheckBox(up);
        const double cost = advice ? advice->FlipCost(row, up) : 0.0;
        // A cell the rules never read costs nothing and is not marked.
        const bool marked =
            advice && cost > 0 && box->isChecked() != (advice->Best.Cell(row, up) != 0);
        // The tip says both what the player's mistakes there were (while shown) and
        // what the tick costs against the best play.
        QStringList tips;
        if (mistakesShown_)
            if (const auto count = mistakes_.Cell(row, up))
                tips << QString::fromStdString(MistakeTip(*count));
        if (marked)
            tips << QString("Costs %1 % of the bet against the best play")
                        .arg(QString::fromStdString(CostPercentText(cost)));
        box->setProperty(kCostMarked, marked);
        box->setToolTip(tips.join('\n'));
        QPalette palette = GroupBox1->palette();
        if (marked) palette.setColor(QPalette::WindowText, CostMarkColour());
        box->setPalette(palette);
    }
    CostLegend->setVisible(advice != nullptr);
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
    ShowCostMarks();  // the up cards' tips carry the cost marks too
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
