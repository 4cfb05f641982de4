#include "app/analysis_benchmark.h"

#include "analysis/analysis_runner.h"
#include "ui/analysis/sim_form.h"
#include "app/main_form.h"
#include "engine/run_loop.h"
#include "ui/qt_host.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <thread>

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
                  "analysis in the window (%d worker threads): %lld rounds in %.2f s = %.0f "
                  "rounds/s; "
                  "%lld event passes, %d redraws, events at most %.1f ms late",
                  Threads, Rounds, Seconds, RoundsPerSecond(), EventPasses, Redraws, WorstEventDelayMs);
    return line;
}

BenchmarkResult RunAnalysisBenchmark(TMainForm& form, double seconds) {
    form.StartUpForBenchmark();
    Game& game = form.GameState();
    BenchmarkResult result;
    result.Threads = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
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

std::string CompareWithTool(const BenchmarkResult& window, TMainForm& form, double seconds) {
    Game& game = form.GameState();
    AnalysisRequest q;
    q.Rules = game.Options;
    q.Rules.SingleStrategyView = false;
    q.Strategy = game.Strategy;
    q.Seconds = seconds;
    q.Seed = 1;
    q.Threads = 1;
    const double one = RunAnalysis(q).RoundsPerSecond();
    q.Threads = window.Threads;
    const double all = RunAnalysis(q).RoundsPerSecond();
    char text[512];
    std::snprintf(text, sizeof text,
                  "headless tool, same rules, %.1f s each: 1 thread %.0f rounds/s, %d threads "
                  "%.0f rounds/s\n"
                  "window / tool on 1 thread = %.2f; window / tool on %d threads = %.2f\n",
                  seconds, one, window.Threads, all, one > 0 ? window.RoundsPerSecond() / one : 0,
                  window.Threads, all > 0 ? window.RoundsPerSecond() / all : 0);
    return text;
}

}  // namespace velmora
