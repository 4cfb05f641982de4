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

namespace {

SpeedMeasurement FromMilliseconds(long long ms) {
    const double calibration = kCalibrationScale / static_cast<double>(ms);
    return SpeedMeasurement{calibration, ClampComputerSpeed(calibration)};
}

// From one reading to a later one, across seconds, minutes, hours and midnight.
long long MillisecondsBetween(const TimeOfDay& a, const TimeOfDay& b) {
    constexpr long long kDay = 24LL * 60 * 60 * 1000;
    auto ms = [](const TimeOfDay& t) {
        return ((t.Hour * 60LL + t.Minute) * 60 + t.Second) * 1000 + t.Millisecond;
    };
    return (ms(b) - ms(a) + kDay) % kDay;
}

}  // namespace

SpeedMeasurement MeasureSpeed(Host& host, int maxAttempts) {
    long long lastMs = 0;
    for (int attempt = 0; attempt < maxAttempts; ++attempt) {
        // Whole event passes: the host's ProcessEvents may skip most calls (the Qt host
        // hands one in 64 to Qt), which would time an empty loop.
        for (int i = 0; i < kWarmUpPasses; ++i) host.ProcessEventsNow();
        const TimeOfDay t1 = host.Now();
        for (int i = 0; i < kMeasuredPasses; ++i) host.ProcessEventsNow();
        const TimeOfDay t2 = host.Now();
        const long long ms = MillisecondsBetween(t1, t2);
        if (t2.Second == t1.Second && t2.Millisecond > t1.Millisecond) return FromMilliseconds(ms);
        // Passes that take a second or more never end in the second they began: repeating
        // them would never succeed.
        if (ms >= 1000) return FromMilliseconds(ms);
        lastMs = ms;
    }
    if (lastMs > 0) return FromMilliseconds(lastMs);
    return SpeedMeasurement{double(kSlowestSpeed), kSlowestSpeed};
}

}  // namespace velmora
