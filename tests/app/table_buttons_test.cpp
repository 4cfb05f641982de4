// The table tells the player what is happening, on the real main window: the buttons
// under the table follow the menu bar's play commands through whole rounds and run
// the very same commands, the Stand button says when it stands on both hands, and
// Practice Deck keeps its score from the judged decisions.

#include "app/main_form.h"
#include "engine/run_loop.h"
#include "table/betting_rules.h"
#include "table/chips.h"
#include "table/player.h"
#include "tests/app/app_test_fixture.h"
#include "tests/support/stacked_shoe.h"
#include "ui/table/play_button.h"
#include "ui/table/table_widget.h"
#include "ui/table/table_window.h"

#include <QAction>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

void Start(AppFixture& app, QSize size) {
    app.StartUp();
    Game& g = app.game();
    g.Options.ComputerSpeed = 1000;
    g.Options.BetTwoHands = false;
    g.Options.AdviceOn = false;
    g.Options.SoundOn = false;
    app.form->resize(size);
    app.form->show();
}

const PlayCommand kCommands[] = {PlayCommand::Bet,    PlayCommand::Hit,   PlayCommand::Stand,
                                 PlayCommand::Double, PlayCommand::Split, PlayCommand::Surrender,
                                 PlayCommand::Hint};

// Counts how often each menu-bar play command runs.
class CommandCount {
  public:
    explicit CommandCount(TMainForm& form) {
        const QMap<QAction*, QString> items = {
            {form.BetItem, "Bet"},     {form.HitItem, "Hit"},
            {form.StandItem, "Stand"}, {form.DoubleItem, "Double"},
            {form.SplitItem, "Split"}, {form.SurrenderItem, "Surrender"},
            {form.HintItem, "Hint"}};
        for (auto it = items.begin(); it != items.end(); ++it) {
            const QString name = it.value();
            QObject::connect(it.key(), &QAction::triggered, [this, name] { ++runs[name]; });
        }
    }
    QMap<QString, int> runs;
};

// Where a button and the menu bar disagree: "Hit shown/offered"; empty when they agree.
QString Disagreement(TableWindow& window) {
    for (PlayCommand c : kCommands) {
        PlayButton* button = window.Buttons().Button(c);
        if (!button) return "a button is missing";
        const QAction* item = button->Action();
        if (button->isHidden() == item->isVisible() || button->isEnabled() != item->isEnabled())
            return button->text() + (button->isHidden() ? " hidden" : " shown") + "/" +
                   (item->isVisible() ? "offered" : "not offered");
    }
    return {};
}

QString ShownButtons(TableWindow& window) {
    QStringList shown;
    for (PlayCommand c : kCommands)
        if (!window.Buttons().Button(c)->isHidden()) shown << window.Buttons().Button(c)->text();
    return shown.join(' ');
}

void Press(TableWindow& window, PlayCommand c) {
    PlayButton* button = window.Buttons().Button(c);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

QString Caption(TableWindow& window, const char* name) {
    const TableScene& s = window.Player().Scene;
    const Sprite& piece = s[*s.Find(name)];
    return piece.Visible ? QString::fromStdString(piece.Caption) : QString();
}

void Sizes() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("1024x768") << QSize(1024, 768);
    QTest::newRow("1700x1200") << QSize(1700, 1200);
}

}  // namespace

class TableButtonsTest : public QObject {
    Q_OBJECT

  private slots:
    void TheButtonsFollowTheMenuBarAndRunItsCommands_data() { Sizes(); }
    void TheButtonsFollowTheMenuBarAndRunItsCommands() {
        QFETCH(QSize, size);
        AppFixture app;
        Start(app, size);
        Game& g = app.game();
        CommandCount count(*app.form);
        QStringList shownAt, disagreements;
        QString belowTable;
        int stage = 0, cards = 0, checks = 0;
        app.RunTable(app.form->NormalPlayItem, [&] {
            TableWindow* window = app.form->TableWindowShown();
            if (!window) return false;
            // Checked on every pass, in the middle of motions as well.
            ++checks;
            if (const QString d = Disagreement(*window); !d.isEmpty()) disagreements << d;
            TPlayer& table = window->Player();
            if (stage == 0 && BettingNow(table) && app.form->BetItem->isVisible()) {
                StackShoe(g, {10, 10, 6, 7, 5});  // 16 against a ten; the hit brings a five
                shownAt << ShownButtons(*window);
                // The strip lies under the drawn table, inside the window.
                const QRect strip = window->Buttons().geometry();
                const QRect canvas = window->Widget().Mapping().Canvas().toAlignedRect();
                belowTable =
                    strip.top() >= canvas.bottom() - 1 && window->Widget().rect().contains(strip)
                        ? "below"
                        : "elsewhere";
                Press(*window, PlayCommand::Bet);
                stage = 1;
            } else if (stage == 1 && DecidingNow(table) && app.form->DoubleItem->isVisible()) {
                shownAt << ShownButtons(*window);
                Press(*window, PlayCommand::Hit);
                stage = 2;
            } else if (stage == 2 && DecidingNow(table) && app.form->HitItem->isVisible()) {
                shownAt << ShownButtons(*window);
                cards = g.Hand(1).NumCards;
                Press(*window, PlayCommand::Stand);
                stage = 3;
            } else if (stage == 3 && BettingNow(table)) {
                shownAt << ShownButtons(*window);
                GameReset(g);
                return true;
            }
            return false;
        });
        QCOMPARE(stage, 3);
        QVERIFY(checks > 20);
        QCOMPARE(disagreements, QStringList());
        QCOMPARE(belowTable, QString("below"));
        QCOMPARE(shownAt, QStringList({"Bet", "Hit Stand Double Hint", "Hit Stand Hint", "Bet"}));
        QCOMPARE(cards, 3);
        // Each press ran its command once, the command of the menu bar, and nothing else.
        QCOMPARE(count.runs, (QMap<QString, int>{{"Bet", 1}, {"Hit", 1}, {"Stand", 1}}));
    }

