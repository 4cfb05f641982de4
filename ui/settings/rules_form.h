#pragma once
// The "CASINO RULES" window: the five yes/no rules as check boxes, the number of
// decks, the deck penetration and the table minimum as radio groups, and the exit
// button. The window only holds and lays out the controls; each control's change
// runs its RulesEditor handler, whether the player or the editor's set-up made it.

#include <array>
#include <initializer_list>
#include <string_view>

#include "settings/rules_editor.h"
#include "ui/settings/settings_child_window.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace velmora {

struct Game;

class TRulesForm : public SettingsChildWindow, private RulesEditor::Controls {
    Q_OBJECT

public:
    TRulesForm(Game& game, QWidget* parent);

    RulesEditor& Editor() { return editor_; }

    // CheckBox1..CheckBox5.
    QCheckBox* CheckBox(int box) const { return checkBoxes_[static_cast<size_t>(box)]; }
    // The radio button of item `index` in RadioGroup1..RadioGroup3.
    QRadioButton* Item(int group, int index) const;

    QFrame* Panel1;
    QGroupBox* GroupBox1;    // "Casino Rules"
    QGroupBox* RadioGroup1;  // "Card Decks"
    QGroupBox* RadioGroup2;  // "Table Minimum"
    QGroupBox* RadioGroup3;  // "Deck Penetration"
    QPushButton* ExitButton;

private:
    // RulesEditor::Controls.
    int ItemIndex(int group) const override;
    void SetItemIndex(int group, int index) override;
    bool Ticked(int box) const override;
    void SetTicked(int box, bool ticked) override;
    void SetExitCaption(std::string_view caption) override;

    QGroupBox* NewRadioGroup(int group, const char* name, const char* title,
                             std::initializer_list<const char*> items);
    void BuildRuleBoxes();
    void Connect();

    RulesEditor editor_;
    std::array<QButtonGroup*, 4> groups_{};                             // [1..3]
    std::array<QCheckBox*, RulesEditor::kRuleBoxes + 1> checkBoxes_{};  // [1..5]
};

}  // namespace velmora
