#include "ui/art/card_deck.h"

#include "ui/art/plain_card_face.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <zlib.h>

namespace velmora {

namespace {

constexpr const char* kSuitIds[] = {"club", "diamond", "heart", "spade"};
constexpr const char* kCourtIds[] = {"jack", "queen", "king"};

// The unpacked bytes of a gzip file (a .svgz); empty when they are damaged.
QByteArray Gunzip(const QByteArray& packed) {
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) return {};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = uInt(packed.size());
    QByteArray out;
    char chunk[1 << 16];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        out.append(chunk, qsizetype(sizeof chunk - stream.avail_out));
    }
    inflateEnd(&stream);
    return status == Z_STREAM_END ? out : QByteArray();
}

// The deck marks its ace of hearts with the desktop's logo and its court cards with
// the desktop's name as card maker; the table shows neither.
QByteArray WithoutDesktopMarks(const QByteArray& svg) {
    static const QRegularExpression marks(
        R"re(<use[^>]*xlink:href="#(k-logo|cardmaker)"[^>]*/>)re");
    return QString::fromUtf8(svg).remove(marks).toUtf8();
}

QByteArray ReadDeck(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    const bool gzip = bytes.startsWith("\x1f\x8b");
    return WithoutDesktopMarks(gzip ? Gunzip(bytes) : bytes);
}

}  // namespace

CardDeck::CardDeck(const QString& path) {
    const QByteArray bytes = ReadDeck(path);
    if (bytes.isEmpty()) return;
    auto svg = std::make_unique<QSvgRenderer>(bytes);
    if (svg->isValid() && svg->elementExists(ElementId(1))) svg_ = std::move(svg);
}

CardDeck::~CardDeck() = default;

const CardDeck& CardDeck::Shared() {
    static const CardDeck deck;
    return deck;
}

QString CardDeck::ElementId(int card) {
    const int suit = (card - 1) / 13;
    const int rank = (card - 1) % 13 + 1;
    const QString rankId = rank <= 10 ? QString::number(rank) : kCourtIds[rank - 11];
    return rankId + '_' + kSuitIds[suit];
}

void CardDeck::PaintFace(QPainter& painter, const QRectF& rect, int card) const {
    if (card < 1 || card > 52) return;
    if (!svg_) {
        PaintPlainCardFace(painter, rect, card);
        return;
    }
    // The deck's cards are a little narrower than the table's card places; they are
    // widened to fill them, as the table's layout counts on full-width cards.
    svg_->render(&painter, ElementId(card), rect);
}

}  // namespace velmora
