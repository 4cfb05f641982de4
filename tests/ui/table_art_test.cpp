// The table's pictures: the deck's cards by number, plain faces when the deck is
// missing, two backs that cannot be mistaken for each other, the chip that each ring
// and outline colour stands for, and pixmaps drawn once per size.

#include "table/sprite.h"
#include "ui/art/card_back_painter.h"
#include "ui/art/card_deck.h"
#include "ui/art/chip_look.h"
#include "ui/art/picture_cache.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace velmora;

namespace {

QImage Blank(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage Face(const CardDeck& deck, int card) {
    QImage image = Blank(QSize(72, 97));
    QPainter painter(&image);
    deck.PaintFace(painter, QRectF(0, 0, 72, 97), card);
    return image;
}

QImage Back(int choice) {
    QImage image = Blank(QSize(72, 97));
    QPainter painter(&image);
    PaintCardBack(painter, QRectF(0, 0, 72, 97), choice);
    return image;
}

// The mean colour of the middle of a picture.
QColor MeanOfMiddle(const QImage& image) {
    long r = 0, g = 0, b = 0, n = 0;
    for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y)
        for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x, ++n) {
            const QColor c = image.pixelColor(x, y);
            r += c.red(), g += c.green(), b += c.blue();
        }
    return QColor(int(r / n), int(g / n), int(b / n));
}

}  // namespace

class TableArtTest : public QObject {
    Q_OBJECT

  private slots:
    void CardsAreNumberedClubsDiamondsHeartsSpadesFromAceToKing() {
        QCOMPARE(CardDeck::ElementId(1), QString("1_club"));
        QCOMPARE(CardDeck::ElementId(10), QString("10_club"));
        QCOMPARE(CardDeck::ElementId(11), QString("jack_club"));
        QCOMPARE(CardDeck::ElementId(13), QString("king_club"));
        QCOMPARE(CardDeck::ElementId(14), QString("1_diamond"));
        QCOMPARE(CardDeck::ElementId(38), QString("queen_heart"));
        QCOMPARE(CardDeck::ElementId(40), QString("1_spade"));
        QCOMPARE(CardDeck::ElementId(52), QString("king_spade"));
    }

    // Every card the table can deal is in the installed deck: a face drawn by an id
    // the deck lacks would stay empty.
    void TheInstalledDeckHasEveryFace() {
        const CardDeck& deck = CardDeck::Shared();
        QVERIFY2(deck.Loaded(), "scripts/deps.sh installs kdegames-card-data-kf5");
        QImage previous;
        for (int card = 1; card <= 52; ++card) {
            const QImage face = Face(deck, card);
            QVERIFY2(face.pixelColor(36, 48).alpha() == 255, qPrintable(QString::number(card)));
            QVERIFY(face != previous);
            previous = face;
        }
    }

    // The deck's ace of hearts carries the desktop's logo under its heart, and its
    // court cards the desktop's name in two corners: the table shows neither.
    void TheDesktopsMarksAreNotShown() {
        const CardDeck& deck = CardDeck::Shared();
        QVERIFY(deck.Loaded());
        const QSize size(58 * 4, 88 * 4);  // four pixels to the deck's unit
        auto darkPixels = [&](int card, QRect units) {
            QImage image = Blank(size);
            QPainter painter(&image);
            deck.PaintFace(painter, QRectF(QPointF(0, 0), size), card);
            painter.end();
            int dark = 0;
            for (int y = units.top() * 4; y < units.bottom() * 4; ++y)
                for (int x = units.left() * 4; x < units.right() * 4; ++x)
                    if (image.pixelColor(x, y).lightness() < 100) ++dark;
            return dark;
        };
        QCOMPARE(darkPixels(27, QRect(24, 57, 12, 12)), 0);  // ace of hearts
        QCOMPARE(darkPixels(13, QRect(3, 78, 3, 6)), 0);     // king of clubs
        QVERIFY(darkPixels(40, QRect(2, 2, 8, 8)) > 0);      // the ace of spades' index
    }

    void WithoutTheDeckFacesAreDrawnPlain() {
        const CardDeck missing("/nonexistent/deck.svgz");
        QVERIFY(!missing.Loaded());
        const QImage ace = Face(missing, 1), king = Face(missing, 52);
        QCOMPARE(ace.pixelColor(36, 8).rgb(), QColor(Qt::white).rgb());
        QVERIFY(ace != king);
        QCOMPARE(Face(missing, 0), Blank(QSize(72, 97)));  // no card 0
    }

    void TheTwoBacksAreRedAndBlue() {
        const QColor red = MeanOfMiddle(Back(0)), blue = MeanOfMiddle(Back(1));
        QVERIFY2(red.red() > red.blue() + 60, qPrintable(red.name()));
        QVERIFY2(blue.blue() > blue.red() + 60, qPrintable(blue.name()));
    }

    // Rings, rack outlines and pile outlines name their chip by colour; each colour
    // the table uses must come back as its chip, the 500s' maroon outline included.
    void EveryChipColourOfTheTableShowsItsChip() {
        const std::pair<Rgb, QString> colours[] = {
            {colour::kFuchsia, "2.50"}, {colour::kRed, "5"},      {colour::kLime, "25"},
            {colour::kBlack, "100"},    {colour::kPurple, "500"}, {colour::kMaroon, "500"},
            {colour::kWhite, "1000"},   {colour::kBlue, "5000"}};
        for (const auto& [rgb, label] : colours) {
            QCOMPARE(ChipLookOfColour(rgb).label, label);
            QCOMPARE(ChipLookOfColour(rgb).body,
                     ChipLookOfCode(label == "2.50" ? 2 : label.toInt()).body);
        }
        // A two-chip bet looks like its chip.
        QCOMPARE(ChipLookOfCode(10).label, QString("5"));
        QCOMPARE(ChipLookOfCode(10000).label, QString("5000"));
        QVERIFY(ChipLookOfColour(0x123456).label.isEmpty());
    }

    void APictureIsDrawnOncePerSizeAndPixelRatio() {
        PictureCache cache(CardDeck::Shared());
        const QPixmap& first = cache.Get(Art::ChipFace, 25, QSize(44, 44), 1);
        QCOMPARE(first.size(), QSize(44, 44));
        cache.Get(Art::ChipFace, 25, QSize(44, 44), 1);
        QCOMPARE(cache.Renders(), 1LL);
        const QPixmap& sharp = cache.Get(Art::ChipFace, 25, QSize(44, 44), 2);
        QCOMPARE(sharp.size(), QSize(88, 88));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        cache.Get(Art::ChipFace, 100, QSize(44, 44), 1);
        QCOMPARE(cache.Renders(), 3LL);
    }
};

QTEST_MAIN(TableArtTest)
#include "table_art_test.moc"
