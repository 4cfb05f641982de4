#pragma once
// The "PLAYING STRATEGY" window: 35 hand-class buttons in four columns (split,
// double down, hit, surrender), the dealer's up cards with NEVER and ALWAYS as
// check boxes, the exit button and three presets, the third the best strategy for
// the rules in force. The window only holds and lays out the controls; each
// control's change runs its StrategyEditor handler, whether the player or the
// editor made it. With the exact analysis at hand it also marks each up card of the
// row on show whose tick differs from the best strategy, with what that costs.

#include <QColor>

#include <array>
#include <string_view>

#include "history/mistake_map.h"
#include "settings/strategy_editor.h"
#include "ui/settings/settings_child_window.h"

class QButtonGroup;
class QCheckBox;
class QColor;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velmora {

struct ExactAdvice;
struct Game;
class HistoryWriter;

class ExactService;

class TStrategyForm : public SettingsChildWindow, private StrategyEditor::Controls {
    Q_OBJECT

public:
    static constexpr int kHandClasses = 35;

    // Without `exact` the third preset stays disabled and no cell is marked.
    TStrategyForm(Game& game, QWidget* parent, ExactService* exact = nullptr);

    StrategyEditor& Editor() { return editor_; }

    // CheckBox1 (NEVER), CheckBox2..CheckBox11 (up cards 2..11), CheckBox12 (ALWAYS).
    QCheckBox* CheckBox(int box) const { return checkBoxes_[static_cast<size_t>(box)]; }
    // The hand-class button of a row code; null for a row no button shows.
    QRadioButton* HandClassButton(int code) const;

    // The history "Show My Mistakes" reads (null: none is kept).
    void SetHistory(HistoryWriter* history) { history_ = history; }
    // The colour of a cell or row the player got wrong this share of the time.
    static QColor MistakeColour(double wrongShare);

    QFrame* Panel1;
    QGroupBox* RadioGroup1;  // "SELECT WHEN TO:"
    QLabel* Edit1;           // "SPLIT"
    QLabel* Edit2;           // "DOUBLE DOWN"
    QLabel* Edit3;           // "HIT"
    QLabel* Edit4;           // "SURRENDER"
    QGroupBox* GroupBox1;    // "DEALER'S UP CARD: "
    QPushButton* SaveButton;
    QPushButton* ResetButton;
    QPushButton* AdvancedButton;
    // "Show My Mistakes": colours the up cards of the row on show and the row
    // captions by the player's mistakes. A view only: no setting of the table.
    QCheckBox* MistakesBox;
    QPushButton* BestButton;  // "Best for These Rules"
    QLabel* CostLegend;       // what the red up cards mean

    // Whether up card `up`'s box is marked as differing from the best strategy.
    bool CostMarked(int up) const;
    // The colour of a marked box's caption.
    static QColor CostMarkColour();

private:
    // StrategyEditor::Controls.
    bool Ticked(int box) const override;
    void SetTicked(int box, bool ticked) override;
    void SelectRow(int code) override;
    void SetExitCaption(std::string_view caption) override;

    void BuildHandClasses();
    void BuildUpCards();
    void Connect();
    void ShowMistakes(bool shown);
    void PaintMistakes();
    // The best strategy for the rules in force, null while it is being worked out.
    const ExactAdvice* Advice() const;
    void ShowAdviceState();
    void ShowCostMarks();

    Game& game_;
    ExactService* exact_;
    StrategyEditor editor_;
    QButtonGroup* handClassGroup_;
    std::array<QRadioButton*, kHandClasses> handClasses_{};
    std::array<int, kHandClasses> rowCodes_{};
    std::array<QCheckBox*, StrategyEditor::kAlwaysBox + 1> checkBoxes_{};  // [1..12]
    HistoryWriter* history_ = nullptr;
    bool mistakesShown_ = false;
    MistakeMap mistakes_;
};

}  // namespace velmora
