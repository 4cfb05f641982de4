// Normal Play in the main window, played by the mouse on the real table widget and by
// the single keys, at two window sizes: a chip clicked in the rack bets, a card dragged
// sideways splits, a click on a hand hits, a click on the dealer's card stands, and the
// advice box comes up beside the hand wherever the table is drawn.

#include "app/main_form.h"
#include "engine/run_loop.h"
#include "table/betting_rules.h"
#include "table/chips.h"
#include "table/player.h"
#include "strategy/strategy_table.h"
#include "tests/app/app_test_fixture.h"
#include "tests/support/stacked_shoe.h"
#include "ui/settings/strategy_form.h"
#include "ui/table/table_widget.h"
#include "ui/table/table_window.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

using namespace velmora;
using namespace velmora::testing;

namespace {

// The table as the player sees it: where a piece lies in the widget, and the mouse.
class Seat {
  public:
    explicit Seat(TableWindow& window) : window_(window) {}

    TPlayer& Player() { return window_.Player(); }
    TableWidget& Widget() { return window_.Widget(); }
    const TableScene& Scene() { return window_.Player().Scene; }

    // A logical point of the table, offset from a piece's centre, in widget pixels.
    QPoint At(SpriteId id, int dx = 0, int dy = 0) {
        const Sprite& s = Scene()[id];
        return Widget().Mapping().PointOf(s.Left + s.Width / 2 + dx, s.Top + s.Height / 2 + dy);
    }
    void Click(SpriteId id) { QTest::mouseClick(&Widget(), Qt::LeftButton, {}, At(id)); }
    // Press a piece's centre, carry it (dx, dy) logical pixels in two moves, release.
    void Drag(SpriteId id, int dx, int dy) {
        const QPoint from = At(id);
        QTest::mousePress(&Widget(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&Widget(), from + Offset(dx / 2, dy / 2));
        QTest::mouseMove(&Widget(), from + Offset(dx, dy));
        QTest::mouseRelease(&Widget(), Qt::LeftButton, {}, from + Offset(dx, dy));
    }
    // Where the engine's box corner at (left, top) of the table shows on the screen.
    QString ScreenText(int left, int top) {
        const QPoint p = Widget().mapToGlobal(Widget().Mapping().PointOf(left, top));
        return QString("%1,%2").arg(p.x()).arg(p.y());
    }

  private:
    QPoint Offset(int dx, int dy) {
        return Widget().Mapping().PointOf(dx, dy) - Widget().Mapping().PointOf(0, 0);
    }

    TableWindow& window_;
};

void Start(AppFixture& app, QSize size) {
    app.StartUp();
    Game& g = app.game();
    g.Options.ComputerSpeed = 1000;  // motions as fast as the table goes
    g.Options.BetTwoHands = false;
    g.Options.AdviceOn = true;
    g.Options.SoundOn = false;
    app.form->resize(size);
    app.form->show();
}

// Add the window sizes to a data-driven test.
void Sizes() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("1024x768") << QSize(1024, 768);
    QTest::newRow("1700x1200") << QSize(1700, 1200);
}

}  // namespace

class NormalPlayTest : public QObject {
    Q_OBJECT

