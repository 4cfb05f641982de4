#include "analysis/run_clock.h"

namespace velmora {

bool RunClock::Tick(Game& game, const TimeOfDay& now) {
    if (game.Options.SingleStrategyView) return true;
    const auto second = static_cast<uint16_t>(now.Second);
    if (second == lastClockSecond_) return false;
    lastClockSecond_ = second;
    // ">=" rather than "==": a play time loaded from a damaged saved game still rolls over.
    if (++game.PlaySeconds >= 60) {
        game.PlaySeconds = 0;
        if (++game.PlayMinutes >= 60) {
            game.PlayMinutes = 0;
            ++game.PlayHours;
        }
    }
    return true;
}

}  // namespace velmora
