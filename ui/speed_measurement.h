#pragma once
// The start-up measurement of the machine's speed, which calibrates the animation
// waits: the time that 25000 whole event passes (Host::ProcessEventsNow) take, read
// from the host's clock.

#include <cstdint>

namespace velmora {

class Host;

struct SpeedMeasurement {
    double DelayCalibration = 0;  // 3500000 / milliseconds taken
    uint16_t ComputerSpeed = 0;   // the same, rounded and clamped to 1000..25000
};

constexpr int kWarmUpPasses = 100;
constexpr int kMeasuredPasses = 25000;
constexpr double kCalibrationScale = 3500000.0;
constexpr uint16_t kSlowestSpeed = 25000;
constexpr uint16_t kFastestSpeed = 1000;

// Rounds half to even and clamps to kFastestSpeed..kSlowestSpeed.
uint16_t ClampComputerSpeed(double calibration);

// Repeats until both clock readings fall within one second, the second one later by
// at least a millisecond, for at most `maxAttempts` (then the last attempt's time is
// taken across the seconds). Whole event passes take real time: on a machine busy
// enough that they take a second or more, the readings can never share a second, so
// such an attempt is taken at once, across the seconds. A clock that never moves (a
// broken one) gives the slowest setting.
SpeedMeasurement MeasureSpeed(Host& host, int maxAttempts = 20);

}  // namespace velmora
