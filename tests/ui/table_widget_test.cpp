// The table widget: dealt cards show at their places whatever the window's size, the
// mouse finds pieces through the scaled canvas, hints come up as tooltips, the speed
// bar moves, presses belong to the pressed piece until release, and a motion step
// repaints only where the piece was and is.

#include "ui/table/table_widget.h"
#include "table/table_scene.h"
#include "ui/table/speed_bar_layout.h"
#include "ui/table/table_mouse.h"

#include <QImage>
#include <QPaintEvent>
#include <QTest>
#include <QToolTip>

using namespace velmora;

namespace {

constexpr int kTwoOfHearts = 28;  // hearts are the third suit: 27..39

void Deal(TableScene& scene, int hand, int k, int card) {
    Sprite& place = scene[scene.CardPlace(hand, k)];
    place.Pic = {PictureKind::CardFace, card};
    place.Visible = true;
}

bool IsFelt(QColor c) {
    return c.green() > c.red() + 30 && c.green() > c.blue() + 20;
}

// The share of pixels in a rect that show the felt.
double FeltShare(const QImage& image, const QRect& rect) {
    int felt = 0, all = 0;
    for (int y = rect.top(); y <= rect.bottom(); y += 2)
        for (int x = rect.left(); x <= rect.right(); x += 2, ++all)
            if (IsFelt(image.pixelColor(x, y))) ++felt;
    return all ? double(felt) / all : 1;
}

// A widget of a given size, shown and painted.
struct ShownTable {
    TableScene scene;
    TableWidget widget{scene};
    explicit ShownTable(QSize size) {
        widget.resize(size);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
    }
    QImage Grab() { return widget.grab().toImage(); }
    // Where a piece must show: the canvas scaled to fit and centred, worked out here
    // rather than asked of the widget.
    QRect Place(SpriteId id) const {
        const Sprite& s = scene[id];
        const double scale = std::min(widget.width() / double(kCanvasWidth),
                                      widget.height() / double(kCanvasHeight));
        const double left = (widget.width() - kCanvasWidth * scale) / 2;
        const double top = (widget.height() - kCanvasHeight * scale) / 2;
        return QRectF(left + s.Left * scale, top + s.Top * scale, s.Width * scale, s.Height * scale)
            .toAlignedRect()
            .adjusted(1, 1, -1, -1);
    }
    QPoint Centre(SpriteId id) const { return Place(id).center(); }
};

class RecordingMouse : public TableMouse {
  public:
    QStringList calls;
    void Pressed(SpriteId s, QPoint at, Qt::MouseButton) override { Log("press", s, at); }
    void Moved(SpriteId s, QPoint at) override { Log("move", s, at); }
    void Released(SpriteId s, QPoint at, Qt::MouseButton) override { Log("release", s, at); }
    void Clicked(SpriteId s, QPoint at) override { Log("click", s, at); }
    void DoubleClicked(SpriteId s, QPoint at) override { Log("double", s, at); }

  private:
    void Log(const char* what, SpriteId s, QPoint at) {
        calls << QString("%1 %2 %3,%4").arg(what).arg(s).arg(at.x()).arg(at.y());
    }
};

// Collects the regions of the paint events a widget receives.
class PaintSpy : public QObject {
  public:
    QRegion painted;
    int events = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(e)->region();
            ++events;
        }
        return false;
    }
};

}  // namespace

class TableWidgetTest : public QObject {
    Q_OBJECT

