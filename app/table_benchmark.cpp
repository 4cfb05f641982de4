#include "app/table_benchmark.h"

#include "app/main_form.h"
#include "engine/run_loop.h"
#include "table/motion.h"
#include "table/player.h"
#include "ui/table/table_widget.h"
#include "ui/table/table_window.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace velmora {

namespace {

constexpr uint16_t kSettings[] = {1000, 8000, 25000};
constexpr QSize kTableSize(1920, 1080);
constexpr int kRepaintSteps = 120;
constexpr int kRoundPollMs = 2;

double TimeMs(const std::function<void()>& work) {
    QElapsedTimer clock;
    clock.start();
    work();
    return clock.nsecsElapsed() / 1e6;
}

long long RoundsPlayed(const Game& g) {
    if (g.HourBlocks == 0) return 0;
    return (static_cast<long long>(g.HourBlocks) - 1) * 100 + g.RoundsInBatch;
}

TPlayer& OpenTable(TMainForm& form) {
    Game& g = form.GameState();
    g.Table = form.OpenTable();
    g.TableShown = true;
    g.PracticeDeckMode = false;
    QCoreApplication::processEvents();
    return form.TableWindowShown()->Player();
}

// The single motions, each from a cleared table.
void TimeMotions(TMainForm& form, MotionTimings& m) {
    Game& g = form.GameState();
    TPlayer& t = OpenTable(form);
    g.Options.ComputerSpeed = m.ComputerSpeed;
    TCard ace{11, 11, -1, 1, -1};
    TCard king{10, 2, -1, 13, 0};
    t.ClearTable();
    m.PlayerCardMs = TimeMs([&] { t.DealCard(ace, 1, 1); });
    m.DealerCardMs = TimeMs([&] { t.DealCard(ace, 0, 1); });
    t.DealCard(king, 0, 2);
    g.Hands[kDealer].Cards[2] = king;
    g.Hands[kDealer].Finished = false;
    m.FlipMs = TimeMs([&] { t.FlipHoleCard(); });

    TableScene& scene = t.Scene;
    const SpriteId bet = scene.BetSlot(1, 1), stake = scene.BetSlot(1, 2);
    scene[bet].Pic = {PictureKind::Chip, 25};
    scene[bet].Tag = 25;
    scene[bet].Visible = true;
    // Bet1 to Bet11 is 48 pixels: a short glide; the rack's 25s to Bet1 a long one.
    m.ShortGlideMs = TimeMs([&] { GlideChip(t, bet, stake, true, true); });
    m.LongGlideMs = TimeMs([&] { GlideChip(t, scene.RackImage(2), bet, true, true); });
    t.ClearTable();
}

// Rounds of Computer Simulated Play from the Run menu's command, timed between the
// round counter's steps.
void TimeRounds(TMainForm& form, MotionTimings& m, int rounds) {
    Game& g = form.GameState();
    g.Options.ComputerSpeed = m.ComputerSpeed;
    std::vector<double> ends;
    QElapsedTimer clock;
    long long last = -1;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        // A "GAME OVER" question ends the measurement.
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->reject();
        const long long played = RoundsPlayed(g);
        if (played == last) return;
        last = played;
        ends.push_back(clock.nsecsElapsed() / 1e6);
        if (int(ends.size()) > rounds) GameReset(g);
    });
    QEventLoop done;
    QTimer::singleShot(0, [&] {
        clock.start();
        poll.start(kRoundPollMs);
        form.RunMode(Mode::Simulation);
        poll.stop();
        done.quit();
    });
    done.exec();
    GameReset(g);
    for (size_t i = 1; i < ends.size(); ++i) {
        const double ms = ends[i] - ends[i - 1];
        m.RoundMinMs = m.Rounds == 0 ? ms : std::min(m.RoundMinMs, ms);
        m.RoundMaxMs = std::max(m.RoundMaxMs, ms);
        m.RoundMeanMs += ms;
        ++m.Rounds;
    }
    if (m.Rounds > 0) m.RoundMeanMs /= m.Rounds;
}

