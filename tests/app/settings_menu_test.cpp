// The Options menu in the main window: each settings window opened from its item,
// left by its exit button or by a click on a top menu, what is then written to the
// options file, and the rules window during an analysis.

#include "io/options_file.h"
#include "settings/prefs_editor.h"
#include "settings/rules_editor.h"
#include "tests/app/app_test_fixture.h"
#include "ui/settings/prefer_form.h"
#include "ui/settings/rules_form.h"
#include "ui/settings/strategy_form.h"

#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace velmora;
using namespace velmora::testing;

namespace {

constexpr int kStrategyCopyOffset = 20;
constexpr int kSoundOnOffset = 15;

QByteArray ReadFile(const QString& name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QByteArray DefaultStrategyBytes() {
    StrategyTable table;
    ResetStrategyToDefault(table);
    return QByteArray(reinterpret_cast<const char*>(table.Bytes().data()), kStrategyBytes);
}

// Chooses `item`; once its window waits, `act` plays the player's part. A window
// still open after a few seconds is closed, so a failing test cannot hang; the
// return value says whether that was needed.
bool TimedOutWhileOpen(AppFixture& app, QAction* item, const std::function<void()>& act) {
    QTimer player;
    player.setSingleShot(true);
    QObject::connect(&player, &QTimer::timeout, act);
    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        app.form->CloseSettingsWindows();
    });
    player.start(0);
    watchdog.start(5000);
    item->trigger();
    return timedOut;
}

// A click on a top menu's title; the menu that opens is closed again unused.
void ClickTopMenu(TMainForm& form, QMenu* menu) {
    QMenuBar* bar = form.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QVERIFY(menu->isVisible());
    menu->hide();
}

// A started program showing its main window, with no options file left.
struct Started : AppFixture {
    Started() {
        StartUp();
        form->show();
        QFile::remove("VLM.PRM");
    }
};

}  // namespace

class SettingsMenuTest : public QObject {
    Q_OBJECT

private slots:
    void TheStrategyWindowOpenedAndLeftAtOnceWritesNothing() {
        Started app;
        bool wasOpen = false;
        QVERIFY(!TimedOutWhileOpen(app, app.form->PlayingStrategyItem, [&] {
            TStrategyForm* window = app.form->StrategyWindow();
            QVERIFY(window);
            wasOpen = app.game().StrategyWindowOpen && window->isVisible();
            QCOMPARE(window->SaveButton->text(), QString("E&xit"));
            window->SaveButton->click();
        }));
        QVERIFY(wasOpen);
        QVERIFY(!app.form->StrategyWindow());
        QVERIFY(!app.game().StrategyWindowOpen);
        QVERIFY(!QFile::exists("VLM.PRM"));
    }

    void AcesAndExitWriteTheStrategyButAskNothingAtClose() {
        Started app;
        QVERIFY(!TimedOutWhileOpen(app, app.form->PlayingStrategyItem, [&] {
            TStrategyForm* window = app.form->StrategyWindow();
            window->HandClassButton(422)->click();  // "Aces"
            QCOMPARE(window->SaveButton->text(), QString("Save && E&xit"));
            window->SaveButton->click();
        }));
        const QByteArray file = ReadFile("VLM.PRM");
        QCOMPARE(file.size(), 3904);
        QCOMPARE(file.mid(kStrategyCopyOffset, kStrategyBytes), DefaultStrategyBytes());
        QVERIFY(!app.game().OptionsChanged);
        app.dialogs.answers = {true};
        QVERIFY(app.form->close());
        QCOMPARE(app.dialogs.boxes, QStringList({"yes/cancel: CLOSE BlackJack?"}));
    }

