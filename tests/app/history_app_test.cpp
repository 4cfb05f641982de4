// A new player's history through the program: fifty Practice Deck moves show in the
// strategy editor's heat map and in My Progress, and Drill My Weak Spots deals the
// cases they missed.

#include "app/main_form.h"
#include "engine/play_commands.h"
#include "engine/run_loop.h"
#include "history/history_writer.h"
#include "table/player.h"
#include "tests/app/app_test_fixture.h"
#include "ui/analysis/progress_window.h"
#include "ui/settings/strategy_form.h"
#include "ui/table/table_window.h"

#include <QBarSeries>
#include <QChart>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <set>
#include <tuple>

using namespace velmora;
using namespace velmora::testing;

namespace {

using Case = std::tuple<int, bool, int>;  // total, soft, up card

// Every decision awaited is answered by the Stand command, until `moves` are made.
std::function<bool()> StandEachTime(AppFixture& app, int moves, std::vector<Case>* dealt) {
    return [&app, moves, dealt, made = 0]() mutable {
        Game& g = app.game();
        if (made >= moves) {
            GameReset(g);
            return true;
        }
        if (g.DecisionAwaited && app.form->StandItem->isVisible()) {
            const THand& hand = g.Hand(1);
            if (dealt) dealt->emplace_back(hand.Total, hand.IsSoft(), g.UpCard());
            ++made;
            app.form->PlayCommandClick(PlayCommand::Stand);
        }
        return false;
    };
}

}  // namespace

class HistoryAppTest : public QObject {
    Q_OBJECT

  private slots:
    void FiftyPracticeMovesShowInTheHeatMapAndProgressAndTheDrillDealsTheMisses() {
        AppFixture app;
        app.StartUp();
        Game& g = app.game();
        g.Options.ComputerSpeed = 1000;
        g.Options.SoundOn = false;
        app.form->resize(1024, 768);
        app.form->show();
        // The table's practice score as it stood after the last move.
        QString score;
        auto stand = StandEachTime(app, 50, nullptr);
        app.RunTable(app.form->PracticeDeckItem, [&] {
            if (TableWindow* table = app.form->TableWindowShown())
                score = QString::fromStdString(table->Player().Signs.Score.Text());
            return stand();
        });

        HistoryWriter* history = app.form->History();
        QVERIFY(history);
        QCOMPARE(*history->Read([](HistoryStore& s) { return s.Count(); }), int64_t{50});
        const std::vector<CellStats> cells = *history->Read([](HistoryStore& s) { return s.Cells(); });
        std::set<Case> missed;
        int missedRow = 0;
        for (const CellStats& c : cells) {
            if (c.wrong == 0) continue;
            missed.emplace(c.cls.total, c.cls.soft, c.upCard);
            if (std::any_of(kEditorRows.begin(), kEditorRows.end(),
                            [&c](const EditorRow& r) { return r.code == c.cls.row; }))
                missedRow = c.cls.row;
        }
        QVERIFY(!missed.empty());
        // The table's score and the history count the same moves.
        int64_t right = 0;
        for (const CellStats& c : cells) right += c.played - c.wrong;
        QVERIFY2(score.startsWith(QString("Practice: %1 of 50 right").arg(right)), qPrintable(score));
        QVERIFY(missedRow != 0);

        // The heat map: the strategy editor opened from the Options menu.
        QString tip;
        QTimer::singleShot(0, [&] {
            TStrategyForm* editor = app.form->StrategyWindow();
            QVERIFY(editor);
            editor->MistakesBox->setChecked(true);
            tip = editor->HandClassButton(missedRow)->toolTip();
            editor->SaveButton->click();
        });
        app.form->PlayingStrategyItem->trigger();
        QVERIFY2(tip.startsWith("Wrong "), qPrintable(tip));

        // My Progress.
        app.form->ProgressItem->trigger();
        TProgressWindow* progress = app.form->ProgressWindow();
        QVERIFY(progress && progress->isVisible());
        QVERIFY2(progress->Summary->text().startsWith("50 judged moves"),
                 qPrintable(progress->Summary->text()));
        QVERIFY(progress->MistakesTable()->rowCount() > 0);
        auto* bars = qobject_cast<QBarSeries*>(progress->Chart()->series().front());
        QCOMPARE(bars->count(), 1);  // Practice only
        progress->close();

        // The drill: its first three cases are cells the player missed (the fourth is
        // the turn of a new or rarely played one).
        std::vector<Case> dealt;
        app.RunTable(app.form->DrillItem, StandEachTime(app, 8, &dealt));
        QCOMPARE(int(dealt.size()), 8);
        for (int i = 0; i < 3; ++i) QVERIFY2(missed.count(dealt[static_cast<size_t>(i)]), qPrintable(QString::number(i)));
        QCOMPARE(*history->Read([](HistoryStore& s) { return s.Count(); }), int64_t{58});
        int64_t drilled = 0;
        const std::vector<DayAccuracy> days =
            *history->Read([](HistoryStore& s) { return s.AccuracyByDay(); });
        for (const DayAccuracy& d : days)
            if (d.mode == "Drill") drilled += d.played;
        QCOMPARE(drilled, int64_t{8});

        // Export, then clear with the question answered No, then Yes.
        app.form->ProgressItem->trigger();
        progress->AskExportFile = [&] { return app.Path("mine.csv"); };
        progress->ExportButton->click();
        QFile csv(app.Path("mine.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        QCOMPARE(lines.size(), 1 + 58 + 1);  // heading, the moves, the last line's end
        QVERIFY(lines[1].contains(",Practice,"));
        QVERIFY(lines[58].contains(",Drill,"));
        app.dialogs.answers = {false};
        progress->ClearButton->click();
        QCOMPARE(*history->Read([](HistoryStore& s) { return s.Count(); }), int64_t{58});
        app.dialogs.answers = {true};
        progress->ClearButton->click();
        QVERIFY(app.dialogs.boxes.last().contains("Clear the whole decision history?"));
        QCOMPARE(*history->Read([](HistoryStore& s) { return s.Count(); }), int64_t{0});
        QVERIFY(progress->Summary->text().startsWith("No judged moves yet"));
        QCOMPARE(progress->MistakesTable()->rowCount(), 0);
    }
};

QTEST_MAIN(HistoryAppTest)
#include "history_app_test.moc"
