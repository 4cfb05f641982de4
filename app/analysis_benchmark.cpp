#include "app/analysis_benchmark.h"

#include "analysis/sim_form.h"
#include "app/main_form.h"
#include "engine/run_loop.h"
#include "ui/qt_host.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace velmora {

namespace {

constexpr int kProbeMs = 10;

long long RoundsPlayed(const Game& g) {
    if (g.HourBlocks == 0) return 0;
    return (static_cast<long long>(g.HourBlocks) - 1) * 100 + g.RoundsInBatch;
}

}  // namespace

std::string BenchmarkResult::Report() const {
    char line[256];
    std::snprintf(line, sizeof line,
                  "analysis in the window: %lld rounds in %.2f s = %.0f rounds/s; "
                  "%lld event passes, %d redraws, events at most %.1f ms late",
                  Rounds, Seconds, RoundsPerSecond(), EventPasses, Redraws, WorstEventDelayMs);
    return line;
}

BenchmarkResult RunAnalysisBenchmark(TMainForm& form, double seconds) {
    form.StartUpForBenchmark();
    Game& game = form.GameState();
    BenchmarkResult result;
    QElapsedTimer clock;
    long long passesAtStart = 0;

    // A timer that should fire every kProbeMs: how late it comes is how late a menu
    // click would be handled.
    QElapsedTimer sinceProbe;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (sinceProbe.isValid())
            result.WorstEventDelayMs =
                std::max(result.WorstEventDelayMs, sinceProbe.nsecsElapsed() / 1e6 - kProbeMs);
        sinceProbe.restart();
    });

    QTimer::singleShot(qRound(seconds * 1000), Qt::PreciseTimer, [&] {
        result.Seconds = clock.nsecsElapsed() / 1e9;
        result.Rounds = RoundsPlayed(game);
        result.EventPasses = form.Host().EventPasses() - passesAtStart;
        if (form.ResultsWindow()) result.Redraws = form.ResultsWindow()->Redraws();
        probe.stop();
        GameReset(game);
    });

    QEventLoop done;
    QTimer::singleShot(0, [&] {
        passesAtStart = form.Host().EventPasses();
        probe.start(kProbeMs);
        clock.start();
        form.RunMode(Mode::Analysis);
        done.quit();
    });
    done.exec();
    return result;
}

}  // namespace velmora
