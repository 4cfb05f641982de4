#pragma once
// The casino-rules window's logic: the number of decks, the depth of the deal and
// the table minimum as three radio groups that write the options at once, and five
// rule boxes that are copied into the options only when the window's exit button
// is used. The window supplies the controls; every change of a control's state runs
// its handler at once, also when the set-up made it, so merely opening the window
// rewrites the three grouped settings and marks the options changed.

#include <string_view>

namespace velmora {

struct Game;

class RulesEditor {
public:
    // The radio groups.
    static constexpr int kDecksGroup = 1;        // RadioGroup1 "Card Decks"
    static constexpr int kMinimumGroup = 2;      // RadioGroup2 "Table Minimum"
    static constexpr int kPenetrationGroup = 3;  // RadioGroup3 "Deck Penetration"
    // The rule boxes CheckBox1..CheckBox5.
    static constexpr int kSurrenderBox = 1;
    static constexpr int kSoft17Box = 2;
    static constexpr int kDoubleAnyBox = 3;
    static constexpr int kDoubleAfterSplitBox = 4;
    static constexpr int kResplitBox = 5;
    static constexpr int kRuleBoxes = 5;
    static constexpr int kNoItem = -1;

    // The items' values, in the groups' order.
    static constexpr int kDeckItems[] = {1, 2, 4, 6, 8};
    static constexpr int kMinimumItems[] = {5, 25, 100};
    static constexpr int kPenetrationItems = 2;  // item i deals i + 2 quarters of the shoe

    // The window's controls. Changing a group's selected item or a box's tick runs
    // the control's handler before the call returns; setting the state a control
    // already has runs nothing. A new window has no item selected and no box ticked.
    class Controls {
    public:
        virtual ~Controls() = default;
        virtual int ItemIndex(int group) const = 0;  // kNoItem while none is selected
        virtual void SetItemIndex(int group, int index) = 0;
        virtual bool Ticked(int box) const = 0;
        virtual void SetTicked(int box, bool ticked) = 0;
        virtual void SetExitCaption(std::string_view caption) = 0;
    };

    RulesEditor(Game& game, Controls& controls) : game_(game), controls_(controls) {}

    // Run once after the window is created: the controls show the options.
    void InitRulesWindow();

    // Handlers.
    void RadioGroup1Click();
    void RadioGroup2Click();
    void RadioGroup3Click();
    void RuleBoxClick();  // CheckBox1..CheckBox5
    void ExitButtonClick();

private:
    void MarkChanged();

    Game& game_;
    Controls& controls_;
};

}  // namespace velmora
