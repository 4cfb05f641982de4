// The Qt host: events reach Qt only every few milliseconds, the boxes go through the
// dialog service, and the real message boxes carry the right captions, icons and buttons.

#include "tests/ui/modal_answerer.h"
#include "tests/ui/scripted_dialogs.h"
#include "ui/beep_sound.h"
#include "ui/dialog_service.h"
#include "ui/file_ctrls.h"
#include "ui/host_windows.h"
#include "ui/qt_host.h"
#include "ui/speed_measurement.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTime>
#include <QTimer>
#include <QtEndian>

using namespace velmora;
using velmora::testing::AnswerNextModal;
using velmora::testing::ScriptedDialogs;

namespace {

class NoWindows : public HostWindows {
public:
    QStringList calls;
    void ShowPlayCommand(PlayCommand c, bool v) override {
        calls << QString("show %1 %2").arg(int(c)).arg(v);
    }
    void HidePlayCommands() override { calls << "hide"; }
    void RepaintMain() override { calls << "repaint"; }
    TableDisplay* OpenTable() override { return nullptr; }
    void CloseTable() override {}
    ResultsDisplay* OpenResults() override { return nullptr; }
    void CloseResults() override {}
    void ShowBettingIntro() override { calls << "intro"; }
};

QMessageBox* AsBox(QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    if (!box) qWarning("the modal window is not a message box");
    return box;
}

}  // namespace