    void LeavingTheStrategyWindowByATopMenuStoresTheRowButSavesNothing() {
        Started app;
        QVERIFY(!TimedOutWhileOpen(app, app.form->PlayingStrategyItem, [&] {
            TStrategyForm* window = app.form->StrategyWindow();
            window->CheckBox(2)->click();  // on "2's"
            ClickTopMenu(*app.form, app.form->FileMenu);
        }));
        QVERIFY(!app.form->StrategyWindow());
        QCOMPARE(int(app.game().Strategy.Cell(404, 2)), 0);
        QCOMPARE(int(app.game().Strategy.Cell(404, 3)), 1);
        QVERIFY(!QFile::exists("VLM.PRM"));
    }

    void TheRulesWindowLeftAtOnceWritesTheFileAndKeepsTheShoe() {
        Started app;
        app.game().CardsDealt = 7;
        QVERIFY(!TimedOutWhileOpen(app, app.form->CasinoRulesItem, [&] {
            TRulesForm* window = app.form->RulesWindow();
            QVERIFY(app.game().RulesWindowOpen);
            window->ExitButton->click();
        }));
        QVERIFY(!app.form->RulesWindow());
        QCOMPARE(ReadFile("VLM.PRM").size(), 3904);
        QCOMPARE(app.game().CardsDealt, 7);
        QVERIFY(!app.game().OptionsChanged);
    }

    void EightDecksRebuildTheShoeWhenTheWindowCloses() {
        Started app;
        QVERIFY(!TimedOutWhileOpen(app, app.form->CasinoRulesItem, [&] {
            TRulesForm* window = app.form->RulesWindow();
            window->Item(RulesEditor::kDecksGroup, 4)->click();  // "8 Decks"
            QCOMPARE(app.game().ShoeSize, 104);                  // not while the window is open
            window->ExitButton->click();
        }));
        QCOMPARE(app.game().ShoeSize, 416);
        QCOMPARE(ReadFile("VLM.PRM").left(2), QByteArray("\x08\x00", 2));
    }

    void ARuleLeftThroughTheRunMenuIsLostButOfferedForSavingAtExit() {
        Started app;
        QVERIFY(!TimedOutWhileOpen(app, app.form->CasinoRulesItem, [&] {
            app.form->RulesWindow()->CheckBox(RulesEditor::kSurrenderBox)->click();
            ClickTopMenu(*app.form, app.form->RunMenu);
        }));
        QVERIFY(!app.game().Options.SurrenderAllowed);
        QVERIFY(app.game().OptionsChanged);
        QVERIFY(!QFile::exists("VLM.PRM"));
        app.dialogs.answers = {true, false};
        QVERIFY(app.form->close());
        QCOMPARE(app.dialogs.boxes,
                 QStringList({"yes/cancel: CLOSE BlackJack?",
                              "yes/no: EXIT VLM - Do You Want to Save OPTIONS?"}));
    }

    void PreferencesLeftThroughTheOptionsMenuKeepTheSpeedButNotTheBoxes() {
        Started app;
        QVERIFY(!TimedOutWhileOpen(app, app.form->OtherPreferencesItem, [&] {
            TPreferForm* window = app.form->PreferencesWindow();
            window->ScrollBar1->triggerAction(QAbstractSlider::SliderToMinimum);
            window->CheckBox(PrefsEditor::kSoundBox)->click();
            ClickTopMenu(*app.form, app.form->OptionsMenu);
        }));
        QVERIFY(!app.form->PreferencesWindow());
        QCOMPARE(int(app.game().Options.ComputerSpeed), 1000);
        QVERIFY(app.game().Options.SoundOn);
        QVERIFY(!QFile::exists("VLM.PRM"));
    }

    void ASettingsWindowCoversTheClientAreaAtAnySize() {
        Started app;
        QRect before, after, client;
        QVERIFY(!TimedOutWhileOpen(app, app.form->OtherPreferencesItem, [&] {
            TPreferForm* window = app.form->PreferencesWindow();
            before = window->geometry();
            app.form->resize(700, 520);
            QTest::qWait(50);
            after = window->geometry();
            client = app.form->centralWidget()->rect();
            // Every control still fits.
            QVERIFY(window->ExitButton->geometry().bottom() < window->Panel2->height());
            QVERIFY(window->Panel2->geometry().right() < window->width());
            window->ExitButton->click();
        }));
        QCOMPARE(before.topLeft(), QPoint(0, 0));
        QCOMPARE(after, client);
        QVERIFY(before != after);
    }

