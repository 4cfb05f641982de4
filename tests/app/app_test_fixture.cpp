#include "tests/app/app_test_fixture.h"

#include "app/about_hit_box.h"
#include "app/betting_strategies_box.h"
#include "engine/run_loop.h"
#include "tests/ui/modal_answerer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
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