  private slots:
    // At the canvas's own size, twice its size, and in a wide window where the
    // canvas is centred with felt on both sides.
    void DealtCardsShowAtTheirPlacesAtAnySize_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("644x465") << QSize(644, 465);
        QTest::newRow("1288x930") << QSize(1288, 930);
        QTest::newRow("1600x700 wide") << QSize(1600, 700);
    }
    void DealtCardsShowAtTheirPlacesAtAnySize() {
        QFETCH(QSize, size);
        ShownTable table(size);
        const QImage before = table.Grab();
        const SpriteId player = table.scene.CardPlace(1, 1);
        const SpriteId dealer = table.scene.CardPlace(0, 1);
        for (SpriteId id : {player, dealer}) QVERIFY(FeltShare(before, table.Place(id)) > 0.9);

        Deal(table.scene, 1, 1, kTwoOfHearts);
        Deal(table.scene, 0, 1, 1);
        table.widget.UpdateChanged();
        QTest::qWait(20);
        const QImage after = table.Grab();
        for (SpriteId id : {player, dealer}) {
            const QRect inner = table.Place(id).adjusted(3, 3, -3, -3);
            QVERIFY2(FeltShare(after, inner) < 0.05, qPrintable(QString::number(id)));
            // The card's white ground shows near its top-left corner, inside the index.
            const QColor ground =
                after.pixelColor(inner.left() + inner.width() / 2, inner.top() + 1);
            QVERIFY2(ground.lightness() > 170, qPrintable(ground.name()));
        }
        // Right of the player's card and below the dealer's, the felt is untouched.
        const QRect beside = table.Place(player).translated(table.Place(player).width() + 6, 0);
        QVERIFY(FeltShare(after, beside.adjusted(0, 0, -beside.width() / 2, 0)) > 0.9);
    }

    void TheCanvasKeepsItsShapeAndIsCentred() {
        ShownTable table(QSize(1600, 700));
        const CanvasMapping& m = table.widget.Mapping();
        QCOMPARE(m.Scale(), 700.0 / kCanvasHeight);
        const QRectF canvas = m.Canvas();
        QVERIFY(qAbs(canvas.left() - (1600 - canvas.width()) / 2) < 0.5);
        QCOMPARE(canvas.top(), 0.0);
        // A piece keeps its pixel size wherever it lies, so its picture is not redrawn.
        QCOMPARE(m.RectOf(3, 7, 72, 97).size(), m.RectOf(200, -50, 72, 97).size());
    }

    void TheMouseFindsPiecesThroughTheScaledCanvas() {
        ShownTable table(QSize(1600, 700));
        const CanvasMapping& m = table.widget.Mapping();
        for (QPoint logical : {QPoint(0, 0), QPoint(321, 200), QPoint(643, 464)})
            QCOMPARE(m.LogicalAt(m.PointOf(logical.x(), logical.y()) + QPointF(0.5, 0.5)), logical);

        TableScene& scene = table.scene;
        const SpriteId bet = scene.BetSlot(1, 1);
        QCOMPARE(table.widget.SpriteAt(table.Centre(bet)), std::optional(scene.BetBox1));
        scene[bet].Pic = {PictureKind::Chip, 25};
        scene[bet].Visible = true;
        QCOMPARE(table.widget.SpriteAt(table.Centre(bet)), std::optional(bet));
        // Hand 1's fifth card reaches under the first payout slot: where both lie the
        // chip is on top, beside it the card.
        Deal(scene, 1, 5, 2);
        const SpriteId payout = scene.BetSlot(1, 3);
        scene[payout].Pic = {PictureKind::Chip, 5};
        scene[payout].Visible = true;
        const CanvasMapping& mapping = table.widget.Mapping();
        QCOMPARE(table.widget.SpriteAt(mapping.PointOf(350, 330) + QPointF(0.5, 0.5)),
                 std::optional(payout));
        QCOMPARE(table.widget.SpriteAt(mapping.PointOf(350, 300) + QPointF(0.5, 0.5)),
                 std::optional(scene.CardPlace(1, 5)));
        // The felt beside the canvas holds nothing.
        QCOMPARE(table.widget.SpriteAt(QPointF(5, 350)), std::nullopt);
    }

    void APiecesHintComesUpAsItsTooltip() {
        ShownTable table(QSize(1288, 930));
        const QPoint box = table.Centre(table.scene.BetBox1);
        QHelpEvent help(QEvent::ToolTip, box, table.widget.mapToGlobal(box));
        QCoreApplication::sendEvent(&table.widget, &help);
        QCOMPARE(QToolTip::text(), QString("Place bet here to play 1 hand"));
    }

    void TheSpeedBarStepsPagesAndDrags() {
        ShownTable table(QSize(1288, 930));
        TableScene& scene = table.scene;
        Sprite& bar = scene[scene.SpeedBar];
        bar.Visible = true;
        bar.Tag = 50;
        table.widget.UpdateChanged();
        QList<int> moves;
        table.widget.SetSpeedBarHandler([&](int position) {
            moves << position;
            bar.Tag = position;
        });
        const CanvasMapping& m = table.widget.Mapping();
        const int y = m.PointOf(0, bar.Top + bar.Height / 2).y();
        auto at = [&](int logicalX) { return QPoint(m.PointOf(logicalX, 0).x() + 1, y); };

        QTest::mouseClick(&table.widget, Qt::LeftButton, {}, at(bar.Right() - 3));  // arrow
        QTest::mouseClick(&table.widget, Qt::LeftButton, {}, at(bar.Left + 2));     // arrow
        QTest::mouseClick(&table.widget, Qt::LeftButton, {}, at(bar.Right() - bar.Height - 2));
        QCOMPARE(moves, QList<int>({51, 50, 60}));

        // The thumb dragged past either end of the track stops at that end.
        for (int beyond : {bar.Left - 40, bar.Right() + 40}) {
            moves.clear();
            const int thumb = SpeedBarLayout(bar).ThumbLeft(bar.Tag) + bar.Height / 2;
            QTest::mousePress(&table.widget, Qt::LeftButton, {}, at(thumb));
            QTest::mouseMove(&table.widget, at(thumb + (beyond < thumb ? -3 : 3)));
            QTest::mouseMove(&table.widget, at(beyond));
            QTest::mouseRelease(&table.widget, Qt::LeftButton, {}, at(beyond));
            QCOMPARE(moves.size(), 2);
            QCOMPARE(moves.last(), beyond < bar.Left ? 1 : 100);
        }
    }

    void APressBelongsToThePressedPieceUntilRelease() {
        ShownTable table(QSize(1288, 930));
        RecordingMouse mouse;
        table.widget.SetMouseHandler(&mouse);
        TableScene& scene = table.scene;
        Deal(scene, 1, 1, 5);
        const SpriteId card = scene.CardPlace(1, 1);
        const CanvasMapping& m = table.widget.Mapping();
        const int left = scene[card].Left, top = scene[card].Top;
        auto at = [&](int dx, int dy) { return m.PointOf(left + dx, top + dy) + QPoint(1, 1); };

        QTest::mousePress(&table.widget, Qt::LeftButton, {}, at(10, 20));
        // The piece is dragged along; positions stay relative to where it was pressed,
        // and far off it the moves still go to it.
        scene[card].Left += 40;
        QTest::mouseMove(&table.widget, at(150, -60));
        QTest::mouseRelease(&table.widget, Qt::LeftButton, {}, at(150, -60));
        // A release over the piece where it now lies is a click.
        QTest::mousePress(&table.widget, Qt::LeftButton, {}, at(50, 40));
        QTest::mouseRelease(&table.widget, Qt::LeftButton, {}, at(60, 40));
        // The bare table is pressed too, at its logical place.
        QTest::mouseClick(&table.widget, Qt::LeftButton, {}, m.PointOf(450, 440) + QPoint(1, 1));
        const QString id = QString::number(card), bare = QString::number(kNoSprite);
        QCOMPARE(mouse.calls,
                 QStringList({"press " + id + " 10,20", "move " + id + " 150,-60",
                              "release " + id + " 150,-60", "press " + id + " 10,40",
                              "release " + id + " 20,40", "click " + id + " 20,40",
                              "press " + bare + " 450,440", "release " + bare + " 450,440",
                              "click " + bare + " 450,440"}));
    }

    void AMotionStepRepaintsOnlyWhereThePieceWasAndIs() {
        ShownTable table(QSize(1288, 930));
        Deal(table.scene, 1, 1, 7);
        table.widget.UpdateChanged();
        QTest::qWait(20);
        PaintSpy spy;
        table.widget.installEventFilter(&spy);

        table.widget.UpdateChanged();  // nothing changed: nothing is painted
        QTest::qWait(20);
        QCOMPARE(spy.events, 0);

        const SpriteId card = table.scene.CardPlace(1, 1);
        const QRect was = table.Place(card);
        table.scene[card].Left += 3;
        table.scene[card].Top -= 5;
        table.widget.UpdateChanged();
        QTest::qWait(20);
        const QRect now = table.Place(card);
        QVERIFY(spy.events >= 1);
        const QRect bound = (was | now).adjusted(-3, -3, 3, 3);
        QVERIFY2(bound.contains(spy.painted.boundingRect()),
                 qPrintable(QString("painted %1,%2 %3x%4")
                                .arg(spy.painted.boundingRect().x())
                                .arg(spy.painted.boundingRect().y())
                                .arg(spy.painted.boundingRect().width())
                                .arg(spy.painted.boundingRect().height())));
        QVERIFY(spy.painted.contains(was.center()) && spy.painted.contains(now.center()));
    }
};

QTEST_MAIN(TableWidgetTest)
#include "table_widget_test.moc"
