#include "settings/prefs_editor.h"

#include <cassert>

#include "engine/game.h"
#include "settings/exit_caption.h"

namespace velmora {

namespace {

bool& PreferenceOf(OptionsRecord& o, int box) {
    switch (box) {
        case PrefsEditor::kTwoHandsBox:
            return o.BetTwoHands;
        case PrefsEditor::kSoundBox:
            return o.SoundOn;
        case PrefsEditor::kMinimumBox:
            return o.AlwaysBetMinimum;
        default:
            assert(box == PrefsEditor::kAdviceBox);
            return o.AdviceOn;
    }
}

}  // namespace

double PrefsEditor::CalibrationOf(int position) {
    const double root = position / kCalibrationDivisor;
    return root * root;
}

void PrefsEditor::InitPrefsWindow() {
    OptionsRecord& o = game_.Options;
    if (o.ComputerSpeed > kOpeningSpeedLimit || o.ComputerSpeed < kBarMinimum)
        o.ComputerSpeed = kOpeningSpeedLimit;
    controls_.SetPosition(o.ComputerSpeed);
    for (int box = 1; box <= kPreferenceBoxes; ++box)
        controls_.SetTicked(box, PreferenceOf(o, box));
    controls_.SetExitCaption(kExitCaption);
}

void PrefsEditor::ScrollBar1Change() {
    const int position = controls_.Position();
    // The table's motion reads the speed at each movement (its number of steps).
    // The calibration is kept as the bar always set it, but nothing reads it now.
    game_.Options.ComputerSpeed = static_cast<uint16_t>(position);
    game_.DelayCalibration = CalibrationOf(position);
    MarkChanged();
}

void PrefsEditor::PreferenceBoxClick() {
    MarkChanged();
}

void PrefsEditor::ExitButtonClick() {
    for (int box = 1; box <= kPreferenceBoxes; ++box)
        PreferenceOf(game_.Options, box) = controls_.Ticked(box);
    if (game_.OptionsChanged) game_.SaveOptionsRequest = true;
    game_.ChildWindowClosed = true;
}

void PrefsEditor::MarkChanged() {
    game_.OptionsChanged = true;
    controls_.SetExitCaption(kSaveExitCaption);
}

}  // namespace velmora