// One step of a piece: the widget updates its old and new places, and the event pass
// that paints them and puts them on the screen.
double StepCost(TableWidget& widget, Sprite& piece, int dx, int dy) {
    piece.Left += dx;
    piece.Top += dy;
    return TimeMs([&] {
        widget.UpdateChanged();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

void Accumulate(double ms, double& mean, double& worst, int steps) {
    mean += ms / steps;
    worst = std::max(worst, ms);
}

RepaintCost MeasureRepaint(TMainForm& form) {
    TPlayer& t = OpenTable(form);
    TableWidget& widget = form.TableWindowShown()->Widget();
    widget.WarmUp();
    RepaintCost cost;
    cost.Size = widget.size();
    cost.Steps = kRepaintSteps;
    t.ClearTable();
    QCoreApplication::processEvents();
    Sprite& card = t.Scene[t.Scene.CardPlace(1, 1)];
    card.Pic = {PictureKind::CardFace, 12};
    card.MoveTo(kShoeLeft, 0);
    card.Visible = true;
    Sprite& chip = t.Scene[t.Scene.MovingChip];
    chip.Pic = {PictureKind::Chip, 100};
    chip.MoveTo(590, 195);
    chip.Visible = true;
    StepCost(widget, card, 0, 0);
    const long long paintsBefore = widget.Paints();
    for (int i = 0; i < kRepaintSteps; ++i) {
        Accumulate(StepCost(widget, card, 1, 2), cost.CardStepMeanMs, cost.CardStepWorstMs,
                   kRepaintSteps);
        Accumulate(StepCost(widget, chip, -3, 1), cost.ChipStepMeanMs, cost.ChipStepWorstMs,
                   kRepaintSteps);
    }
    cost.Paints = widget.Paints() - paintsBefore;
    cost.WholeTableMs = TimeMs([&] { widget.repaint(); });
    card.Visible = chip.Visible = false;
    widget.UpdateChanged();
    return cost;
}

}  // namespace

std::string TableBenchmarkResult::Report() const {
    std::string out;
    char line[320];
    std::snprintf(line, sizeof line, "table motions in real time (platform %s)\n",
                  Platform.toUtf8().constData());
    out += line;
    for (const MotionTimings& m : Speeds) {
        std::snprintf(line, sizeof line,
                      "  ComputerSpeed %5u: player card %6.1f ms, dealer card %6.1f ms, "
                      "chip glide short %6.1f ms / long %6.1f ms, hole-card flip %6.1f ms, "
                      "round of computer play %7.0f ms (mean of %d, %0.f..%0.f)\n",
                      unsigned(m.ComputerSpeed), m.PlayerCardMs, m.DealerCardMs, m.ShortGlideMs,
                      m.LongGlideMs, m.FlipMs, m.RoundMeanMs, m.Rounds, m.RoundMinMs, m.RoundMaxMs);
        out += line;
    }
    const RepaintCost& r = Repaint;
    std::snprintf(line, sizeof line,
                  "repaint of one motion step on a %dx%d table (%d steps each, %lld paints): "
                  "card %.3f ms (worst %.3f), chip %.3f ms (worst %.3f); whole table %.2f ms\n",
                  r.Size.width(), r.Size.height(), r.Steps, r.Paints, r.CardStepMeanMs,
                  r.CardStepWorstMs, r.ChipStepMeanMs, r.ChipStepWorstMs, r.WholeTableMs);
    out += line;
    return out;
}

TableBenchmarkResult RunTableBenchmark(TMainForm& form, int rounds) {
    form.StartUpForBenchmark();
    form.resize(kTableSize.width(), kTableSize.height() + form.menuBar()->sizeHint().height());
    TableBenchmarkResult result;
    result.Platform = QGuiApplication::platformName();
    result.Repaint = MeasureRepaint(form);
    for (uint16_t speed : kSettings) {
        MotionTimings m;
        m.ComputerSpeed = speed;
        TimeMotions(form, m);
        TimeRounds(form, m, rounds);
        result.Speeds.push_back(m);
    }
    return result;
}

}  // namespace velmora
