#include "tests/app/app_test_fixture.h"

#include "app/about_hit_box.h"
#include "app/betting_strategies_box.h"
#include "engine/run_loop.h"
#include "tests/ui/modal_answerer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace velmora::testing {

AppFixture::AppFixture() {
    oldFolder_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    form = std::make_unique<TMainForm>(dialogs);
    form->resize(1024, 768);
    form->SetAnalysisChunkBlocks(kTestChunkBlocks);
}

AppFixture::~AppFixture() {
    form.reset();
    QDir::setCurrent(oldFolder_);
}

void AppFixture::StartUp() {
    AnswerNextModal([](QWidget* w) {
        if (auto* box = qobject_cast<TAboutHitBox*>(w)) box->OKButton->click();
    });
    form->StartUp();
}

QString PlacementFault(const QWidget& window, const TMainForm& main) {
    const QRect screen = main.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    if (!screen.contains(frame))
        return QString("frame %1,%2 %3x%4 leaves the screen %5x%6")
            .arg(frame.x())
            .arg(frame.y())
            .arg(frame.width())
            .arg(frame.height())
            .arg(screen.width())
            .arg(screen.height());
    const QMenuBar* bar = main.menuBar();
    const int menuBottom = bar->mapToGlobal(QPoint(0, bar->height())).y();
    if (frame.top() < menuBottom)
        return QString("frame top %1 over the menu bar ending at %2")
            .arg(frame.top())
            .arg(menuBottom);
    return {};
}

void AppFixture::RunAnalysis(const std::function<bool()>& during, int timeoutMs,
                             bool answerIntro) {
    if (answerIntro && !game().Options.HideBettingIntro) {
        AnswerNextModal([](QWidget* w) {
            if (auto* box = qobject_cast<TBettingStrategiesBox*>(w)) box->OKButton->click();
        });
    }
    QElapsedTimer clock;
    clock.start();
    QTimer watcher;
    bool finished = false;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (finished) return;
        if (during() || clock.elapsed() > timeoutMs) {
            finished = true;
            GameReset(game());
        }
    });
    watcher.start(5);
    form->BettingAnalysisItem->trigger();
    watcher.stop();
}

void AppFixture::RunSimulation(const std::function<bool()>& during, int timeoutMs) {
    RunTable(form->ComputerSimulatedPlayItem, during, timeoutMs);
}

void AppFixture::RunTable(QAction* item, const std::function<bool()>& during, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QTimer watcher;
    bool finished = false, inside = false;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (finished || inside) return;
        if (clock.elapsed() > timeoutMs) {
            finished = true;
            GameReset(game());
        } else {
            inside = true;
            finished = during();
            inside = false;
        }
    });
    watcher.start(2);
    item->trigger();
    watcher.stop();
}

}  // namespace velmora::testing
