#include "ui/art/card_deck.h"

#include "ui/art/plain_card_face.h"

#include <QPainter>
#include <QSvgRenderer>

namespace velmora {

namespace {

constexpr const char* kSuitIds[] = {"club", "diamond", "heart", "spade"};
constexpr const char* kCourtIds[] = {"jack", "queen", "king"};

}  // namespace

CardDeck::CardDeck(const QString& path) {
    auto svg = std::make_unique<QSvgRenderer>(path);
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