    void TheStandButtonSaysWhenItStandsOnBothHands() {
        AppFixture app;
        Start(app, QSize(1024, 768));
        Game& g = app.game();
        g.Options.BetTwoHands = true;
        int stage = 0;
        QString twoHands, oneHand;
        bool bothClosed = false;
        app.RunTable(app.form->NormalPlayItem, [&] {
            TableWindow* window = app.form->TableWindowShown();
            if (!window) return false;
            TPlayer& table = window->Player();
            const TableScene& s = table.Scene;
            TableWidget& widget = window->Widget();
            auto press = [&](SpriteId id) {
                const Sprite& p = s[id];
                QTest::mouseClick(
                    &widget, Qt::LeftButton, {},
                    widget.Mapping().PointOf(p.Left + p.Width / 2, p.Top + p.Height / 2));
            };
            if (stage == 0 && BettingNow(table)) {
                StackShoe(g, {10, 9, 10, 10, 8, 7, 10, 9, 10, 8});
                press(s.BetBox3);  // the last bet on both hands
                stage = 1;
            } else if (stage == 1 && DecidingNow(table)) {
                twoHands = window->Buttons().Button(PlayCommand::Stand)->CurrentToolTip();
                Press(*window, PlayCommand::Stand);
                stage = 2;
            } else if (stage == 2 && BettingNow(table)) {
                bothClosed = g.Hand(1).Finished && g.Hand(3).Finished &&
                             !Caption(*window, "Hand3").isEmpty();
                press(s.RackImage(*KindOfCode(g.Options.TableMinimum)));  // one hand
                stage = 3;
            } else if (stage == 3 && DecidingNow(table)) {
                oneHand = window->Buttons().Button(PlayCommand::Stand)->CurrentToolTip();
                GameReset(g);
                return true;
            }
            return false;
        });
        QCOMPARE(stage, 3);
        QCOMPARE(twoHands, QString("Stand on both hands"));
        QVERIFY(bothClosed);
        QCOMPARE(oneHand, QString("Stand on this hand (S)"));
    }

    void PracticeKeepsTheScoreOfTheJudgedDecisions() {
        AppFixture app;
        Start(app, QSize(1024, 768));
        Game& g = app.game();
        g.Options.AdviceOn = true;
        int stage = 0;
        QString mode, zero, first, afterRight, afterWrong, correctAfterRight, correctAfterWrong;
        QStringList boxesAfterRight;
        app.RunTable(app.form->PracticeDeckItem, [&] {
            TableWindow* window = app.form->TableWindowShown();
            if (!window || !DecidingNow(window->Player())) return false;
            if (stage == 0) {
                // The cards of this deal are the shoe's; the next two deals are stacked:
                // 12 against a 4 (stand) and 16 against a 9 (hit).
                mode = Caption(*window, "ModeLine");
                StackShoe(g, {9, 4, 3, 5, 9, 9, 7, 5});
                zero = Caption(*window, "PracticeCounter");
                Press(*window, PlayCommand::Stand);
            } else if (stage == 1) {
                first = Caption(*window, "PracticeCounter");
                app.dialogs.boxes.clear();
                Press(*window, PlayCommand::Stand);  // right
            } else if (stage == 2) {
                afterRight = Caption(*window, "PracticeCounter");
                correctAfterRight = Caption(*window, "Judgement");
                boxesAfterRight = app.dialogs.boxes;
                Press(*window, PlayCommand::Stand);  // wrong: the strategy hits
            } else {
                afterWrong = Caption(*window, "PracticeCounter");
                correctAfterWrong = Caption(*window, "Judgement");
                GameReset(g);
                return true;
            }
            ++stage;
            return false;
        });
        QCOMPARE(stage, 3);
        QCOMPARE(mode, QString("PRACTICE DECK"));
        QCOMPARE(zero, QString("Practice: 0 of 0 right"));
        // The first decision's cards were the shoe's: whatever it was, it was counted.
        const QRegularExpression score(R"(Practice: (\d) of 1 right \((0|100) %\))");
        const QRegularExpressionMatch m = score.match(first);
        QVERIFY2(m.hasMatch(), qPrintable(first));
        const int right = m.captured(1).toInt();
        QCOMPARE(
            afterRight,
            QString("Practice: %1 of 2 right (%2 %)").arg(right + 1).arg(right == 0 ? 50 : 100));
        QCOMPARE(correctAfterRight, QString("Correct"));
        QCOMPARE(boxesAfterRight, QStringList());
        QCOMPARE(
            afterWrong,
            QString("Practice: %1 of 3 right (%2 %)").arg(right + 1).arg(right == 0 ? 33 : 67));
        QCOMPARE(correctAfterWrong, QString());
        QVERIFY2(!app.dialogs.boxes.filter("Hit").isEmpty(),
                 qPrintable(app.dialogs.boxes.join(" | ")));
    }
};

QTEST_MAIN(TableButtonsTest)
#include "table_buttons_test.moc"
