#include "ui/speed_measurement.h"

#include "engine/host.h"

#include <algorithm>
#include <cmath>

namespace velmora {

uint16_t ClampComputerSpeed(double calibration) {
    const double rounded = std::nearbyint(calibration);  // default mode: halves to even
    return static_cast<uint16_t>(
        std::clamp(rounded, double(kFastestSpeed), double(kSlowestSpeed)));
}

SpeedMeasurement MeasureSpeed(Host& host, int maxAttempts) {
    for (int attempt = 0; attempt < maxAttempts; ++attempt) {
        // Whole event passes: the host's ProcessEvents may skip most calls (the Qt host
        // hands one in 64 to Qt), which would time an empty loop.
        for (int i = 0; i < kWarmUpPasses; ++i) host.ProcessEventsNow();
        const TimeOfDay t1 = host.Now();
        for (int i = 0; i < kMeasuredPasses; ++i) host.ProcessEventsNow();
        const TimeOfDay t2 = host.Now();
        if (t2.Second == t1.Second && t2.Millisecond > t1.Millisecond) {
            const double calibration = kCalibrationScale / (t2.Millisecond - t1.Millisecond);
            return SpeedMeasurement{calibration, ClampComputerSpeed(calibration)};
        }
    }
    return SpeedMeasurement{double(kSlowestSpeed), kSlowestSpeed};
}

}  // namespace velmora