  private slots:
    void AChipBetsADragSplitsAClickHitsAndStands_data() { Sizes(); }
    void AChipBetsADragSplitsAClickHitsAndStands() {
        QFETCH(QSize, size);
        AppFixture app;
        Start(app, size);
        Game& g = app.game();
        int stage = 0;
        double bankroll = 0, booked = 0;
        QString adviceAt;  // where the advice on standing on 12 was to show
        int hitHand = 0, handOneCards = 0;
        unsigned long long splits = 0;
        double won = 0, bookedNet = 0;
        app.RunTable(app.form->NormalPlayItem, [&] {
            TableWindow* window = app.form->TableWindowShown();
            if (!window) return false;
            Seat seat(*window);
            const TableScene& s = seat.Scene();
            if (stage == 0 && BettingNow(seat.Player())) {
                // Two eights against the dealer's ten, then a three and a four.
                StackShoe(g, {8, 10, 8, 7, 3, 4});
                bankroll = g.Bankroll;
                booked = g.StatsOf(1).HourNet;
                seat.Click(s.RackImage(*KindOfCode(g.Options.TableMinimum)));
                stage = 1;
            } else if (stage == 1 && DecidingNow(seat.Player())) {
                seat.Drag(s.CardPlace(1, 2), -60, 0);
                stage = 2;
            } else if (stage == 2 && DecidingNow(seat.Player())) {
                // Hand 1 (now 8 and 3) takes a card; then a stand on the dealer's card
                // is done with both hands, and standing on hand 3's 12 is judged.
                if (g.ActiveHand == 1 && g.Hand(1).NumCards == 2) {
                    hitHand = 1;
                    seat.Click(s.CardPlace(1, 1));
                } else {
                    adviceAt = seat.ScreenText(10, 50);
                    handOneCards = g.Hand(1).NumCards;
                    seat.Click(s.CardPlace(0, 1));
                }
            } else if (stage == 2 && BettingNow(seat.Player())) {
                // The round is over; the next bet is awaited.
                splits = g.StatsOf(1).Splits;
                won = g.Bankroll - bankroll;
                bookedNet = g.StatsOf(1).HourNet - booked;
                stage = 3;
                GameReset(g);
                return true;
            }
            return false;
        });
        QCOMPARE(stage, 3);
        QCOMPARE(splits, 1ull);
        QCOMPARE(hitHand, 1);
        QCOMPARE(handOneCards, 3);
        // Standing on 12 against a ten goes against the strategy: the advice box shows
        // beside that hand, at its place on the screen.
        QVERIFY(!adviceAt.isEmpty());
        QVERIFY2(!app.dialogs.boxes.filter("error " + adviceAt + ": ").isEmpty(),
                 qPrintable(app.dialogs.boxes.join(" | ")));
        QCOMPARE(won, bookedNet);
    }

    void TheKeysPlayOnlyWhatIsOffered_data() { Sizes(); }
    void TheKeysPlayOnlyWhatIsOffered() {
        QFETCH(QSize, size);
        AppFixture app;
        Start(app, size);
        Game& g = app.game();
        int stage = 0, cards = 0, total = 0;
        double bankroll = 0, won = 0, bet = 0;
        bool hitRefusedWhileBetting = false;
        app.RunTable(app.form->NormalPlayItem, [&] {
            TableWindow* window = app.form->TableWindowShown();
            if (!window) return false;
            Seat seat(*window);
            if (stage == 0 && BettingNow(seat.Player()) && app.form->BetItem->isVisible()) {
                // 16 against the dealer's ten; the hit brings a five.
                StackShoe(g, {10, 10, 6, 7, 5});
                bankroll = g.Bankroll;
                const uint16_t action = g.PlayerAction;
                QTest::keyClick(app.form.get(), Qt::Key_H);  // no hand to hit yet
                hitRefusedWhileBetting = BettingNow(seat.Player()) && g.PlayerAction == action;
                QTest::keyClick(app.form.get(), Qt::Key_Space);
                stage = 1;
            } else if (stage == 1 && DecidingNow(seat.Player()) && app.form->HitItem->isVisible()) {
                QTest::keyClick(app.form.get(), Qt::Key_I);  // the hint: the wait goes on
                stage = 2;
            } else if (stage == 2 && DecidingNow(seat.Player())) {
                QTest::keyClick(app.form.get(), Qt::Key_H);
                stage = 3;
            } else if (stage == 3 && DecidingNow(seat.Player())) {
                cards = g.Hand(1).NumCards;
                total = g.Hand(1).Total;
                QTest::keyClick(app.form.get(), Qt::Key_S);
                stage = 4;
            } else if (stage == 4 && BettingNow(seat.Player())) {
                won = g.Bankroll - bankroll;
                bet = g.CurrentBet;
                stage = 5;
                GameReset(g);
                return true;
            }
            return false;
        });
        QCOMPARE(stage, 5);
        QVERIFY(hitRefusedWhileBetting);
        QCOMPARE(cards, 3);
        QCOMPARE(total, 21);  // against the dealer's 17
        QCOMPARE(won, bet);
        QVERIFY2(!app.dialogs.boxes.filter("Hit").isEmpty(),
                 qPrintable(app.dialogs.boxes.join(" | ")));
    }

