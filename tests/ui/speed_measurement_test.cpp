// The start-up speed measurement with a clock that the event passes move forward.

#include "engine/headless_host.h"
#include "ui/speed_measurement.h"

#include <QTest>

#include <string>

using namespace velmora;

namespace {

// A host whose clock advances by a fixed time on every event pass.
class ClockedHost : public HeadlessHost {
public:
    long long nowUs = 0;   // microseconds since midnight
    long long usPerPass = 0;
    int readings = 0;

    void ProcessEvents() override { nowUs += usPerPass; }
    TimeOfDay Now() override {
        ++readings;
        const long long ms = nowUs / 1000;
        return TimeOfDay{int(ms / 3600000 % 24), int(ms / 60000 % 60), int(ms / 1000 % 60),
                         int(ms % 1000)};
    }
};

constexpr long long kNoon = 12LL * 3600 * 1000 * 1000;

}  // namespace

class SpeedMeasurementTest : public QObject {
    Q_OBJECT

private slots:
    void TimeOfTheMeasuredPassesGivesTheSpeed_data() {
        QTest::addColumn<long long>("totalMs");
        QTest::addColumn<double>("calibration");
        QTest::addColumn<int>("speed");
        QTest::newRow("350 ms") << 350LL << 10000.0 << 10000;
        QTest::newRow("100 ms clamps to the slowest") << 100LL << 35000.0 << 25000;
        QTest::newRow("700 ms") << 700LL << 5000.0 << 5000;
    }
    void TimeOfTheMeasuredPassesGivesTheSpeed() {
        QFETCH(long long, totalMs);
        QFETCH(double, calibration);
        QFETCH(int, speed);
        ClockedHost host;
        host.nowUs = kNoon;
        host.usPerPass = totalMs * 1000 / kMeasuredPasses;
        const SpeedMeasurement m = MeasureSpeed(host);
        QCOMPARE(m.DelayCalibration, calibration);
        QCOMPARE(host.readings, 2);
        QCOMPARE(int(m.ComputerSpeed), speed);
    }

    void ReadingsInDifferentSecondsAreRepeated() {
        ClockedHost host;
        host.nowUs = kNoon + 800 * 1000;  // 12:00:00.800: 350 ms later is the next second
        host.usPerPass = 350 * 1000 / kMeasuredPasses;
        const SpeedMeasurement m = MeasureSpeed(host);
        QCOMPARE(host.readings, 4);
        QCOMPARE(int(m.ComputerSpeed), 10000);
    }

    void ReadingsInTheSameMillisecondAreRepeated() {
        // A clock that does not move during the first attempt cannot divide.
        class StuckOnceHost : public ClockedHost {
        public:
            int passes = 0;
            void ProcessEvents() override {
                if (++passes > kWarmUpPasses + kMeasuredPasses) nowUs += usPerPass;
            }
        } host;
        host.nowUs = kNoon;
        host.usPerPass = 14;
        const SpeedMeasurement m = MeasureSpeed(host);
        QCOMPARE(host.readings, 4);
        QCOMPARE(int(m.ComputerSpeed), 10000);
    }

    void TheMeasurementTimesWholeEventPassesNotSkippedCalls() {
        // A host that, like the Qt host, skips most calls of ProcessEvents: only its
        // whole passes take time.
        class ThrottledHost : public ClockedHost {
        public:
            int skipped = 0;
            void ProcessEvents() override { ++skipped; }
            void ProcessEventsNow() override { ClockedHost::ProcessEvents(); }
        } host;
        host.nowUs = kNoon;
        host.usPerPass = 350 * 1000 / kMeasuredPasses;
        const SpeedMeasurement m = MeasureSpeed(host, 3);
        QCOMPARE(host.skipped, 0);
        QCOMPARE(host.readings, 2);
        QCOMPARE(int(m.ComputerSpeed), 10000);
    }

    void PassesOfASecondOrMoreAreMeasuredAcrossTheSeconds() {
        // A busy machine: the passes take more than a second, so no attempt can end in
        // the second it began; the start-up must still end, with the time they took.
        ClockedHost host;
        host.nowUs = kNoon;
        host.usPerPass = 1400 * 1000 / kMeasuredPasses;
        const SpeedMeasurement m = MeasureSpeed(host, 3);
        QCOMPARE(host.readings, 2);
        QCOMPARE(m.DelayCalibration, 2500.0);
        QCOMPARE(int(m.ComputerSpeed), 2500);
        // Also across midnight.
        ClockedHost late;
        late.nowUs = 24LL * 3600 * 1000 * 1000 - 700 * 1000;  // 23:59:59.300
        late.usPerPass = 1400 * 1000 / kMeasuredPasses;
        QCOMPARE(int(MeasureSpeed(late, 1).ComputerSpeed), 2500);
    }

    void AClockThatNeverMovesEndsAtTheSlowestSetting() {
        ClockedHost host;
        host.nowUs = kNoon;
        const SpeedMeasurement m = MeasureSpeed(host, 3);
        QCOMPARE(host.readings, 6);
        QCOMPARE(int(m.ComputerSpeed), int(kSlowestSpeed));
    }

    void ClampRoundsHalvesToEven() {
        QCOMPARE(int(ClampComputerSpeed(10000.5)), 10000);
        QCOMPARE(int(ClampComputerSpeed(10001.5)), 10002);
        QCOMPARE(int(ClampComputerSpeed(999.4)), 1000);
        QCOMPARE(int(ClampComputerSpeed(3500000.0)), 25000);
    }
};

QTEST_GUILESS_MAIN(SpeedMeasurementTest)
#include "speed_measurement_test.moc"
