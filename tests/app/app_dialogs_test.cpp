// The boxes and windows of the Help menu and the analysis start: the betting-strategies
// box, the about box, the help window, and printing the main window to a PDF file.

#include "app/about_box.h"
#include "app/betting_strategies_box.h"
#include "app/help_window.h"

#include <QTextBrowser>
#include "app/window_printer.h"
#include "tests/app/app_test_fixture.h"
#include "tests/ui/modal_answerer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

class AppDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void TheAnalysisStartsWithTheBettingStrategiesBox() {
        AppFixture app;
        app.StartUp();
        QVERIFY(!app.game().Options.HideBettingIntro);
        QString caption, text;
        QStringList buttons;
        AnswerNextModal([&](QWidget* w) {
            auto* box = qobject_cast<TBettingStrategiesBox*>(w);
            QVERIFY(box);
            caption = box->windowTitle();
            text = box->Text->text();
            buttons << box->HideButton->text() << box->OKButton->text();
            box->HideButton->click();
        });
        bool ran = false;
        app.RunAnalysis(
            [&] {
                ran = app.form->ResultsWindow() != nullptr;
                return ran;
            },
            60000, /*answerIntro=*/false);
        QCOMPARE(caption, QString("Betting Stategies"));
        QCOMPARE(text.split('\n'), TBettingStrategiesBox::Lines());
        QCOMPARE(TBettingStrategiesBox::Lines().first(), QString(" Conventional Betting Strategies:  "));
        QCOMPARE(TBettingStrategiesBox::Lines().last(),
                 QString(" To review this screen, select \"Help - About VLM\"  "));
        QCOMPARE(buttons, QStringList({"Do Not Show This Screen Again", "OK"}));
        QVERIFY(ran);
        QVERIFY(app.game().Options.HideBettingIntro);
        QVERIFY(app.game().OptionsChanged);
    }

    void AboutShowsTheAboutBoxOrWhileResultsAreShownTheBettingStrategies() {
        AppFixture app;
        app.StartUp();
        app.game().Options.HideBettingIntro = true;
        QString shown;
        AnswerNextModal([&](QWidget* w) {
            shown = w->metaObject()->className();
            if (auto* d = qobject_cast<QDialog*>(w)) d->accept();
        });
        app.form->AboutItem->trigger();
        QCOMPARE(shown, QString("velmora::TAboutBox"));

        shown.clear();
        app.RunAnalysis([&] {
            if (!app.form->ResultsWindow()) return false;
            AnswerNextModal([&](QWidget* w) {
                shown = w->metaObject()->className();
                if (auto* d = qobject_cast<QDialog*>(w)) d->accept();
            });
            app.form->AboutItem->trigger();
            return true;
        });
        QCOMPARE(shown, QString("velmora::TBettingStrategiesBox"));
    }

    void TopicsOpensTheProgramsOwnHelp() {
        AppFixture app;
        app.form->show();
        app.form->TopicsItem->trigger();
        THelpWindow* help = app.form->HelpWindow();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        const QString text = help->Pages->toPlainText();
        for (const char* topic :
             {"Playing at the table with the mouse", "Keys", "The modes of the Run menu", "Your history and progress",
              "Casino rules", "The playing-strategy editor",
              "Reading the Betting and Rules Analysis", "Odds of winning or losing multiples",
              "Player advantage by card count"})
            QVERIFY2(text.contains(topic), topic);
    }

    void TheHelpSaysWhatWorksNowAndWhereTheFilesAre() {
        AppFixture app;
        app.form->show();
        app.form->TopicsItem->trigger();
        const QString text = app.form->HelpWindow()->Pages->toPlainText();
        QVERIFY(text.contains("VLM.PRM in the current folder"));
        QVERIFY(!text.contains("program's folder"));
        QVERIFY(text.contains("To begin, choose Run > Normal Play."));
        // The lines that say what works, kept in step with the menus (the second one
        // only while something is greyed out).
        QString available, later;
        for (const QString& line : text.split('\n')) {
            if (line.startsWith("Available: ")) available = line;
            if (line.startsWith("Not yet available")) later = line;
        }
        QVERIFY2(!available.isEmpty(), qPrintable(text.left(800)));
        for (QMenu* menu :
             {app.form->FileMenu, app.form->RunMenu, app.form->OptionsMenu, app.form->HelpMenu}) {
            for (const QAction* item : menu->actions()) {
                const QString name = item->text().remove('&');
                const QString where = item->isEnabled() ? available : later;
                const QString elsewhere = item->isEnabled() ? later : available;
                QVERIFY2(where.contains(name), qPrintable(name));
                QVERIFY2(!elsewhere.contains(name), qPrintable(name));
            }
        }
    }

    void TheHelpClosesByItsButtonOrEscapeAndOpensBelowTheMenus() {
        AppFixture app;
        app.form->resize(1024, 768);  // larger than the test screen
        app.form->show();
        app.form->TopicsItem->trigger();
        THelpWindow* help = app.form->HelpWindow();
        QVERIFY(help->isVisible());
        QCOMPARE(PlacementFault(*help, *app.form), QString());
        QApplication::setActiveWindow(help);
        QTest::keyClick(help->Pages, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
        app.form->TopicsItem->trigger();
        QVERIFY(help->isVisible());
        QCOMPARE(help->CloseButton->text(), QString("Close"));
        help->CloseButton->click();
        QVERIFY(!help->isVisible());
    }

    void PrintProposesAPdfFileInTheCurrentFolder() {
        if (QPrinter(QPrinter::HighResolution).outputFormat() != QPrinter::PdfFormat)
            QSKIP("a printer is installed here: the dialog proposes it, not a file");
        AppFixture app;
        app.StartUp();
        app.form->show();
        QString proposed;
        AnswerNextModal([&](QWidget* w) {
            auto* dialog = qobject_cast<QPrintDialog*>(w);
            QVERIFY(dialog);
            if (auto* field = dialog->findChild<QLineEdit*>("filename")) proposed = field->text();
            dialog->reject();
        });
        app.form->PrintItem->trigger();
        QCOMPARE(proposed, QDir::current().absoluteFilePath("velmora.pdf"));
        QVERIFY(app.dialogs.boxes.isEmpty());
    }

    void PrintingTheWindowToAPdfFileWritesAPage() {
        AppFixture app;
        app.form->show();
        QTemporaryDir out;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out.filePath("window.pdf"));
        QVERIFY(PrintWindowImage(*app.form, printer));
        QFile pdf(out.filePath("window.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.contains("/Image"));
        QVERIFY(bytes.size() > 2000);
    }
};

QTEST_MAIN(AppDialogsTest)
#include "app_dialogs_test.moc"