    // Alt+R, N starts Normal Play; the very first B then bets, as the keyboard is
    // the table's again and not the menu bar's.
    void AModeChosenByKeyboardLeavesTheKeysToTheTable() {
        AppFixture app;
        Start(app, QSize(1024, 768));
        app.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.form.get()));
        bool tried = false;
        double bet = 0;
        QTimer player;
        QObject::connect(&player, &QTimer::timeout, [&] {
            TableWindow* window = app.form->TableWindowShown();
            if (tried || !window || !app.form->BetItem->isVisible()) return;
            Seat seat(*window);
            if (!BettingNow(seat.Player())) return;
            tried = true;
            // The key goes where the platform sends it: to the widget with the focus.
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : app.form.get(), Qt::Key_B);
            bet = seat.Player().ChipsOnSpot(1);
            GameReset(app.game());
        });
        player.start(5);
        QTimer::singleShot(20000, [&] { GameReset(app.game()); });  // never hang
        QTest::keyClick(app.form.get(), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(app.form->RunMenu->isVisible());
        QTest::keyClick(app.form->RunMenu, Qt::Key_N);  // returns when the run has ended
        QVERIFY(tried);
        QCOMPARE(bet, 25.0);
    }

    // A settings window over the waiting table has the keyboard: the play keys do
    // nothing, its own accelerators win over the menu bar's, and the focus starts
    // on its first control.
    void ASettingsWindowKeepsTheKeysFromTheTable() {
        AppFixture app;
        Start(app, QSize(1024, 768));
        app.form->activateWindow();  // the menu bar's accelerators work in an active window
        QVERIFY(QTest::qWaitForWindowActive(app.form.get()));
        Game& g = app.game();
        bool opened = false, focusOnAControl = false, advanced = false, reset = false;
        bool stillOpen = false;
        double spot = -1;
        app.RunTable(app.form->NormalPlayItem, [&] {
            TableWindow* window = app.form->TableWindowShown();
            if (!window || opened) return opened;
            Seat seat(*window);
            if (!BettingNow(seat.Player()) || !app.form->BetItem->isVisible()) return false;
            opened = true;
            QTimer::singleShot(0, [&] {
                TStrategyForm* editor = app.form->StrategyWindow();
                QWidget* focus = app.form->focusWidget();
                focusOnAControl = editor && focus && focus != editor && editor->isAncestorOf(focus);
                for (Qt::Key key : {Qt::Key_Space, Qt::Key_B, Qt::Key_H, Qt::Key_R, Qt::Key_S})
                    QTest::keyClick(app.form->focusWidget(), key);
                QTest::keyClick(app.form->focusWidget(), Qt::Key_S, Qt::AltModifier);
                StrategyTable expected;
                SetStrategyToAdvanced(expected, g.Options.SurrenderAllowed);
                advanced = g.Strategy == expected;
                QTest::keyClick(app.form->focusWidget(), Qt::Key_R, Qt::AltModifier);
                ResetStrategyToDefault(expected);
                reset = g.Strategy == expected;
                stillOpen = g.StrategyWindowOpen;
                spot = seat.Player().ChipsOnSpot(1);
                app.form->CloseSettingsWindows();
            });
            app.form->PlayingStrategyItem->trigger();
            GameReset(g);
            return true;
        });
        QVERIFY(opened);
        QVERIFY(focusOnAControl);
        QCOMPARE(spot, 0.0);  // no bet was made behind the window
        QVERIFY(advanced);
        QVERIFY(reset);
        QVERIFY(stillOpen);  // Alt+R did not open the Run menu, which closes the window
    }
};

QTEST_MAIN(NormalPlayTest)
#include "normal_play_test.moc"
