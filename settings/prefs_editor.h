#pragma once
// The preferences window's logic: the animation speed bar, which writes the speed
// and the length of a delay unit at once, and four boxes (two hands, sound, always
// the minimum, advice) that are copied into the options only when the window's exit
// button is used. The window supplies the controls; every change of the bar's
// position or of a tick runs its handler at once, also when the set-up made it.

#include <string_view>

namespace velmora {

struct Game;

class PrefsEditor {
public:
    // The speed bar: left is fast, right is slow.
    static constexpr int kBarMinimum = 1000;
    static constexpr int kBarMaximum = 25000;
    static constexpr int kBarStart = 8000;  // the bar's position in a new window
    static constexpr int kBarSmallStep = 10;
    static constexpr int kBarLargeStep = 100;
    // A stored speed outside 1000..20000 opens as this one.
    static constexpr int kOpeningSpeedLimit = 20000;
    // The bar's position p gives (p / kCalibrationDivisor)^2 loop passes per delay unit.
    static constexpr double kCalibrationDivisor = 141;

    // CheckBox1..CheckBox4.
    static constexpr int kTwoHandsBox = 1;
    static constexpr int kSoundBox = 2;
    static constexpr int kMinimumBox = 3;
    static constexpr int kAdviceBox = 4;
    static constexpr int kPreferenceBoxes = 4;

    // The window's controls. Changing the bar's position or a box's tick runs the
    // control's handler before the call returns; setting the state a control already
    // has runs nothing. A new window shows the bar at kBarStart and no box ticked.
    class Controls {
    public:
        virtual ~Controls() = default;
        virtual int Position() const = 0;
        virtual void SetPosition(int position) = 0;
        virtual bool Ticked(int box) const = 0;
        virtual void SetTicked(int box, bool ticked) = 0;
        virtual void SetExitCaption(std::string_view caption) = 0;
    };

    PrefsEditor(Game& game, Controls& controls) : game_(game), controls_(controls) {}

    // The delay unit's length for a bar position.
    static double CalibrationOf(int position);

    // Run once after the window is created: the controls show the options.
    void InitPrefsWindow();

    // Handlers.
    void ScrollBar1Change();
    void PreferenceBoxClick();  // CheckBox1..CheckBox4
    void ExitButtonClick();

private:
    void MarkChanged();

    Game& game_;
    Controls& controls_;
};

}  // namespace velmora
