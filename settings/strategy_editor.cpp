#include "settings/strategy_editor.h"

#include "engine/game.h"
#include "settings/exit_caption.h"
#include "strategy/strategy_table.h"

namespace velmora {

void StrategyEditor::ShowStrategyRow(int code) {
    EditedRow = static_cast<uint16_t>(code);
    const StrategyTable& table = game_.Strategy;
    // Each tick that changes runs the up-card handler, which clears the row's marks
    // in the table and unticks NEVER and ALWAYS; the order here leaves the marks'
    // boxes as the row says, and StoreStrategyRow writes the marks back.
    if (table.HasNeverMark(code)) {
        controls_.SetTicked(kNeverBox, true);
        for (int box = kFirstUpCardBox; box <= kAlwaysBox; ++box) controls_.SetTicked(box, false);
    } else if (table.HasAlwaysMark(code)) {
        controls_.SetTicked(kNeverBox, false);
        for (int box = kFirstUpCardBox; box <= kAlwaysBox; ++box) controls_.SetTicked(box, true);
    } else {
        controls_.SetTicked(kNeverBox, false);
        for (int up = kFirstUpCardBox; up <= kLastUpCardBox; ++up)
            controls_.SetTicked(up, table.Cell(code, up) == 1);
        controls_.SetTicked(kAlwaysBox, false);
    }
}

void StrategyEditor::StoreStrategyRow() {
    StrategyTable& table = game_.Strategy;
    const bool never = controls_.Ticked(kNeverBox);
    const bool always = !never && controls_.Ticked(kAlwaysBox);
    table.SetCell(EditedRow, kNeverMark, never);
    table.SetCell(EditedRow, kAlwaysMark, always);
    for (int up = kFirstUpCardBox; up <= kLastUpCardBox; ++up)
        table.SetCell(EditedRow, up, !never && (always || controls_.Ticked(up)));
}

void StrategyEditor::InitStrategyWindow() {
    ShowStrategyRow(kFirstRow);
    controls_.SelectRow(kFirstRow);
    StrategyEdited = false;
    controls_.SetExitCaption(kExitCaption);
}

void StrategyEditor::HandClassClick(int code) {
    StoreStrategyRow();
    ShowStrategyRow(code);
}

void StrategyEditor::CheckBox1Click() {
    if (!controls_.Ticked(kNeverBox)) return;
    for (int box = kFirstUpCardBox; box <= kAlwaysBox; ++box) controls_.SetTicked(box, false);
    // Unticking a box above unticked NEVER again.
    controls_.SetTicked(kNeverBox, true);
}

void StrategyEditor::CheckBox12Click() {
    if (!controls_.Ticked(kAlwaysBox)) return;
    controls_.SetTicked(kNeverBox, false);
    // Ticking an up-card box unticks ALWAYS, so it is ticked again last.
    for (int box = kFirstUpCardBox; box <= kAlwaysBox; ++box) controls_.SetTicked(box, true);
}

void StrategyEditor::UpCardBoxClick() {
    game_.Strategy.SetCell(EditedRow, kAlwaysMark, false);
    game_.Strategy.SetCell(EditedRow, kNeverMark, false);
    controls_.SetTicked(kNeverBox, false);
    controls_.SetTicked(kAlwaysBox, false);
    MarkEdited();
}

void StrategyEditor::ResetButtonClick() {
    ResetStrategyToDefault(game_.Strategy);
    ShowPreset();
}

void StrategyEditor::AdvancedButtonClick() {
    SetStrategyToAdvanced(game_.Strategy, game_.Options.SurrenderAllowed);
    ShowPreset();
}

void StrategyEditor::BestButtonClick(const StrategyTable& best) {
    game_.Strategy = best;
    ShowPreset();
}

void StrategyEditor::SaveButtonClick() {
    game_.ChildWindowClosed = true;
    if (StrategyEdited) game_.SaveOptionsRequest = true;
}

void StrategyEditor::ShowPreset() {
    ShowStrategyRow(kFirstRow);
    controls_.SelectRow(kFirstRow);
    MarkEdited();
}

void StrategyEditor::MarkEdited() {
    StrategyEdited = true;
    controls_.SetExitCaption(kSaveExitCaption);
}

}  // namespace velmora
