#include "settings/rules_editor.h"

#include <algorithm>
#include <cassert>
#include <iterator>

#include "engine/game.h"
#include "settings/exit_caption.h"

namespace velmora {

namespace {

constexpr int kDeckItemCount = static_cast<int>(std::size(RulesEditor::kDeckItems));
constexpr int kMinimumItemCount = static_cast<int>(std::size(RulesEditor::kMinimumItems));

// A value no item shows selects the last item, so the set-up replaces it by that
// item's value.
int DecksItem(int decks) {
    const auto* found = std::find(std::begin(RulesEditor::kDeckItems),
                                  std::end(RulesEditor::kDeckItems) - 1, decks);
    return static_cast<int>(found - std::begin(RulesEditor::kDeckItems));
}

int MinimumItem(int minimum) {
    const auto* found = std::find(std::begin(RulesEditor::kMinimumItems),
                                  std::end(RulesEditor::kMinimumItems) - 1, minimum);
    return static_cast<int>(found - std::begin(RulesEditor::kMinimumItems));
}

// Two quarters is the first item, three the second; a value below two is shown as
// three quarters, and one beyond the last item as the last.
int PenetrationItem(int penetration) {
    if (penetration <= 1) return 1;
    return std::min(penetration - 2, RulesEditor::kPenetrationItems - 1);
}

bool& RuleOf(OptionsRecord& o, int box) {
    switch (box) {
        case RulesEditor::kSurrenderBox:
            return o.SurrenderAllowed;
        case RulesEditor::kSoft17Box:
            return o.DealerHitsSoft17;
        case RulesEditor::kDoubleAnyBox:
            return o.DoubleAnyHand;
        case RulesEditor::kDoubleAfterSplitBox:
            return o.DoubleAfterSplit;
        default:
            assert(box == RulesEditor::kResplitBox);
            return o.ResplitAllowed;
    }
}

}  // namespace

void RulesEditor::InitRulesWindow() {
    OptionsRecord& o = game_.Options;
    controls_.SetItemIndex(kDecksGroup, DecksItem(o.Decks));
    controls_.SetItemIndex(kMinimumGroup, MinimumItem(o.TableMinimum));
    controls_.SetItemIndex(kPenetrationGroup, PenetrationItem(o.Penetration));
    for (int box = 1; box <= kRuleBoxes; ++box) controls_.SetTicked(box, RuleOf(o, box));
    // The handlers above asked for a rebuild and a new bankroll; opening is no change.
    game_.BankrollRestartRequest = false;
    game_.ShoeRebuildRequest = false;
    controls_.SetExitCaption(kExitCaption);
}

void RulesEditor::RadioGroup1Click() {
    const int item = controls_.ItemIndex(kDecksGroup);
    if (item < 0 || item >= kDeckItemCount) return;
    game_.ShoeRebuildRequest = true;
    game_.Options.Decks = static_cast<uint16_t>(kDeckItems[item]);
    MarkChanged();
}

void RulesEditor::RadioGroup2Click() {
    const int item = controls_.ItemIndex(kMinimumGroup);
    if (item < 0 || item >= kMinimumItemCount) return;
    game_.Options.TableMinimum = static_cast<uint16_t>(kMinimumItems[item]);
    MarkChanged();
    game_.BankrollRestartRequest = true;
}

void RulesEditor::RadioGroup3Click() {
    const int item = controls_.ItemIndex(kPenetrationGroup);
    if (item < 0 || item >= kPenetrationItems) return;
    game_.Options.Penetration = static_cast<uint16_t>(item + 2);
    MarkChanged();
    game_.BankrollRestartRequest = true;
}

void RulesEditor::RuleBoxClick() {
    MarkChanged();
}

void RulesEditor::ExitButtonClick() {
    for (int box = 1; box <= kRuleBoxes; ++box) RuleOf(game_.Options, box) = controls_.Ticked(box);
    if (game_.OptionsChanged) game_.SaveOptionsRequest = true;
    game_.ChildWindowClosed = true;
}

void RulesEditor::MarkChanged() {
    game_.OptionsChanged = true;
    controls_.SetExitCaption(kSaveExitCaption);
}

}  // namespace velmora
