// The main window: start-up with and without an options file, the menu bar item by
// item, the play commands, and the exit questions.

#include "app/about_hit_box.h"
#include "app/help_window.h"
#include "app/main_form.h"
#include "io/options_file.h"
#include "tests/app/app_test_fixture.h"
#include "tests/ui/modal_answerer.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

QStringList Captions(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions) out << a->text();
    return out;
}

QByteArray ReadFile(const QString& name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

constexpr int kFirstStartOffset = 17;

void ExpectDefaultRules(const Game& g) {
    QCOMPARE(int(g.Options.Decks), 2);
    QCOMPARE(int(g.Options.Penetration), 3);
    QCOMPARE(int(g.Options.TableMinimum), 25);
    QVERIFY(!g.Options.SurrenderAllowed);
    QVERIFY(!g.Options.DealerHitsSoft17);
    QVERIFY(g.Options.DoubleAnyHand);
    QVERIFY(g.Options.DoubleAfterSplit);
    QVERIFY(g.Options.ResplitAllowed);
    QVERIFY(g.Options.BetTwoHands);
    QVERIFY(g.Options.SoundOn);
    QVERIFY(g.Options.AdviceOn);
}

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT

private slots:
    void FirstStartShowsMouseMovesAndWritesTheOptionsFile() {
        AppFixture app;
        QVERIFY(!QFile::exists("VLM.PRM"));
        QString boxTitle, heading;
        int lines = 0;
        bool fileExistedWhileBoxWasUp = true;
        AnswerNextModal([&](QWidget* w) {
            auto* box = qobject_cast<TAboutHitBox*>(w);
            QVERIFY(box);
            boxTitle = box->windowTitle();
            heading = box->Heading->text();
            for (QLabel* l : box->findChildren<QLabel*>())
                if (TAboutHitBox::Lines().contains(l->text())) ++lines;
            fileExistedWhileBoxWasUp = QFile::exists("VLM.PRM");
            QCOMPARE(box->OKButton->text(), QString("&OK"));
            box->OKButton->click();
        });
        app.form->StartUp();

        QCOMPARE(boxTitle, QString("Mouse Moves"));
        QCOMPARE(heading, QString("WITH YOUR MOUSE:"));
        QCOMPARE(lines, 7);
        QVERIFY(!fileExistedWhileBoxWasUp);
        const QByteArray file = ReadFile("VLM.PRM");
        QCOMPARE(file.size(), 3904);
        QCOMPARE(int(file[kFirstStartOffset]), 0);
        QCOMPARE(file.mid(3888, 12), QByteArray("\x0bVersion 1.4"));
        const Game& g = app.game();
        ExpectDefaultRules(g);
        QVERIFY(!g.Options.FirstStart);
        QVERIFY(g.StartupDone);
        QVERIFY(g.ShoeBuilt);
        QVERIFY(g.Options.ComputerSpeed >= 1000 && g.Options.ComputerSpeed <= 25000);
        QCOMPARE(app.form->windowTitle(), QString("Velmora 32"));
        QVERIFY(app.dialogs.boxes.isEmpty());
    }

    void ALaterStartReadsTheFileAndShowsNoBox() {
        AppFixture app;
        app.StartUp();
        app.game().Options.TableMinimum = 5;
        app.game().Options.Decks = 6;
        app.game().Options.ComputerSpeed = 3000;  // the player's speed outlives a restart
        QVERIFY(SaveOptions(app.game()));

        app.form = std::make_unique<TMainForm>(app.dialogs);
        bool boxCame = false;
        AnswerNextModal(
            [&](QWidget* w) {
                boxCame = true;
                if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
            },
            200);
        app.form->StartUp();
        QTest::qWait(400);  // the answerer has given up by now
        QVERIFY(!boxCame);
        QCOMPARE(int(app.game().Options.TableMinimum), 5);
        QCOMPARE(int(app.game().Options.Decks), 6);
        QCOMPARE(int(app.game().Options.ComputerSpeed), 3000);
        QVERIFY(!app.game().Options.FirstStart);
    }

    void GarbledOrForeignOptionsFilesGiveTheDefaults_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray noise(3904, 0);
        QRandomGenerator random(7);
        for (char& c : noise) c = char(random.bounded(256));
        QTest::newRow("noise") << noise;
        QTest::newRow("short") << QByteArray("Version 1.4 and nothing else");
        QTest::newRow("empty") << QByteArray();
        QByteArray foreign(3904, '\x7f');
        QTest::newRow("foreign, all bytes 127") << foreign;
        // The right tag on values no rule knows: kept from the file, so they must be
        // brought back into the rules before anything is built from them.
        QByteArray tagged(3904, '\xff');
        tagged.replace(3888, 12, QByteArray("\x0bVersion 1.4"));
        QTest::newRow("tagged garbage") << tagged;
    }
    void GarbledOrForeignOptionsFilesGiveTheDefaults() {
        QFETCH(QByteArray, bytes);
        AppFixture app;
        WriteFile("VLM.PRM", bytes);
        AnswerNextModal([](QWidget* w) {
            if (auto* d = qobject_cast<QDialog*>(w)) d->accept();
        }, 1000);
        app.form->StartUp();
        const Game& g = app.game();
        QVERIFY(g.StartupDone);
        QVERIFY(g.ShoeBuilt);
        QVERIFY(g.IsOk());
        QVERIFY(IsValidDecks(g.Options.Decks));
        QVERIFY(IsValidPenetration(g.Options.Penetration));
        QVERIFY(IsValidTableMinimum(g.Options.TableMinimum));
        if (!QByteArray(QTest::currentDataTag()).startsWith("tagged")) ExpectDefaultRules(g);
    }

    void TheMenuBarItemByItem() {
        AppFixture app;
        TMainForm& form = *app.form;
        QCOMPARE(Captions(form.menuBar()->actions()),
                 QStringList({"&File", "&Run", "&Options", "Hel&p", "|", "&Bet", "|", "&Stand",
                              "&Hit", "&Double", "Spli&t", "Surre&nder", "H&int"}));
        QCOMPARE(Captions(form.FileMenu->actions()),
                 QStringList({"&Reset Game", "&Print", "&Save", "Save &As", "&Load", "E&xit"}));
        QCOMPARE(Captions(form.RunMenu->actions()),
                 QStringList({"&Normal Play", "&Practice Deck", "&Computer Simulated Play",
                              "&Betting and Rules Analysis"}));
        QCOMPARE(Captions(form.OptionsMenu->actions()),
                 QStringList({"&Casion Rules", "&Playing Strategy", "&Other Preferences"}));
        QCOMPARE(Captions(form.HelpMenu->actions()), QStringList({"&Topics", "&About VLM"}));

        // Every mode and settings window is there.
        for (QAction* a : {form.NormalPlayItem, form.PracticeDeckItem, form.BettingAnalysisItem,
                           form.ComputerSimulatedPlayItem, form.CasinoRulesItem,
                           form.PlayingStrategyItem, form.OtherPreferencesItem})
            QVERIFY2(a->isEnabled(), qPrintable(a->text()));
    }

    void TheIdleWindowSaysWhereToBeginUntilAWindowFillsIt() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        app.form->show();
        QCOMPARE(app.form->IdleHint->text(), QString("Run > Normal Play to begin"));
        QVERIFY(app.form->IdleHint->isVisible());
        bool hintDuringTheRun = true;
        app.RunAnalysis([&] {
            if (!app.form->ResultsWindow()) return false;
            hintDuringTheRun = app.form->IdleHint->isVisible();
            return true;
        });
        QVERIFY(!hintDuringTheRun);
        QVERIFY(app.form->IdleHint->isVisible());  // the reset closed the results
    }

    void HelpSaveAndExitHaveTheirStandardKeys() {
        AppFixture app;
        app.StartUp();
        app.form->show();
        QVERIFY(QTest::qWaitForWindowActive(app.form.get()));
        QCOMPARE(app.form->TopicsItem->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(app.form->SaveItem->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(app.form->ExitItem->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

        QTest::keyClick(app.form.get(), Qt::Key_F1);
        QVERIFY(app.form->HelpWindow() && app.form->HelpWindow()->isVisible());
        app.form->HelpWindow()->close();
        app.form->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), app.form.get());

        // A game with a name saves without the picker.
        app.game().GameFileName = "KEYS.VLM";
        QTest::keyClick(app.form.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(QFile("KEYS.VLM").size(), 9748);

        app.dialogs.answers = {false};
        QTest::keyClick(app.form.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(app.dialogs.boxes, QStringList({"yes/cancel: CLOSE BlackJack?"}));
        QVERIFY(app.form->isVisible());
    }

    void PlayCommandsAreHiddenUntilTheEngineShowsThem() {
        AppFixture app;
        TMainForm& form = *app.form;
        const QList<QAction*> bar = form.menuBar()->actions();
        for (int i = 4; i < bar.size(); ++i) QVERIFY(!bar[i]->isVisible());

        form.ShowPlayCommand(PlayCommand::Bet, true);
        QVERIFY(form.BetItem->isVisible());
        QVERIFY(form.BarSeparator1->isVisible());
        QVERIFY(form.BarSeparator2->isVisible());
        QVERIFY(!form.HitItem->isVisible());

        form.ShowPlayCommand(PlayCommand::Bet, false);
        form.ShowPlayCommand(PlayCommand::Hit, true);
        form.ShowPlayCommand(PlayCommand::Stand, true);
        QVERIFY(form.HitItem->isVisible());
        QVERIFY(form.StandItem->isVisible());
        QVERIFY(!form.BarSeparator1->isVisible());

        form.ShowPlayCommand(PlayCommand::Bet, true);
        form.HidePlayCommands();
        for (int i = 4; i < bar.size(); ++i) QVERIFY(!bar[i]->isVisible());
    }

    void ExitAsksToCloseAndCancelKeepsTheProgram() {
        AppFixture app;
        app.StartUp();
        app.form->show();
        app.dialogs.answers = {false};
        app.form->ExitItem->trigger();
        QCOMPARE(app.dialogs.boxes, QStringList({"yes/cancel: CLOSE BlackJack?"}));
        QVERIFY(app.form->isVisible());
        QVERIFY(!app.game().Closing);

        app.dialogs.answers = {true};
        app.form->ExitItem->trigger();
        QCOMPARE(app.dialogs.boxes.size(), 2);  // asked once more, and not again on closing
        QVERIFY(!app.form->isVisible());
        QVERIFY(app.game().Closing);
        QVERIFY(app.game().StopRequested);
        QCOMPARE(app.dialogs.beeps, 0);
    }

    void ClosingWithChangedOptionsOffersToSaveThem() {
        AppFixture app;
        app.StartUp();
        app.form->show();
        QFile::remove("VLM.PRM");
        app.game().OptionsChanged = true;
        app.dialogs.answers = {true, false};  // close: Yes; save: No
        QVERIFY(app.form->close());
        QCOMPARE(app.dialogs.boxes,
                 QStringList({"yes/cancel: CLOSE BlackJack?",
                              "yes/no: EXIT VLM - Do You Want to Save OPTIONS?"}));
        QCOMPARE(app.dialogs.beeps, 1);
        QVERIFY(!QFile::exists("VLM.PRM"));
    }

    void SavingAtExitWritesTheFileAndQuietMeansNoBeep() {
        AppFixture app;
        app.StartUp();
        app.form->show();
        QFile::remove("VLM.PRM");
        app.game().OptionsChanged = true;
        app.game().Options.SoundOn = false;
        app.dialogs.answers = {true, true};
        QVERIFY(app.form->close());
        QCOMPARE(app.dialogs.boxes.size(), 2);
        QCOMPARE(app.dialogs.beeps, 0);
        QCOMPARE(ReadFile("VLM.PRM").size(), 3904);
    }

    void ClosingTheWindowAndAnsweringCancelKeepsItOpen() {
        AppFixture app;
        app.StartUp();
        app.form->show();
        app.dialogs.answers = {false};
        QVERIFY(!app.form->close());
        QVERIFY(app.form->isVisible());
        QVERIFY(!app.game().StopRequested || !app.game().Closing);
    }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