    void ClosingTheProgramWhileAWindowWaitsAsksOnceAndClosesAfterTheWait() {
        Started app;
        app.dialogs.answers = {true, false};
        bool closedAtOnce = true;
        QVERIFY(!TimedOutWhileOpen(app, app.form->CasinoRulesItem,
                                   [&] { closedAtOnce = app.form->close(); }));
        QVERIFY(!closedAtOnce);  // the command was still waiting on the stack
        QVERIFY(!app.game().RulesWindowOpen);
        QTRY_VERIFY(!app.form->isVisible());
        // Opening the rules window counts as a change, so the save question comes.
        QCOMPARE(app.dialogs.boxes,
                 QStringList({"yes/cancel: CLOSE BlackJack?",
                              "yes/no: EXIT VLM - Do You Want to Save OPTIONS?"}));
        QVERIFY(!QFile::exists("VLM.PRM"));
    }

    void ChangesDuringAnAnalysis_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("runGoesOn");
        QTest::newRow("sound off") << QString("sound off") << true;
        QTest::newRow("$100 table") << QString("$100") << true;
        QTest::newRow("4 decks") << QString("4 Decks") << false;
    }
    // The preferences and the table minimum leave the analysis going; the decks end
    // it. Each saves the options file as its window closes.
    void ChangesDuringAnAnalysis() {
        QFETCH(QString, change);
        QFETCH(bool, runGoesOn);
        Started app;
        app.game().Options.HideBettingIntro = true;
        const bool decks = change == "4 Decks";
        QAction* item =
            change == "sound off" ? app.form->OtherPreferencesItem : app.form->CasinoRulesItem;
        enum Stage { Playing, Closed, RanOn } stage = Playing;
        unsigned blocksAtClose = 0;
        QByteArray fileAtClose;
        bool timedOut = false;
        // The analysis's own timer does not fire again while its handler waits for the
        // window, so the player acts from a timer of its own.
        const auto play = [&] {
            if (TPreferForm* prefs = app.form->PreferencesWindow()) {
                prefs->CheckBox(PrefsEditor::kSoundBox)->click();
                prefs->ExitButton->click();
            } else if (TRulesForm* rules = app.form->RulesWindow()) {
                rules->Item(decks ? RulesEditor::kDecksGroup : RulesEditor::kMinimumGroup, 2)
                    ->click();
                rules->ExitButton->click();
            }
        };
        app.RunAnalysis(
            [&] {
                Game& g = app.game();
                if (stage == Playing && Blocks(g) >= 2) {
                    timedOut = TimedOutWhileOpen(app, item, play);  // the analysis waits
                    stage = Closed;
                    blocksAtClose = Blocks(g);
                    fileAtClose = ReadFile("VLM.PRM");
                } else if (stage == Closed && Blocks(g) > blocksAtClose + 2) {
                    stage = RanOn;
                    return true;
                }
                return false;
            },
            20000);
        QVERIFY(!timedOut);
        QCOMPARE(stage == RanOn, runGoesOn);
        QCOMPARE(fileAtClose.size(), 3904);
        if (change == "sound off") {
            QCOMPARE(int(fileAtClose[kSoundOnOffset]), 0);
        } else if (decks) {
            QCOMPARE(int(app.game().Options.Decks), 4);
            QCOMPARE(app.game().ShoeSize, 208);
            QVERIFY(!app.form->ResultsWindow());
        } else {
            QCOMPARE(int(app.game().Options.TableMinimum), 100);
        }
    }
};

QTEST_MAIN(SettingsMenuTest)
#include "settings_menu_test.moc"
