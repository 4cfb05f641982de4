#pragma once
// The "Player Preferences" window: the animation speed bar under its processor
// scale, four game preferences as check boxes, and the exit button. The window only
// holds and lays out the controls; each control's change runs its PrefsEditor
// handler, whether the player or the editor's set-up made it.

#include <array>
#include <string_view>

#include "settings/prefs_editor.h"
#include "ui/settings/settings_child_window.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace velmora {

struct Game;

class TPreferForm : public SettingsChildWindow, private PrefsEditor::Controls {
    Q_OBJECT

public:
    TPreferForm(Game& game, QWidget* parent);

    PrefsEditor& Editor() { return editor_; }

    // CheckBox1..CheckBox4.
    QCheckBox* CheckBox(int box) const { return checkBoxes_[static_cast<size_t>(box)]; }

    QFrame* Panel2;
    QFrame* Panel1;
    QLabel* Edit2;  // "  Set Computer Speed (for Animation)"
    QLabel* Edit1;  // the processor scale over the bar
    QScrollBar* ScrollBar1;
    QLabel* Edit3;         // "< Faster Animation"
    QLabel* Edit4;         // " Slower Animation >"
    QGroupBox* GroupBox2;  // "Game Preferences"
    QPushButton* ExitButton;

private:
    // PrefsEditor::Controls.
    int Position() const override;
    void SetPosition(int position) override;
    bool Ticked(int box) const override;
    void SetTicked(int box, bool ticked) override;
    void SetExitCaption(std::string_view caption) override;

    void BuildSpeedPanel();
    void BuildPreferences();
    void Connect();

    PrefsEditor editor_;
    std::array<QCheckBox*, PrefsEditor::kPreferenceBoxes + 1> checkBoxes_{};  // [1..4]
};

}  // namespace velmora
