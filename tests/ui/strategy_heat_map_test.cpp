// "Show My Mistakes" in the strategy editor, on a real history file: the up cards of
// the row on show and the hand classes coloured by the player's mistakes, with their
// tips; a view only, that changes nothing of the strategy or the editor's state.

#include "engine/game.h"
#include "engine/headless_host.h"
#include "history/decision_history.h"
#include "history/history_writer.h"
#include "strategy/strategy_table.h"
#include "ui/settings/strategy_form.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace velmora;

namespace {

JudgedDecision Move(int total, bool pair, int up, uint16_t taken, uint16_t asked) {
    JudgedDecision d;
    d.hand = 1;
    d.total = total;
    d.pair = pair;
    d.canSplit = pair;
    d.canDouble = true;
    d.upCard = up;
    d.taken = taken;
    d.asked = asked;
    return d;
}

// What is drawn at a control's corner, where its background shows.
QColor DrawnBackground(QWidget* w) { return w->grab().toImage().pixelColor(1, 1); }

bool Plain(QWidget* w) { return w->styleSheet().isEmpty() && w->toolTip().isEmpty(); }

}  // namespace

class StrategyHeatMapTest : public QObject {
    Q_OBJECT

  private slots:
    void TheMistakesColourTheCellsAndClassesAndChangeNothing() {
        QTemporaryDir folder;
        HeadlessHost host;
        Game game(host);
        ApplyDefaultOptions(game.Options);
        ResetStrategyToDefault(game.Strategy);
        HistoryWriter writer(folder.filePath("VLMHIST.DB").toStdString());
        {
            DecisionHistory history(game, &writer);
            // Hard 16: against a 10 stood three times and hit once; against a 7 hit twice.
            for (int i = 0; i < 3; ++i) history.DecisionJudged(Move(16, false, 10, kStand, kHit));
            history.DecisionJudged(Move(16, false, 10, kHit, kHit));
            for (int i = 0; i < 2; ++i) history.DecisionJudged(Move(16, false, 7, kHit, kHit));
            // Eights against a 10 stood once.
            history.DecisionJudged(Move(16, true, 10, kStand, kSplit));
        }
        TStrategyForm form(game, nullptr);
        form.Editor().InitStrategyWindow();
        form.SetHistory(&writer);
        form.resize(800, 600);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const StrategyTable before = game.Strategy;
        QRadioButton* hard16 = form.HandClassButton(216);
        QRadioButton* eights = form.HandClassButton(416);
        QRadioButton* hard12 = form.HandClassButton(212);

        form.MistakesBox->setChecked(true);
        // A view only: no handler of the table ran.
        QVERIFY(!form.Editor().StrategyEdited);
        QCOMPARE(form.SaveButton->text(), QString("E&xit"));
        QVERIFY(game.Strategy == before);
        // The captions: by the row's total.
        QCOMPARE(hard16->toolTip(), QString("Wrong 3 of 6 times"));
        QCOMPARE(eights->toolTip(), QString("Wrong 1 of 1 times"));
        QVERIFY(Plain(hard12));
        QCOMPARE(DrawnBackground(eights), TStrategyForm::MistakeColour(1.0));
        QCOMPARE(DrawnBackground(hard16), TStrategyForm::MistakeColour(0.5));
        // Row 404 is on show: none of its cells was played.
        for (int up = 2; up <= 11; ++up) QVERIFY(Plain(form.CheckBox(up)));

        hard16->click();  // the row on show: hit hard 16
        QCOMPARE(form.CheckBox(10)->toolTip(), QString("Wrong 3 of 4 times"));
        QCOMPARE(form.CheckBox(7)->toolTip(), QString("Wrong 0 of 2 times"));
        for (int up : {2, 3, 4, 5, 6, 8, 9, 11}) QVERIFY(Plain(form.CheckBox(up)));
        const QColor ten = DrawnBackground(form.CheckBox(10));
        const QColor seven = DrawnBackground(form.CheckBox(7));
        QCOMPARE(ten, TStrategyForm::MistakeColour(0.75));
        QCOMPARE(seven, TStrategyForm::MistakeColour(0.0));
        QVERIFY(ten.red() - ten.green() > seven.red() - seven.green());  // redder where missed
        QVERIFY(DrawnBackground(form.CheckBox(2)) != seven);

        form.MistakesBox->setChecked(false);
        for (int up = 2; up <= 11; ++up) QVERIFY(Plain(form.CheckBox(up)));
        QVERIFY(Plain(hard16));
        QVERIFY(Plain(eights));
    }

    void TheScaleRunsFromGreenThroughYellowToRed() {
        const QColor right = TStrategyForm::MistakeColour(0);
        const QColor half = TStrategyForm::MistakeColour(0.5);
        const QColor wrong = TStrategyForm::MistakeColour(1);
        QVERIFY(right.green() > right.red());
        QVERIFY(half.red() > half.blue() && half.green() > half.blue());
        QVERIFY(wrong.red() > wrong.green());
        QCOMPARE(TStrategyForm::MistakeColour(2), wrong);  // shares outside 0..1 are clamped
    }
};

QTEST_MAIN(StrategyHeatMapTest)
#include "strategy_heat_map_test.moc"
