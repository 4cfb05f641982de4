// The Betting and Rules Analysis in the main window: the results grid fills, clicks
// cycle its formats, the single-strategy button, Reset Game, saving and loading during
// the run, and closing the window while the analysis runs.

#include "analysis/analysis_runner.h"
#include "analysis/chart_data.h"
#include "ui/analysis/charts_window.h"
#include "ui/analysis/results_grid_view.h"
#include "analysis/show_analysis.h"
#include "ui/analysis/sim_form.h"
#include "tests/app/app_test_fixture.h"
#include "tests/ui/modal_answerer.h"
#include "ui/file_ctrls.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QClipboard>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

#include <filesystem>

using namespace velmora;
using namespace velmora::testing;

namespace {

QString CellText(const TSimForm* results, int column, int row) {
    return QString::fromStdString(results->Grid().Cell(column, row));
}

// Answers the file picker with `name` and OK.
void PickName(const QString& name) {
    AnswerNextModal([name](QWidget* w) {
        auto* picker = qobject_cast<TFileCtrls*>(w);
        QVERIFY(picker);
        picker->FileEdit->setText(name);
        picker->Button1->click();
    });
}

// The values of the bars of every strategy in the hourly chart, strategy by strategy.
QList<QList<qreal>> HourlyBars(const TChartsWindow* charts) {
    QList<QList<qreal>> bars;
    for (QAbstractSeries* series : charts->HourlyChart()->series())
        if (auto* barSeries = qobject_cast<QBarSeries*>(series))
            for (QBarSet* set : barSeries->barSets()) {
                bars << QList<qreal>();
                for (int i = 0; i < set->count(); ++i) bars.back() << set->at(i);
            }
    return bars;
}

QList<QList<qreal>> Expected(const ChartData& data) {
    QList<QList<qreal>> bars;
    for (const ChartLine& line : data.Lines) {
        bars << QList<qreal>();
        for (const auto& v : line.Values) bars.back() << v.value_or(0);
    }
    return bars;
}

// Threads of this process, as Linux lists them.
int ThreadsRunning() {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/task"))
        ++n;
    return n;
}

}  // namespace

