#pragma once
// The card faces: the Tigullio International deck (LGPL-2+) that Debian's
// kdegames-card-data-kf5 installs for the desktop's card games, drawn with QtSvg by
// element id. The deck is read once; where it is missing every face is drawn plain
// (a white card with its rank and suit) and the game goes on.

#include <QString>

#include <memory>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace velmora {

class CardDeck {
  public:
    // Where the package installs the deck.
    static constexpr char kDefaultPath[] =
        "/usr/share/carddecks/svg-tigullio-international/tigullio-international.svgz";

    explicit CardDeck(const QString& path = kDefaultPath);
    ~CardDeck();
    CardDeck(const CardDeck&) = delete;
    CardDeck& operator=(const CardDeck&) = delete;

    // The deck of the program, read on first use.
    static const CardDeck& Shared();

    bool Loaded() const { return svg_ != nullptr; }
    // Draws card 1..52 filling `rect`: suits in the order clubs, diamonds, hearts,
    // spades, thirteen cards each from the ace to the king.
    void PaintFace(QPainter& painter, const QRectF& rect, int card) const;
    // The deck's element id of a card ("1_club" .. "king_spade").
    static QString ElementId(int card);

  private:
    std::unique_ptr<QSvgRenderer> svg_;
};

}  // namespace velmora
