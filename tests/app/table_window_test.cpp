// Computer Simulated Play on the table in the main window: the table opens as a child
// filling the client area under its caption, and a reset, another mode or closing the
// program in the middle of a deal ends the run cleanly with no table left behind.

#include "ui/table/table_window.h"
#include "app/main_form.h"
#include "engine/run_loop.h"
#include "table/player.h"
#include "tests/app/app_test_fixture.h"
#include "ui/table/table_widget.h"

#include <QPointer>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

// A dealt card is on its way from the shoe: the engine is inside the table's motion.
bool CardInFlight(TMainForm& form) {
    TableWindow* window = form.TableWindowShown();
    if (!window) return false;
    const TableScene& scene = window->Player().Scene;
    for (int hand = 0; hand < kHandCount; ++hand)
        for (int k = 1; k <= 9; ++k) {
            const Sprite& place = scene[scene.CardPlace(hand, k)];
            int left, top, width, height;
            TableScene::CardHome(hand, k, left, top, width, height);
            if (place.Visible && place.Top < top && place.Pic.Kind == PictureKind::CardFace)
                return true;
        }
    return false;
}

// Table windows still in existence once the deletions asked for have been done.
qsizetype TablesAlive(TMainForm& form) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return form.findChildren<TableWindow*>().size();
}

void StartFast(AppFixture& app) {
    app.StartUp();
    app.game().Options.ComputerSpeed = 8000;
    app.game().Options.HideBettingIntro = true;
    app.form->show();
}

}  // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void TheTableFillsTheClientAreaUnderItsCaption() {
        AppFixture app;
        StartFast(app);
        QRect table, client;
        QString title;
        bool painted = false;
        app.RunSimulation([&] {
            if (!CardInFlight(*app.form)) return false;
            TableWindow* window = app.form->TableWindowShown();
            table = window->geometry();
            client = app.form->centralWidget()->rect();
            title = app.form->windowTitle();
            painted = window->Widget().Paints() > 0;
            app.form->ResetGameItem->trigger();
            return true;
        });
        QCOMPARE(table, client);
        QCOMPARE(title, QString("Velmora 32 - [CASINO BLACKJACK]"));
        QVERIFY(painted);
        // The idle window is as before the run.
        QCOMPARE(app.form->windowTitle(), QString("Velmora 32"));
        QCOMPARE(TablesAlive(*app.form), 0);
    }

    void ResetDuringADealLeavesNoTable() {
        AppFixture app;
        StartFast(app);
        bool goneAtOnce = false, retiredHidden = false, deletedUnderTheRun = false;
        QPointer<TableWindow> retired;
        app.RunSimulation([&] {
            if (retired) return false;
            if (!CardInFlight(*app.form)) return false;
            retired = app.form->TableWindowShown();
            app.form->ResetGameItem->trigger();
            // The engine is still inside this table's motion: the window is out of
            // sight and its motions end, but it is not deleted under the engine.
            goneAtOnce = !app.form->TableWindowShown();
            retiredHidden = !retired->isVisible() && retired->Player().Closed();
            // Events handled while the run unwinds must not delete it either.
            QObject::connect(retired, &QObject::destroyed,
                             [&] { deletedUnderTheRun = app.game().RunInProgress; });
            return false;
        });
        QVERIFY(goneAtOnce);
        QVERIFY(retiredHidden);
        QVERIFY(!deletedUnderTheRun);
        QCOMPARE(TablesAlive(*app.form), 0);
        QVERIFY(!app.game().Table);
        QVERIFY(!app.game().TableShown);
        QCOMPARE(app.form->windowTitle(), QString("Velmora 32"));
    }

    void AnotherModeDuringADealStopsThePlayAndStartsIt() {
        AppFixture app;
        StartFast(app);
        int stage = 0;
        bool tableDuringAnalysis = true;
        app.RunSimulation([&] {
            if (stage == 0 && CardInFlight(*app.form)) {
                app.form->BettingAnalysisItem->trigger();
                stage = 1;
            } else if (stage == 1 && app.form->ResultsWindow() && Blocks(app.game()) >= 1) {
                tableDuringAnalysis = app.form->TableWindowShown() != nullptr;
                app.form->ResetGameItem->trigger();
                return true;
            }
            return false;
        });
        QCOMPARE(stage, 1);
        QVERIFY(!tableDuringAnalysis);
        QVERIFY(!app.form->ResultsWindow());
        QCOMPARE(TablesAlive(*app.form), 0);
    }

    void ClosingDuringADealEndsTheProgramCleanly() {
        AppFixture app;
        StartFast(app);
        bool closedAtOnce = true;
        app.RunSimulation([&] {
            if (!CardInFlight(*app.form)) return false;
            app.dialogs.answers = {true};
            closedAtOnce = app.form->close();
            return true;
        });
        // The close waited for the run to return, which it did at once as the table's
        // motions stopped waiting; then the window closed by itself.
        QVERIFY(!closedAtOnce);
        QTRY_VERIFY(!app.form->isVisible());
        QCOMPARE(app.dialogs.boxes, QStringList({"yes/cancel: CLOSE BlackJack?"}));
        QVERIFY(app.game().Closing);
    }
};

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