class AnalysisWindowTest : public QObject {
    Q_OBJECT

private slots:
    void AnAnalysisFillsTheStatisticsAndClicksCycleTheFormats() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        app.form->show();
        QStringList captions;
        QStringList firstLabels;
        QString totalHands, runTime;
        bool checked = false;
        app.RunAnalysis([&] {
            TSimForm* results = app.form->ResultsWindow();
            if (!results || Blocks(app.game()) < 5 || results->Redraws() == 0) return false;
            captions << app.form->windowTitle();
            totalHands = CellText(results, 3, 3);
            runTime = CellText(results, 3, 1);
            firstLabels << CellText(results, 2, 3);
            for (int click = 0; click < 3; ++click) {
                QTest::mouseClick(results, Qt::LeftButton, {}, QPoint(300, 200));
                captions << app.form->windowTitle();
                firstLabels << CellText(results, 2, 1);
            }
            checked = true;
            return true;
        });
        QVERIFY(checked);
        const QString frame = "Velmora 32 - [%1]";
        QCOMPARE(captions, QStringList({frame.arg(kStatisticsTitle), frame.arg(kOddsTitle),
                                        frame.arg(kCountTitle), frame.arg(kStatisticsTitle)}));
        QCOMPARE(firstLabels.at(0), QString(" Total Hands"));
        QVERIFY2(firstLabels.at(1).startsWith("+ $") && firstLabels.at(1).endsWith(" / hour"),
                 qPrintable(firstLabels.at(1)));
        QCOMPARE(firstLabels.at(2), QString("            +9 >"));
        QCOMPARE(firstLabels.at(3), QString(" Run Time"));
        bool isNumber = false;
        // The grid shows the hands of the blocks before its last redraw (one a second).
        QVERIFY2(totalHands.trimmed().remove(',').toLongLong(&isNumber) >= 100 && isNumber,
                 qPrintable(totalHands));
        QVERIFY2(QRegularExpression("^\\d+:\\d\\d:\\d\\d$").match(runTime).hasMatch(),
                 qPrintable(runTime));
        // The reset at the end closed the window and cleared the statistics.
        QVERIFY(!app.form->ResultsWindow());
        QVERIFY(!app.game().ResultsWindowOpen);
        QCOMPARE(app.form->windowTitle(), QString("Velmora 32"));
    }

    void ADoubleClickIsOneStep() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        app.form->show();
        uint8_t afterDoubleClick = 0, afterClick = 0;
        app.RunAnalysis([&] {
            TSimForm* results = app.form->ResultsWindow();
            if (!results || Blocks(app.game()) < 2) return false;
            // Through the window system, as a mouse makes it: press, release, and the
            // second press arriving as a double click.
            QWindow* window = app.form->windowHandle();
            const QPoint at = results->mapTo(app.form.get(), QPoint(300, 200));
            QTest::mouseDClick(window, Qt::LeftButton, {}, at);
            QCoreApplication::processEvents();
            afterDoubleClick = app.game().ResultsScreen;
            QTest::mouseClick(window, Qt::LeftButton, {}, at);
            QCoreApplication::processEvents();
            afterClick = app.game().ResultsScreen;
            return true;
        });
        QCOMPARE(int(afterDoubleClick), int(kOddsScreen));
        QCOMPARE(int(afterClick), int(kCountScreen));
    }

    void TheWindowsWorkersGiveWhatTheToolGivesForTheSameSeedAndRounds() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        app.game().AnalysisSeed = 4242;
        std::array<Statistics, 5> shown{};
        uint64_t blocks = 0;
        OptionsRecord rules;
        app.RunAnalysis([&] {
            if (!app.form->ResultsWindow() || Blocks(app.game()) < 30 * kTestChunkBlocks) return false;
            for (int s = 1; s <= 4; ++s) shown[size_t(s)] = app.game().StatsOf(s);
            blocks = app.game().HourBlocks;
            rules = app.game().Options;
            return true;
        });
        AnalysisRequest tool;
        tool.Rules = rules;
        tool.Strategy = app.game().Strategy;
        tool.Seed = 4242;
        tool.Rounds = blocks * 100;
        tool.Threads = 1;
        tool.ChunkBlocks = kTestChunkBlocks;
        const AnalysisResult whole = RunAnalysis(tool);
        QCOMPARE(whole.HourBlocks, blocks);
        for (int s = 1; s <= 4; ++s) QVERIFY2(whole.Stats[size_t(s)] == shown[size_t(s)], "differ");
        QVERIFY(shown[1].Blocks.Blocks == int64_t(blocks));
    }

    void StoppingAThreadedRunAgainAndAgainLeavesNoWorkerRunning() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        // A first run lets Qt start whatever threads of its own it starts once.
        app.RunAnalysis([&] { return Blocks(app.game()) > 0; });
        const int idle = ThreadsRunning();
        for (int run = 0; run < 6; ++run) {
            int during = 0;
            bool otherModeChosen = false;
            app.RunAnalysis([&] {
                if (!app.form->ResultsWindow()) return false;
                during = std::max(during, ThreadsRunning());
                // Half the stops come before the first chunk is in, half after.
                if (run % 2 == 1 && Blocks(app.game()) == 0) return false;
                if (run % 3 == 2 && !otherModeChosen) {
                    // Choosing the analysis again stops this run and starts a new one,
                    // which the fixture's reset then stops.
                    otherModeChosen = true;
                    app.form->BettingAnalysisItem->trigger();
                    return false;
                }
                app.form->ResetGameItem->trigger();
                return true;
            });
            QVERIFY(during > idle);
            QCOMPARE(ThreadsRunning(), idle);
            QVERIFY(!app.form->ResultsWindow());
            QCOMPARE(app.game().HourBlocks, 0u);
            for (int s = 1; s <= 4; ++s) QCOMPARE(app.game().StatsOf(s).HandsPlayed, 0);
        }
        // Closing the program during a run: asked once, and the workers are gone.
        app.form->show();
        app.RunAnalysis([&] {
            if (!app.form->ResultsWindow() || Blocks(app.game()) == 0) return false;
            app.dialogs.answers = {true};
            app.form->close();
            return true;
        });
        QTRY_VERIFY(!app.form->isVisible());
        QCOMPARE(ThreadsRunning(), idle);
    }

    void TheAdvantageCellsTellTheirStandardErrorAndNoOtherCellDoes() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        QString advantage, hands, oddsFormat;
        app.RunAnalysis([&] {
            TSimForm* results = app.form->ResultsWindow();
            if (!results || Blocks(app.game()) < 2) return false;
            auto centre = [results](int column, int row) {
                const QRectF cell = results->SimGrid->CellRect(column, row);
                const QPointF c = cell.center() * results->SimGrid->Scale();
                return results->SimGrid->mapTo(results, c.toPoint());
            };
            advantage = results->ToolTipAt(centre(4, 7));
            hands = results->ToolTipAt(centre(4, 3));
            QTest::mouseClick(results, Qt::LeftButton, {}, QPoint(300, 200));  // to odds
            oddsFormat = results->ToolTipAt(centre(4, 7));
            return true;
        });
        QVERIFY2(QRegularExpression("^-?\\d+\\.\\d+ % ± \\d+\\.\\d+ % \\(1 standard error, "
                                    "[\\d,]+ hours\\)$")
                     .match(advantage)
                     .hasMatch(),
                 qPrintable(advantage));
        QCOMPARE(hands, QString());
        QCOMPARE(oddsFormat, QString());
    }

    void TheExportsParseBackToTheNumbersShown() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        app.game().AnalysisSeed = 99;
        std::array<Statistics, 5> shown{};
        uint64_t blocks = 0;
        QStringList menuItems;
        QString clipboard, asText;
        app.RunAnalysis([&] {
            TSimForm* results = app.form->ResultsWindow();
            if (!results || Blocks(app.game()) < 2) return false;
            for (QAction* a : results->ResultsMenu()->actions())
                if (!a->isSeparator()) menuItems << a->text();
            // Names typed without an extension get the one of their kind.
            QStringList names = {app.Path("out"), app.Path("out")};
            results->AskSaveName = [&names](const QString&, const QString&) {
                return names.takeFirst();
            };
            results->ExportCsvItem->trigger();
            results->ExportJsonItem->trigger();
            results->CopyTextItem->trigger();
            clipboard = QApplication::clipboard()->text();
            asText = results->ResultsAsText();
            for (int s = 1; s <= 4; ++s) shown[size_t(s)] = app.game().StatsOf(s);
            blocks = app.game().HourBlocks;
            return true;
        });
        QCOMPARE(menuItems, QStringList({"Show C&harts...", "&Copy as Text", "Export C&SV...",
                                         "Export &JSON..."}));
        QCOMPARE(clipboard, asText);
        QVERIFY(clipboard.startsWith(kStatisticsTitle));
        QVERIFY(clipboard.contains(kOddsTitle) && clipboard.contains(kCountTitle));

        QFile json(app.Path("out.json"));
        QVERIFY(json.open(QIODevice::ReadOnly));
        const QJsonObject root = QJsonDocument::fromJson(json.readAll()).object();
        QCOMPARE(root["seed"].toInteger(), 99);
        QCOMPARE(uint64_t(root["HourBlocks"].toInteger()), blocks);
        const QJsonArray strategies = root["strategies"].toArray();
        QCOMPARE(strategies.size(), 4);

        QFile csv(app.Path("out.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString(csv.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);
        const QStringList head = lines[0].split(',');
        for (int s = 1; s <= 4; ++s) {
            const Statistics& st = shown[size_t(s)];
            const QJsonObject j = strategies[s - 1].toObject();
            QCOMPARE(j["HandsPlayed"].toInteger(), st.HandsPlayed);
            QCOMPARE(j["TotalNet"].toDouble(), st.TotalNet);
            QCOMPARE(j["TotalStaked"].toDouble(), st.TotalStaked);
            QCOMPARE(j["BlockMoments"].toObject()["NetSquares"].toInteger(), st.Blocks.NetSquares);
            QCOMPARE(j["AdvantageStandardErrorPercent"].toDouble(),
                     100 * st.Blocks.AdvantageStandardError());
            for (int c = kMinCountIndex; c <= kMaxCountIndex; ++c)
                QCOMPARE(j["ResultByCount"].toArray()[int(CountSlot(c))].toDouble(),
                         st.ResultAt(c));

            const QStringList row = lines[s].split(',');
            QCOMPARE(row.size(), head.size());
            auto field = [&](const QString& name) { return row[head.indexOf(name)]; };
            QCOMPARE(field("HandsPlayed").toLongLong(), st.HandsPlayed);
            QCOMPARE(field("TotalNet").toDouble(), st.TotalNet);
            QCOMPARE(field("Hours").toULongLong(), blocks);
            QCOMPARE(field("Seed"), QString("99"));
            QCOMPARE(field("HoursAtMultiple_minus_3").toLongLong(), st.HourAt(-3));
            QCOMPARE(field("StakedAtCount_4").toDouble(), st.StakeAt(4));
            QCOMPARE(field("AdvantageStandardErrorPercent").toDouble(),
                     100 * st.Blocks.AdvantageStandardError());
        }
    }

    void TheChartsOpenFromTheMenuFollowTheGridAndCloseWithIt() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        app.form->show();
        QPointer<TChartsWindow> charts;
        QString titleAtOpen, titleLater;
        QList<QList<qreal>> barsShown, barsExpected;
        int refreshesAtOpen = 0, lines = 0, linesWithPoints = 0;
        qreal shareSum = 0;
        int singleSets = -1;
        QString singleCountTitle, singleHourlyTitle;
        QString placement;
        bool closedByEscape = false, closedByButton = false;
        int stage = 0;
        app.RunAnalysis([&] {
            TSimForm* results = app.form->ResultsWindow();
            if (!results || Blocks(app.game()) < 2 || results->Redraws() == 0) return false;
            if (stage == 0) {
                results->ChartsItem->trigger();
                charts = results->Charts();
                if (!charts) return true;
                placement = PlacementFault(*charts, *app.form);
                // Escape and the Close button close it; the menu opens it again.
                QApplication::setActiveWindow(charts);
                QTest::keyClick(charts, Qt::Key_Escape);
                closedByEscape = !charts->isVisible();
                results->ChartsItem->trigger();
                charts->findChild<QPushButton*>("CloseButton")->click();
                closedByButton = !charts->isVisible();
                results->ChartsItem->trigger();
                titleAtOpen = charts->HourlyChart()->title();
                refreshesAtOpen = charts->Refreshes();
                stage = 1;
                return false;
            }
            // The grid's next redraws (one a clock second) redraw the charts too.
            if (charts->Refreshes() < refreshesAtOpen + 2) return false;
            titleLater = charts->HourlyChart()->title();
            // What the bars hold is what the statistics say at the moment of a redraw.
            results->ShowAnalysis();
            barsShown = HourlyBars(charts);
            barsExpected = Expected(HourlyResults(app.game()));
            for (QAbstractSeries* series : charts->CountChart()->series()) {
                if (auto* line = qobject_cast<QLineSeries*>(series)) {
                    ++lines;
                    if (line->count() > 0 && line->isVisible()) ++linesWithPoints;
                } else if (auto* bars = qobject_cast<QBarSeries*>(series)) {
                    for (int i = 0; i < bars->barSets().first()->count(); ++i)
                        shareSum += bars->barSets().first()->at(i);
                }
            }
            // The single-strategy view books neither hours by result nor counts.
            results->Button1->click();
            const auto single = HourlyBars(charts);
            singleSets = int(single.size());
            singleHourlyTitle = charts->HourlyChart()->title();
            singleCountTitle = charts->CountChart()->title();
            return true;
        });
        QVERIFY(!titleAtOpen.isEmpty());
        QCOMPARE(placement, QString());
        QVERIFY(closedByEscape);
        QVERIFY(closedByButton);
        QVERIFY2(titleAtOpen != titleLater, qPrintable(titleLater));  // more hours
        QVERIFY(QRegularExpression("^How an hour of 100 rounds ends \\([\\d,]+ hours\\)$")
                    .match(titleLater)
                    .hasMatch());
        QCOMPARE(barsShown.size(), 4);
        QCOMPARE(barsShown, barsExpected);
        QCOMPARE(lines, 4);
        QCOMPARE(linesWithPoints, 4);
        QVERIFY2(qAbs(shareSum - 100) < 1e-6, qPrintable(QString::number(shareSum)));
        QCOMPARE(singleSets, 0);
        QVERIFY(singleHourlyTitle.contains("when all four strategies play"));
        QVERIFY(singleCountTitle.contains("when all four strategies play"));
        // The reset at the end of the run closed the results window and its charts.
        QVERIFY(charts.isNull());
    }

    void AClickOnTheHintLineAlsoCyclesTheFormats() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        uint8_t after = 0;
        app.RunAnalysis([&] {
            TSimForm* results = app.form->ResultsWindow();
            if (!results || Blocks(app.game()) < 2) return false;
            QTest::mouseClick(results, Qt::LeftButton, {}, results->Edit1->geometry().center());
            after = app.game().ResultsScreen;
            return true;
        });
        QCOMPARE(int(after), int(kOddsScreen));
    }

    void TheSmallButtonShowsTheFourthStrategyAlone() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        bool single = false, buttonHidden = false, hintHidden = false;
        uint8_t screenAfterClick = 0;
        QList<int> widths;
        QString strategy4Hands, strategy1Hands = "not read";
        int stage = 0;
        app.RunAnalysis([&] {
            TSimForm* results = app.form->ResultsWindow();
            if (!results || Blocks(app.game()) < 2) return false;
            if (stage == 0) {
                QTest::mouseClick(results, Qt::LeftButton, {}, QPoint(300, 200));  // to odds
                results->Button1->click();
                single = app.game().Options.SingleStrategyView;
                buttonHidden = results->Button1->isHidden();
                hintHidden = results->Edit1->isHidden();
                QTest::mouseClick(results, Qt::LeftButton, {}, QPoint(300, 200));
                screenAfterClick = app.game().ResultsScreen;
                for (int c = 3; c <= 6; ++c) widths << results->Grid().ColumnWidth(c);
                stage = 1;
                return false;
            }
            // Fifty more blocks bring the next redraw of the single view.
            if (results->Redraws() < 3 && Blocks(app.game()) < 200) return false;
            results->ShowAnalysis();
            strategy4Hands = CellText(results, 6, 3);
            strategy1Hands = CellText(results, 3, 3);
            return true;
        });
        QVERIFY(single);
        QVERIFY(buttonHidden);
        QVERIFY(hintHidden);
        QCOMPARE(int(screenAfterClick), int(kStatisticsScreen));
        QCOMPARE(widths, QList<int>({1, 1, 1, 129}));
        QVERIFY2(!strategy4Hands.trimmed().isEmpty(), qPrintable(strategy4Hands));
        QCOMPARE(strategy1Hands, QString());
        // The end of the analysis clears the single view.
        QVERIFY(!app.game().Options.SingleStrategyView);
    }

    void ResetGameClosesTheResultsAndClearsTheStatistics() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        int handsBeforeReset = 0;
        bool closedAtOnce = false;
        app.RunAnalysis([&] {
            if (!app.form->ResultsWindow() || Blocks(app.game()) < 3) return false;
            handsBeforeReset = app.game().StatsOf(1).HandsPlayed;
            app.form->ResetGameItem->trigger();
            closedAtOnce = !app.form->ResultsWindow();
            return true;
        });
        QVERIFY(handsBeforeReset > 0);
        QVERIFY(closedAtOnce);
        QVERIFY(!app.form->ResultsWindow());
        for (int s = 1; s <= 4; ++s) QCOMPARE(app.game().StatsOf(s).HandsPlayed, 0);
        QCOMPARE(app.game().HourBlocks, 0u);
        QVERIFY(app.game().StopRequested);
    }

    void ClosingDuringTheAnalysisAsksOnceAndEndsCleanly() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        app.form->show();
        bool closedAtOnce = true;
        app.RunAnalysis([&] {
            if (!app.form->ResultsWindow() || Blocks(app.game()) < 2) return false;
            app.dialogs.answers = {true};
            closedAtOnce = app.form->close();
            return true;
        });
        // The close waited for the run to return, then went through by itself.
        QVERIFY(!closedAtOnce);
        QTRY_VERIFY(!app.form->isVisible());
        QCOMPARE(app.dialogs.boxes, QStringList({"yes/cancel: CLOSE BlackJack?"}));
        QVERIFY(!app.form->ResultsWindow());
        QVERIFY(app.game().Closing);
    }

    void SavingDuringTheAnalysisNamesTheGameInTheTitleCell() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        QString titleCell;
        int savedHands = -1, loadedHands = -2;
        int stage = 0;
        app.RunAnalysis([&] {
            TSimForm* results = app.form->ResultsWindow();
            if (!results || Blocks(app.game()) < 3) return false;
            if (stage == 0) {
                PickName("mygame");
                app.form->SaveItem->trigger();
                savedHands = app.game().StatsOf(1).HandsPlayed;
                QTest::mouseClick(results, Qt::LeftButton, {}, QPoint(300, 200));
                titleCell = CellText(results, 2, 0);
                stage = 1;
                return false;
            }
            if (app.game().StatsOf(1).HandsPlayed <= savedHands) return false;
            // Loading goes back to the statistics of the saved game.
            PickName("MYGAME.VLM");
            app.form->LoadItem->trigger();
            loadedHands = app.game().StatsOf(1).HandsPlayed;
            return true;
        });
        QCOMPARE(loadedHands, savedHands);
        QCOMPARE(titleCell, QString("\" MYGAME \""));
        QCOMPARE(QFile("MYGAME.VLM").size(), 9748);
        // The reset at the end of the run forgets the name.
        QVERIFY(app.game().GameFileName.empty());
    }

    void TheWindowFollowsTheViewOfALoadedGameBothWays() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        struct Seen {
            bool single = false, buttonShown = false, hintShown = false;
            QString caption;
            QList<int> widths;
            uint8_t screenAfterClick = 0;
        };
        auto look = [&app](TSimForm* results) {
            Seen seen;
            seen.single = app.game().Options.SingleStrategyView;
            seen.buttonShown = !results->Button1->isHidden();
            seen.hintShown = !results->Edit1->isHidden();
            seen.caption = results->windowTitle();
            for (int c = 3; c <= 6; ++c) seen.widths << results->Grid().ColumnWidth(c);
            const uint8_t before = app.game().ResultsScreen;
            QTest::mouseClick(results, Qt::LeftButton, {}, QPoint(300, 200));
            seen.screenAfterClick = app.game().ResultsScreen;
            app.game().ResultsScreen = before;
            return seen;
        };
        Seen loadedSingle, loadedAll;
        int stage = 0;
        app.RunAnalysis([&] {
            TSimForm* results = app.form->ResultsWindow();
            if (!results || Blocks(app.game()) < 2) return false;
            if (stage == 0) {
                PickName("all");
                app.form->SaveItem->trigger();
                results->Button1->click();
                PickName("single");
                app.form->SaveAsItem->trigger();
                stage = 1;
                return false;
            }
            // From the single view, a game of all four strategies brings all back.
            PickName("all");
            app.form->LoadItem->trigger();
            loadedAll = look(results);
            // From the odds of all four, a single-strategy game.
            QTest::mouseClick(results, Qt::LeftButton, {}, QPoint(300, 200));
            PickName("single");
            app.form->LoadItem->trigger();
            loadedSingle = look(results);
            return true;
        });
        QVERIFY(!loadedAll.single);
        QVERIFY(loadedAll.buttonShown);
        QVERIFY(loadedAll.hintShown);
        QCOMPARE(loadedAll.widths, QList<int>({129, 129, 129, 129}));
        QCOMPARE(int(loadedAll.screenAfterClick), int(kOddsScreen));

        QVERIFY(loadedSingle.single);
        QVERIFY(!loadedSingle.buttonShown);
        QVERIFY(!loadedSingle.hintShown);
        QCOMPARE(loadedSingle.caption, QString(kStatisticsTitle));
        QCOMPARE(loadedSingle.widths, QList<int>({1, 1, 1, 129}));
        QCOMPARE(int(loadedSingle.screenAfterClick), int(kOddsScreen));  // clicks do nothing
    }

    void LoadingAMissingGameSaysSoAndLoadingBeforePlayIsRefused() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        app.form->LoadItem->trigger();
        QCOMPARE(app.dialogs.boxes.size(), 1);
        QVERIFY2(app.dialogs.boxes.at(0).endsWith("Load Game File AFTER You Start Playing"),
                 qPrintable(app.dialogs.boxes.at(0)));

        app.dialogs.boxes.clear();
        {
            QFile shortFile("SHORT.VLM");
            QVERIFY(shortFile.open(QIODevice::WriteOnly));
            shortFile.write(QByteArray(100, 'x'));
        }
        bool stillRunning = false;
        int handsBefore = 0, handsAfter = 0;
        app.RunAnalysis([&] {
            if (!app.form->ResultsWindow() || Blocks(app.game()) < 2) return false;
            PickName("nosuch");
            app.form->LoadItem->trigger();
            PickName("short");
            handsBefore = app.game().StatsOf(1).HandsPlayed;
            app.form->LoadItem->trigger();
            handsAfter = app.game().StatsOf(1).HandsPlayed;
            stillRunning = !app.game().StopRequested;
            return true;
        });
        QCOMPARE(app.dialogs.beeps, 1);
        QCOMPARE(app.dialogs.boxes.size(), 2);
        QVERIFY2(app.dialogs.boxes.at(0).endsWith("ERROR... File Not Found!"),
                 qPrintable(app.dialogs.boxes.at(0)));
        // A file too short to be a saved game is refused whole; the run goes on.
        QVERIFY2(app.dialogs.boxes.at(1).contains("SORRY ... Saved Game NOT Loaded!"),
                 qPrintable(app.dialogs.boxes.at(1)));
        QCOMPARE(handsAfter, handsBefore);
        QVERIFY(stillRunning);
    }
};

QTEST_MAIN(AnalysisWindowTest)
#include "analysis_window_test.moc"
