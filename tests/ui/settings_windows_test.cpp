// The three settings windows driven through their real controls, offscreen: ticks,
// radio buttons, the speed bar and the exit buttons, checked on the strategy table,
// the options, the flags and the exit caption. A change made by a window's own code
// runs the control's handler as the player's click does; the cases below depend on it.

#include "engine/game.h"
#include "engine/headless_host.h"
#include "strategy/strategy_table.h"
#include "ui/settings/prefer_form.h"
#include "ui/settings/rules_form.h"
#include "ui/settings/strategy_form.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace velmora;

namespace {

// A row as the player reads it: its mark ("ALWAYS", "NEVER" or "-") and the ten
// cells "X" or "." in the order 2, 3, ..., 10, A.
QString Row(const StrategyTable& table, int code) {
    QString text = table.HasAlwaysMark(code)  ? "ALWAYS "
                   : table.HasNeverMark(code) ? "NEVER "
                                              : "- ";
    for (int up = 2; up <= 11; ++up) text += table.Cell(code, up) ? "X" : ".";
    return text;
}

// The ticks of the strategy window, read the same way.
QString Ticks(const TStrategyForm& form) {
    const bool never = form.CheckBox(StrategyEditor::kNeverBox)->isChecked();
    const bool always = form.CheckBox(StrategyEditor::kAlwaysBox)->isChecked();
    QString text = never && always ? "BOTH " : always ? "ALWAYS " : never ? "NEVER " : "- ";
    for (int up = 2; up <= 11; ++up) text += form.CheckBox(up)->isChecked() ? "X" : ".";
    return text;
}

StrategyTable DefaultStrategy() {
    StrategyTable table;
    ResetStrategyToDefault(table);
    return table;
}

// A game with the default options and strategy, and a window of kind Form on it.
template <typename Form>
struct Opened {
    HeadlessHost host;
    Game game{host};
    std::unique_ptr<Form> form;

    Opened() {
        ApplyDefaultOptions(game.Options);
        ResetStrategyToDefault(game.Strategy);
    }
    Form& Open() {
        form = std::make_unique<Form>(game, nullptr);
        return *form;
    }
};

}  // namespace

class SettingsWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // --- The strategy editor ---------------------------------------------------------

    void AFreshStrategyWindowCountsAsUnchanged() {
        Opened<TStrategyForm> w;
        TStrategyForm& form = w.Open();
        QCOMPARE(form.SaveButton->text(), QString("E&xit"));  // the design's caption
        form.Editor().InitStrategyWindow();
        QVERIFY(form.HandClassButton(404)->isChecked());
        QCOMPARE(Ticks(form), QString("- XXXXXX...."));
        QVERIFY(!form.Editor().StrategyEdited);
        QCOMPARE(form.SaveButton->text(), QString("E&xit"));
        QVERIFY(w.game.Strategy == DefaultStrategy());

        form.SaveButton->click();
        QVERIFY(w.game.ChildWindowClosed);
        QVERIFY(!w.game.SaveOptionsRequest);
    }

    void ClickingAcesAloneIsCountedAsAnEdit() {
        Opened<TStrategyForm> w;
        TStrategyForm& form = w.Open();
        form.Editor().InitStrategyWindow();
        form.HandClassButton(422)->click();  // "Aces"
        QCOMPARE(Ticks(form), QString("ALWAYS XXXXXXXXXX"));
        QCOMPARE(form.SaveButton->text(), QString("Save && E&xit"));
        // Showing the row ticked its boxes one by one, and each tick cleared its mark.
        QCOMPARE(Row(w.game.Strategy, 422), QString("- XXXXXXXXXX"));
        form.SaveButton->click();
        QVERIFY(w.game.SaveOptionsRequest);
        form.Editor().StoreStrategyRow();  // what closing the window does
        QVERIFY(w.game.Strategy == DefaultStrategy());
    }

    void UntickingAnUpCardIsStoredWhenThePlayerMovesOn() {
        Opened<TStrategyForm> w;
        TStrategyForm& form = w.Open();
        form.Editor().InitStrategyWindow();
        QVERIFY(form.findChild<QRadioButton*>("B23") == form.HandClassButton(212));
        form.HandClassButton(212)->click();  // "Hard 12" under "HIT"
        QCOMPARE(Ticks(form), QString("- XX...XXXXX"));
        form.CheckBox(2)->click();
        QCOMPARE(Row(w.game.Strategy, 212), QString("- XX...XXXXX"));  // not stored yet
        form.HandClassButton(213)->click();                            // "Hard 13"
        QCOMPARE(Row(w.game.Strategy, 212), QString("- .X...XXXXX"));
        QCOMPARE(Ticks(form), QString("- .....XXXXX"));
        QCOMPARE(form.Editor().EditedRow, uint16_t(213));
    }

    void MovingToLikeTicksOrClickingTheSelectedButtonRunsNothing() {
        Opened<TStrategyForm> w;
        TStrategyForm& form = w.Open();
        form.Editor().InitStrategyWindow();
        form.HandClassButton(406)->click();  // "3's" has the cells of "2's": no tick moves
        QVERIFY(!form.Editor().StrategyEdited);
        QCOMPARE(form.SaveButton->text(), QString("E&xit"));
        form.CheckBox(2)->click();
        form.HandClassButton(406)->click();  // already selected
        QCOMPARE(Row(w.game.Strategy, 406), QString("- XXXXXX...."));
        form.HandClassButton(404)->click();
        QCOMPARE(Row(w.game.Strategy, 406), QString("- .XXXXX...."));
    }

    void TickingAnUpCardOnANeverRowUnticksNever() {
        Opened<TStrategyForm> w;
        TStrategyForm& form = w.Open();
        form.Editor().InitStrategyWindow();
        form.HandClassButton(408)->click();  // "4's"
        QCOMPARE(Ticks(form), QString("NEVER .........."));
        form.CheckBox(6)->click();
        QCOMPARE(Ticks(form), QString("- ....X....."));
        form.HandClassButton(410)->click();
        QCOMPARE(Row(w.game.Strategy, 408), QString("- ....X....."));
    }

    void AlwaysTicksEveryUpCardAndIsStoredAsTheMark() {
        Opened<TStrategyForm> w;
        TStrategyForm& form = w.Open();
        form.Editor().InitStrategyWindow();
        form.HandClassButton(309)->click();  // "Hard 9" under "DOUBLE DOWN"
        QCOMPARE(Ticks(form), QString("- XXXXX....."));
        form.CheckBox(StrategyEditor::kAlwaysBox)->click();
        QCOMPARE(Ticks(form), QString("ALWAYS XXXXXXXXXX"));
        form.HandClassButton(310)->click();
        QCOMPARE(Row(w.game.Strategy, 309), QString("ALWAYS XXXXXXXXXX"));
    }

    void UntickingAlwaysKeepsTheTenTicksAndDropsTheMark() {
        Opened<TStrategyForm> w;
        TStrategyForm& form = w.Open();
        form.Editor().InitStrategyWindow();
        form.HandClassButton(422)->click();
        form.CheckBox(StrategyEditor::kAlwaysBox)->click();
        QCOMPARE(Ticks(form), QString("- XXXXXXXXXX"));
        // All ten are ticked already: ticking ALWAYS again changes no up card, so it
        // counts as no edit.
        form.Editor().StrategyEdited = false;
        form.CheckBox(StrategyEditor::kAlwaysBox)->click();
        QCOMPARE(Ticks(form), QString("ALWAYS XXXXXXXXXX"));
        QVERIFY(!form.Editor().StrategyEdited);
        form.CheckBox(StrategyEditor::kAlwaysBox)->click();
        form.HandClassButton(420)->click();
        QCOMPARE(Row(w.game.Strategy, 422), QString("- XXXXXXXXXX"));
    }

    void NeverOverTicksUnticksThemAndOverNoTicksIsNoEdit() {
        Opened<TStrategyForm> w;
        w.game.Strategy.ClearRow(515);
        TStrategyForm& form = w.Open();
        form.Editor().InitStrategyWindow();
        form.CheckBox(StrategyEditor::kNeverBox)->click();  // on "2's": 2..7 ticked
        QCOMPARE(Ticks(form), QString("NEVER .........."));
        QVERIFY(form.Editor().StrategyEdited);

        form.HandClassButton(515)->click();  // a row without cells or marks
        QCOMPARE(Ticks(form), QString("- .........."));
        form.Editor().StrategyEdited = false;
        form.CheckBox(StrategyEditor::kNeverBox)->click();
        QCOMPARE(Ticks(form), QString("NEVER .........."));
        QVERIFY(!form.Editor().StrategyEdited);
        form.HandClassButton(516)->click();
        QCOMPARE(Row(w.game.Strategy, 515), QString("NEVER .........."));
        QCOMPARE(Row(w.game.Strategy, 404), QString("NEVER .........."));
    }

    void TheAdvancedPresetFollowsTheSurrenderRule_data() {
        QTest::addColumn<bool>("surrender");
        QTest::addColumn<QString>("eights");
        QTest::newRow("surrender allowed") << true << QString("- XXXXXXX..X");
        QTest::newRow("no surrender") << false << QString("ALWAYS XXXXXXXXXX");
    }
    void TheAdvancedPresetFollowsTheSurrenderRule() {
        QFETCH(bool, surrender);
        QFETCH(QString, eights);
        Opened<TStrategyForm> w;
        w.game.Options.SurrenderAllowed = surrender;
        TStrategyForm& form = w.Open();
        form.Editor().InitStrategyWindow();
        form.HandClassButton(416)->click();  // "8's"
        form.AdvancedButton->click();
        QVERIFY(form.HandClassButton(404)->isChecked());
        QCOMPARE(form.SaveButton->text(), QString("Save && E&xit"));
        form.HandClassButton(416)->click();
        QCOMPARE(Ticks(form), eights);
        StrategyTable advanced;
        SetStrategyToAdvanced(advanced, surrender);
        form.Editor().StoreStrategyRow();
        QVERIFY(w.game.Strategy == advanced);
    }

    void APresetReplacesEditsNotYetStored() {
        Opened<TStrategyForm> w;
        TStrategyForm& form = w.Open();
        form.Editor().InitStrategyWindow();
        // With "2's" selected the preset selects nothing new, so nothing is stored.
        form.CheckBox(2)->click();
        form.ResetButton->click();
        QCOMPARE(Ticks(form), QString("- XXXXXX...."));
        // From another row, selecting "2's" stores the preset's row 404, not the edit.
        form.HandClassButton(416)->click();
        form.CheckBox(3)->click();
        form.ResetButton->click();
        QVERIFY(form.HandClassButton(404)->isChecked());
        form.Editor().StoreStrategyRow();
        QVERIFY(w.game.Strategy == DefaultStrategy());
        QVERIFY(form.Editor().StrategyEdited);
    }

    // --- The casino rules --------------------------------------------------------------

    void OpeningRewritesTheGroupedSettingsAndCountsAsAChange_data() {
        QTest::addColumn<int>("decks");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("penetration");
        QTest::addColumn<int>("decksShown");
        QTest::addColumn<int>("minimumShown");
        QTest::addColumn<int>("penetrationShown");
        QTest::newRow("values the items show") << 6 << 5 << 2 << 6 << 5 << 2;
        QTest::newRow("values no item shows") << 3 << 50 << 7 << 8 << 100 << 3;
        QTest::newRow("penetration below two") << 1 << 25 << 1 << 1 << 25 << 3;
        QTest::newRow("penetration zero") << 0 << 0 << 0 << 8 << 100 << 3;
    }
    void OpeningRewritesTheGroupedSettingsAndCountsAsAChange() {
        QFETCH(int, decks);
        QFETCH(int, minimum);
        QFETCH(int, penetration);
        Opened<TRulesForm> w;
        w.game.Options.Decks = uint16_t(decks);
        w.game.Options.TableMinimum = uint16_t(minimum);
        w.game.Options.Penetration = uint16_t(penetration);
        TRulesForm& form = w.Open();
        QCOMPARE(form.ExitButton->text(), QString("E&xit "));  // the design's caption
        form.Editor().InitRulesWindow();
        QTEST(int(w.game.Options.Decks), "decksShown");
        QTEST(int(w.game.Options.TableMinimum), "minimumShown");
        QTEST(int(w.game.Options.Penetration), "penetrationShown");
        QVERIFY(w.game.OptionsChanged);
        QVERIFY(!w.game.ShoeRebuildRequest);
        QVERIFY(!w.game.BankrollRestartRequest);
        QCOMPARE(form.ExitButton->text(), QString("E&xit"));

        // Leaving at once requests a save although the player changed nothing.
        form.ExitButton->click();
        QVERIFY(w.game.SaveOptionsRequest);
        QVERIFY(w.game.ChildWindowClosed);
    }

    void RuleBoxesReachTheOptionsOnlyThroughTheExitButton() {
        Opened<TRulesForm> w;
        w.game.Options.DealerHitsSoft17 = true;
        w.game.Options.ResplitAllowed = false;
        TRulesForm& form = w.Open();
        form.Editor().InitRulesWindow();
        QCOMPARE(form.CheckBox(RulesEditor::kSoft17Box)->text(), QString("Dealer Hits Soft 17"));
        QVERIFY(form.CheckBox(RulesEditor::kSoft17Box)->isChecked());
        QVERIFY(form.CheckBox(RulesEditor::kDoubleAnyBox)->isChecked());
        QVERIFY(!form.CheckBox(RulesEditor::kResplitBox)->isChecked());
        QVERIFY(!form.CheckBox(RulesEditor::kSurrenderBox)->isChecked());

        form.CheckBox(RulesEditor::kSurrenderBox)->click();
        form.CheckBox(RulesEditor::kDoubleAnyBox)->click();
        QCOMPARE(form.ExitButton->text(), QString("Save && E&xit"));
        QVERIFY(!w.game.Options.SurrenderAllowed);
        QVERIFY(w.game.Options.DoubleAnyHand);
        QVERIFY(!w.game.ShoeRebuildRequest && !w.game.BankrollRestartRequest);

        form.ExitButton->click();
        QVERIFY(w.game.Options.SurrenderAllowed);
        QVERIFY(!w.game.Options.DoubleAnyHand);
        QVERIFY(w.game.Options.DealerHitsSoft17);
        QVERIFY(!w.game.Options.ResplitAllowed);
        QVERIFY(w.game.Options.DoubleAfterSplit);
        QVERIFY(w.game.SaveOptionsRequest);
    }

    void EachGroupWritesItsSettingAndAsksForItsConsequence() {
        Opened<TRulesForm> w;
        TRulesForm& form = w.Open();
        form.Editor().InitRulesWindow();
        QCOMPARE(form.Item(RulesEditor::kMinimumGroup, 2)->text(), QString("$100"));
        form.Item(RulesEditor::kMinimumGroup, 2)->click();
        QCOMPARE(int(w.game.Options.TableMinimum), 100);
        QVERIFY(w.game.BankrollRestartRequest);
        QVERIFY(!w.game.ShoeRebuildRequest);
        QCOMPARE(form.ExitButton->text(), QString("Save && E&xit"));

        form.Item(RulesEditor::kPenetrationGroup, 0)->click();  // "Deal 1/2 deck(s)"
        QCOMPARE(int(w.game.Options.Penetration), 2);
        QVERIFY(!w.game.ShoeRebuildRequest);

        form.Item(RulesEditor::kDecksGroup, 4)->click();  // "8 Decks"
        QCOMPARE(int(w.game.Options.Decks), 8);
        QVERIFY(w.game.ShoeRebuildRequest);
        // The first count again: the request stays.
        form.Item(RulesEditor::kDecksGroup, 1)->click();
        QCOMPARE(int(w.game.Options.Decks), 2);
        QVERIFY(w.game.ShoeRebuildRequest);
        // A click on the item already selected changes nothing.
        w.game.ShoeRebuildRequest = false;
        form.Item(RulesEditor::kDecksGroup, 1)->click();
        QVERIFY(!w.game.ShoeRebuildRequest);
    }

    // --- The preferences ----------------------------------------------------------------

    void AStoredSpeedOutsideTheOpeningRangeOpensAsTwentyThousand_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("opened");
        QTest::newRow("22000") << 22000 << 20000;
        QTest::newRow("the bar's right end") << 25000 << 20000;
        QTest::newRow("below the bar") << 500 << 20000;
        QTest::newRow("20000 itself") << 20000 << 20000;
        QTest::newRow("the bar's left end") << 1000 << 1000;
    }
    void AStoredSpeedOutsideTheOpeningRangeOpensAsTwentyThousand() {
        QFETCH(int, stored);
        QFETCH(int, opened);
        Opened<TPreferForm> w;
        w.game.Options.ComputerSpeed = uint16_t(stored);
        w.Open().Editor().InitPrefsWindow();
        QCOMPARE(int(w.game.Options.ComputerSpeed), opened);
        QCOMPARE(w.form->ScrollBar1->value(), opened);
        const double root = opened / 141.0;
        QCOMPARE(w.game.DelayCalibration, root * root);
        QVERIFY(w.game.OptionsChanged);
    }

    void ExactlyEightThousandWithEverythingOffOpensUnchanged() {
        Opened<TPreferForm> w;
        w.game.Options.ComputerSpeed = 8000;
        w.game.Options.BetTwoHands = w.game.Options.SoundOn = false;
        w.game.Options.AlwaysBetMinimum = w.game.Options.AdviceOn = false;
        w.game.DelayCalibration = 1234.5;  // as the start-up measured it
        TPreferForm& form = w.Open();
        form.Editor().InitPrefsWindow();
        QVERIFY(!w.game.OptionsChanged);
        QCOMPARE(w.game.DelayCalibration, 1234.5);
        QCOMPARE(form.ExitButton->text(), QString("E&xit"));
        form.ExitButton->click();
        QVERIFY(w.game.ChildWindowClosed);
        QVERIFY(!w.game.SaveOptionsRequest);
    }

    void TheBarSetsSpeedAndCalibrationAtOnce() {
        Opened<TPreferForm> w;
        w.game.Options.ComputerSpeed = 8000;
        TPreferForm& form = w.Open();
        form.Editor().InitPrefsWindow();
        form.ScrollBar1->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(int(w.game.Options.ComputerSpeed), 1000);
        QVERIFY(qAbs(w.game.DelayCalibration - 50.3) < 0.05);
        QCOMPARE(form.ExitButton->text(), QString("Save && E&xit"));
        form.ScrollBar1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(int(w.game.Options.ComputerSpeed), 1010);
        form.ScrollBar1->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(int(w.game.Options.ComputerSpeed), 1110);
        form.ScrollBar1->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(int(w.game.Options.ComputerSpeed), 25000);
        QVERIFY(qAbs(w.game.DelayCalibration - 31437.0) < 1.0);
    }

    void PreferenceBoxesReachTheOptionsOnlyThroughTheExitButton() {
        Opened<TPreferForm> w;  // sound, advice and two hands on
        TPreferForm& form = w.Open();
        form.Editor().InitPrefsWindow();
        QVERIFY(w.game.OptionsChanged);  // ticked by the set-up
        QCOMPARE(form.CheckBox(PrefsEditor::kAdviceBox)->text(), QString("Advice On"));
        QVERIFY(form.CheckBox(PrefsEditor::kTwoHandsBox)->isChecked());
        QVERIFY(!form.CheckBox(PrefsEditor::kMinimumBox)->isChecked());
        form.CheckBox(PrefsEditor::kAdviceBox)->click();
        form.CheckBox(PrefsEditor::kMinimumBox)->click();
        QVERIFY(w.game.Options.AdviceOn);
        QVERIFY(!w.game.Options.AlwaysBetMinimum);
        form.ExitButton->click();
        QVERIFY(!w.game.Options.AdviceOn);
        QVERIFY(w.game.Options.AlwaysBetMinimum);
        QVERIFY(w.game.Options.SoundOn);
        QVERIFY(w.game.Options.BetTwoHands);
        QVERIFY(w.game.SaveOptionsRequest);
    }
};

QTEST_MAIN(SettingsWindowsTest)
#include "settings_windows_test.moc"
