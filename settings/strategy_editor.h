#pragma once
// The playing-strategy editor's logic: one row of the strategy table on show as
// ticks against the dealer's up cards, with the NEVER and ALWAYS marks, and the
// two presets. The window supplies the controls; every change of a control's state
// runs its handler below at once, nested inside the call that made it, whether the
// player or this code made it. The editor relies on that: moving between hand
// classes, NEVER and ALWAYS work through the up-card handler.

#include <cstdint>
#include <string_view>

namespace velmora {

struct Game;
class StrategyTable;

class StrategyEditor {
public:
    // Check-box numbers: CheckBox1 is NEVER, CheckBox2..CheckBox11 stand for the up
    // cards 2..11 (11 = ace), CheckBox12 is ALWAYS.
    static constexpr int kNeverBox = 1;
    static constexpr int kAlwaysBox = 12;
    static constexpr int kFirstUpCardBox = 2;
    static constexpr int kLastUpCardBox = 11;
    // The row shown when the window opens and after a preset: the pair of 2's.
    static constexpr int kFirstRow = 404;

    // The window's controls. Changing a state runs the control's handler before the
    // call returns; setting the state a control already has runs nothing, and so
    // does deselecting a hand-class button.
    class Controls {
    public:
        virtual ~Controls() = default;
        virtual bool Ticked(int box) const = 0;
        virtual void SetTicked(int box, bool ticked) = 0;
        // Selects the hand-class button of row `code`, deselecting the others.
        virtual void SelectRow(int code) = 0;
        virtual void SetExitCaption(std::string_view caption) = 0;
    };

    StrategyEditor(Game& game, Controls& controls) : game_(game), controls_(controls) {}

    uint16_t EditedRow = 0;       // the row code on show
    bool StrategyEdited = false;  // the strategy changed since the window opened

    // The boxes show row `code`.
    void ShowStrategyRow(int code);
    // The boxes are written into row EditedRow.
    void StoreStrategyRow();
    // Run once after the window is created: row 404 on show, nothing counted as edited.
    void InitStrategyWindow();

    // Handlers.
    void HandClassClick(int code);  // a hand-class button became selected
    void CheckBox1Click();          // NEVER
    void CheckBox12Click();         // ALWAYS
    void UpCardBoxClick();          // CheckBox2..CheckBox11
    void ResetButtonClick();
    void AdvancedButtonClick();
    // The third preset: the best strategy for the rules in force, worked out by the
    // exact analysis and handed in by the window.
    void BestButtonClick(const StrategyTable& best);
    void SaveButtonClick();

private:
    // After a preset: row 404 on show and its button selected, the change counted.
    void ShowPreset();
    void MarkEdited();

    Game& game_;
    Controls& controls_;
};

}  // namespace velmora