class QtHostTest : public QObject {
    Q_OBJECT

private slots:
    void EventsAreHandedToQtOnlyEveryFewMilliseconds() {
        ScriptedDialogs dialogs;
        NoWindows windows;
        TFileCtrls picker(dialogs);
        QtHost host(dialogs, windows, picker);

        bool fired = false;
        QTimer::singleShot(0, [&] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        long long calls = 0;
        while (clock.elapsed() < 40) {
            host.ProcessEvents();
            ++calls;
        }
        const qint64 ms = clock.elapsed();
        QVERIFY(fired);
        QVERIFY(host.EventPasses() >= 1);
        // Every pass but the first needs kEventIntervalMs since the one before.
        QVERIFY(host.EventPasses() <= ms / QtHost::kEventIntervalMs + 1);
        QVERIFY(calls > 100 * host.EventPasses());
    }

    void TheSpeedMeasurementHandsEveryPassToQt() {
        ScriptedDialogs dialogs;
        NoWindows windows;
        TFileCtrls picker(dialogs);
        QtHost host(dialogs, windows, picker);
        int timerPasses = 0;
        QTimer ticking;  // an event waiting on every pass, as in a running program
        QObject::connect(&ticking, &QTimer::timeout, [&] { ++timerPasses; });
        ticking.start(0);
        const SpeedMeasurement m = MeasureSpeed(host);
        QVERIFY2(host.EventPasses() >= kWarmUpPasses + kMeasuredPasses,
                 qPrintable(QString::number(host.EventPasses())));
        QVERIFY(timerPasses >= kMeasuredPasses);
        QVERIFY(m.DelayCalibration > 0);
        QVERIFY(m.ComputerSpeed >= kFastestSpeed && m.ComputerSpeed <= kSlowestSpeed);
    }

    // The table's motions end rarely next to the analysis's rounds: the engine's next
    // call then hands events on at once, not after its usual count of calls.
    void AfterAMotionTheNextCallHandsEventsOn() {
        ScriptedDialogs dialogs;
        NoWindows windows;
        TFileCtrls picker(dialogs);
        QtHost host(dialogs, windows, picker);
        QTest::qWait(2 * QtHost::kEventIntervalMs);

        host.ProcessEvents();
        QCOMPARE(host.EventPasses(), 0LL);  // one call in 64 looks at the clock
        host.LookAtClockNext();
        host.ProcessEvents();
        QCOMPARE(host.EventPasses(), 1LL);
        host.ProcessEvents();
        QCOMPARE(host.EventPasses(), 1LL);
    }

    void AWaitForThePlayerSleepsUntilInputComes() {
        ScriptedDialogs dialogs;
        NoWindows windows;
        TFileCtrls picker(dialogs);
        QtHost host(dialogs, windows, picker);

        // Input arriving later ends the wait: a few passes, not a busy spin.
        bool bet = false;
        QTimer::singleShot(120, [&] { bet = true; });
        int passes = 0;
        while (!bet && passes < 1000) {
            host.WaitForInput();
            ++passes;
        }
        QVERIFY(bet);
        QVERIFY(passes < 50);
        // With nothing to come at all, each wait still returns.
        host.WaitForInput();
    }

    void TheTimeOfDayFollowsTheWallClock() {
        ScriptedDialogs dialogs;
        NoWindows windows;
        TFileCtrls picker(dialogs);
        QtHost host(dialogs, windows, picker);
        auto ms = [](const TimeOfDay& t) {
            return ((t.Hour * 60LL + t.Minute) * 60 + t.Second) * 1000 + t.Millisecond;
        };
        for (int i = 0; i < 3; ++i) {
            const long long wall = QTime::currentTime().msecsSinceStartOfDay();
            const long long ours = ms(host.Now());
            // Near midnight the two may sit on either side of it.
            if (wall > 1000 && wall < 86399000) QVERIFY2(std::llabs(ours - wall) <= 20,
                                                          qPrintable(QString::number(ours - wall)));
            QTest::qWait(600);  // the second pass counts on from a reading, the third reads again
        }
        const long long a = ms(host.Now());
        QTest::qWait(30);
        const long long b = ms(host.Now());
        QVERIFY(b - a >= 25 || b < a /* midnight */);
    }

    void BoxesAndWindowsGoWhereTheyBelong() {
        ScriptedDialogs dialogs;
        NoWindows windows;
        TFileCtrls picker(dialogs);
        QtHost host(dialogs, windows, picker);
        dialogs.answers = {true, false};
        host.ShowMessage("Load Game File AFTER You Start Playing");
        QVERIFY(host.AskYesNo("EXIT VLM - Do You Want to Save OPTIONS?"));
        QVERIFY(!host.AskYesCancel("CLOSE BlackJack?"));
        host.ShowErrorAt("You should have stood.", 310, 50);
        host.Beep();
        QCOMPARE(dialogs.boxes,
                 QStringList({"message: Load Game File AFTER You Start Playing",
                              "yes/no: EXIT VLM - Do You Want to Save OPTIONS?",
                              "yes/cancel: CLOSE BlackJack?",
                              "error 310,50: You should have stood."}));
        QCOMPARE(dialogs.beeps, 1);
        host.ShowPlayCommand(PlayCommand::Hit, true);
        host.HidePlayCommands();
        host.ShowBettingIntro();
        QCOMPARE(windows.calls, QStringList({"show 2 1", "hide", "intro"}));
    }

    void TheRealBoxesHaveTheirCaptionsIconsAndButtons() {
        DialogService dialogs;

        AnswerNextModal([](QWidget* w) {
            QMessageBox* box = AsBox(w);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QString("Velmora 32"));
            QCOMPARE(box->text(), QString("ERROR... File Not Found!"));
            QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.Message("ERROR... File Not Found!");

        AnswerNextModal([](QWidget* w) {
            QMessageBox* box = AsBox(w);
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Question);
            QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::Cancel);
            box->button(QMessageBox::Cancel)->click();
        });
        QVERIFY(!dialogs.AskYesCancel("CLOSE BlackJack?"));

        AnswerNextModal([](QWidget* w) {
            QMessageBox* box = AsBox(w);
            QVERIFY(box);
            QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(dialogs.AskYesNo("EXIT VLM - Do You Want to Save OPTIONS?"));

        QPoint shownAt;
        AnswerNextModal([&shownAt](QWidget* w) {
            QMessageBox* box = AsBox(w);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QString("Error"));
            QCOMPARE(box->icon(), QMessageBox::Critical);
            QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
            shownAt = box->pos();
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.ErrorAt("Always split a pair of aces.", QPoint(200, 120));
        QCOMPARE(shownAt, QPoint(200, 120));
    }

    void TheBeepIsAWholeWaveFile() {
        const QByteArray wav = BeepSound::MakeWav(22050, 880, 100);
        const int samples = 2205;
        QCOMPARE(wav.size(), 44 + 2 * samples);
        QCOMPARE(wav.left(4), QByteArray("RIFF"));
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(36 + 2 * samples));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), quint16(1));  // PCM
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 24), quint32(22050));
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        // Silent at both ends (the fades), loud in the middle.
        QCOMPARE(qFromLittleEndian<qint16>(wav.constData() + 44), qint16(0));
        qint16 peak = 0;
        for (int i = 0; i < samples; ++i)
            peak = std::max(peak, qFromLittleEndian<qint16>(wav.constData() + 44 + 2 * i));
        QVERIFY(peak > 10000);
    }
};

QTEST_MAIN(QtHostTest)
#include "qt_host_test.moc"
