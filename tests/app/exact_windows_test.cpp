// The exact analysis in the windows: the strategy editor's third preset filled
// through the editor's controls, the marks on up cards whose tick differs from the
// best strategy, the preset's key among the main window's, and the exact value
// beside the first strategy's advantage in the results window and its exports.

#include "analysis/cell_format.h"
#include "analysis/exact_row.h"
#include "exact/cost_text.h"
#include "exact/exact_rules.h"
#include "settings/exit_caption.h"
#include "tests/app/app_test_fixture.h"
#include "ui/analysis/results_grid_view.h"
#include "ui/analysis/sim_form.h"
#include "ui/exact_service.h"
#include "ui/settings/strategy_form.h"

#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace velmora;
using namespace velmora::testing;

namespace {

// One deck, one hand: the quickest rules to work out, also in the sanitizer build.
void OneDeck(Game& g) {
    g.Options.Decks = 1;
    g.Options.BetTwoHands = false;
}

const ExactAdvice* AdviceFor(AppFixture& app) {
    return app.form->Exact().Advice(ExactRulesOf(app.game().Options));
}

// Opens the strategy editor from the Options menu and runs `act` once the best
// strategy for the rules is known; the window is closed after a timeout.
void WithStrategyWindow(AppFixture& app, const std::function<void(TStrategyForm&)>& act) {
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, [&] {
        TStrategyForm* window = app.form->StrategyWindow();
        if (!window || !window->BestButton->isEnabled()) return;
        player.stop();
        act(*window);
        app.form->CloseSettingsWindows();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        QFAIL("the best strategy was not worked out in time");
        app.form->CloseSettingsWindows();
    });
    player.start(10);
    watchdog.start(60000);
    app.form->PlayingStrategyItem->trigger();
}

// The letter after the single '&' of a caption, upper case; 0 for none.
QChar Mnemonic(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return QChar();
}

}  // namespace

class ExactWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void TheBestPresetFillsTheTableThroughTheEditorsControls() {
        AppFixture app;
        app.StartUp();
        OneDeck(app.game());
        app.form->show();
        WithStrategyWindow(app, [&](TStrategyForm& window) {
            const ExactAdvice* advice = AdviceFor(app);
            QVERIFY(advice);
            QCOMPARE(window.SaveButton->text(), QString(kExitCaption));
            window.HandClassButton(308)->click();  // "Hard 8" under DOUBLE DOWN
            window.BestButton->click();
            // As after the other presets: the pair of 2's on show and selected, the
            // table changed, the exit button offering to save.
            QCOMPARE(int(window.Editor().EditedRow), 404);
            QVERIFY(window.HandClassButton(404)->isChecked());
            QVERIFY(window.Editor().StrategyEdited);
            QCOMPARE(window.SaveButton->text(), QString(kSaveExitCaption));
            for (int up = 2; up <= 11; ++up)
                QCOMPARE(window.CheckBox(up)->isChecked(), advice->Best.Cell(404, up) != 0);
            window.Editor().StoreStrategyRow();  // what leaving the window does
            QVERIFY(app.game().Strategy == advice->Best);
        });
    }

    void UpCardsWhoseTickDiffersFromTheBestAreMarkedWithTheirCost() {
        AppFixture app;
        app.StartUp();
        OneDeck(app.game());
        app.form->show();
        WithStrategyWindow(app, [&](TStrategyForm& window) {
            const ExactAdvice* advice = AdviceFor(app);
            // The default doubles hard 8 against 4, 5 and 6; at one deck the best
            // doubles against 5 and 6 only.
            window.HandClassButton(308)->click();
            QCOMPARE(advice->Best.Cell(308, 4), uint8_t(0));
            QCOMPARE(advice->Best.Cell(308, 5), uint8_t(1));
            for (int up = 2; up <= 11; ++up) QCOMPARE(window.CostMarked(up), up == 4);
            const QString tip =
                QString("Costs %1 % of the bet against the best play")
                    .arg(QString::fromStdString(CostPercentText(advice->FlipCost(308, 4))));
            QCOMPARE(window.CheckBox(4)->toolTip(), tip);
            QCOMPARE(window.CheckBox(4)->palette().color(QPalette::WindowText),
                     TStrategyForm::CostMarkColour());
            // Ticks follow at once: 4 unticked agrees, 5 unticked differs.
            window.CheckBox(4)->click();
            window.CheckBox(5)->click();
            QVERIFY(!window.CostMarked(4));
            QVERIFY(window.CostMarked(5));
            QCOMPARE(window.CheckBox(4)->toolTip(), QString());
            QVERIFY(window.CheckBox(4)->palette().color(QPalette::WindowText) !=
                    TStrategyForm::CostMarkColour());
            // Surrender is not allowed: its rows are never read and nothing is marked.
            window.HandClassButton(516)->click();
            window.CheckBox(10)->click();
            for (int up = 2; up <= 11; ++up) QVERIFY(!window.CostMarked(up));
        });
    }

    void TheBestPresetsKeyIsNoOtherKeyOfTheMainWindow() {
        AppFixture app;
        app.StartUp();
        app.form->show();
        WithStrategyWindow(app, [&](TStrategyForm& window) {
            const QChar key = Mnemonic(window.BestButton->text());
            QCOMPARE(key, QChar('U'));
            QStringList others;
            for (QAction* a : app.form->menuBar()->actions()) others << a->text();
            for (QPushButton* b : window.findChildren<QPushButton*>())
                if (b != window.BestButton) others << b->text();
            for (QRadioButton* b : window.findChildren<QRadioButton*>()) others << b->text();
            for (QCheckBox* b : window.findChildren<QCheckBox*>()) others << b->text();
            for (const QString& text : others) QVERIFY2(Mnemonic(text) != key, qPrintable(text));
        });
    }

    void TheResultsShowTheExactValueBesideTheFirstAdvantageAndExportIt() {
        AppFixture app;
        app.StartUp();
        OneDeck(app.game());
        app.game().Options.HideBettingIntro = true;
        std::optional<StrategyReturn> exact;
        QString label, value, tip, single;
        QStringList names = {app.Path("out.csv"), app.Path("out.json")};
        app.RunAnalysis([&] {
            TSimForm* results = app.form->ResultsWindow();
            if (!results || !(exact = results->ExactReturn())) return false;
            label = QString::fromStdString(results->Grid().Cell(2, kExactRow));
            value = QString::fromStdString(results->Grid().Cell(3, kExactRow));
            const QPointF centre = QRectF(results->SimGrid->CellRect(3, kExactRow)).center() *
                                   results->SimGrid->Scale();
            tip = results->ToolTipAt(results->SimGrid->mapTo(results, centre.toPoint()));
            results->AskSaveName = [&names](const QString&, const QString&) {
                return names.takeFirst();
            };
            results->ExportCsvItem->trigger();
            results->ExportJsonItem->trigger();
            results->Button1Click();  // the single-strategy view has no first strategy
            single = QString::fromStdString(results->Grid().Cell(2, kExactRow));
            return true;
        });
        QVERIFY(exact);
        QCOMPARE(label, QString(kExactLabel));
        QCOMPARE(value, QString::fromStdString(AdvantageCell(exact->AdvantagePercent())));
        QCOMPARE(tip, QString::fromStdString(ExactAdvantageToolTip(*exact)));
        QCOMPARE(single, QString());

        QFile json(app.Path("out.json"));
        QVERIFY(json.open(QIODevice::ReadOnly));
        const QJsonArray strategies =
            QJsonDocument::fromJson(json.readAll()).object()["strategies"].toArray();
        QCOMPARE(strategies[0].toObject()["ExactAdvantagePercent"].toDouble(),
                 exact->AdvantagePercent());
        QCOMPARE(strategies[0].toObject()["ExactEdgePercent"].toDouble(), exact->EdgePercent());
        QVERIFY(!strategies[1].toObject().contains("ExactAdvantagePercent"));

        QFile csv(app.Path("out.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString(csv.readAll()).split('\n', Qt::SkipEmptyParts);
        const QStringList head = lines[0].split(',');
        const int column = head.indexOf("ExactAdvantagePercent");
        QVERIFY(column > 0);
        QCOMPARE(lines[1].split(',')[column].toDouble(), exact->AdvantagePercent());
        QCOMPARE(lines[2].split(',')[column], QString());
    }
};

QTEST_MAIN(ExactWindowsTest)
#include "exact_windows_test.moc"
