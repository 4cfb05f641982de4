#include "engine/hand.h"

#include <cassert>
#include <cstring>

namespace velmora {

bool THand::IsOk() const {
    if (NumCards > kMaxCardsInHand) return false;
    if (SoftAce > NumCards) return false;
    if (SoftAce > 0 && Cards[SoftAce].Value != 11) return false;
    return true;
}

bool AddCard(THand& hand, const TCard& card) {
    unsigned n = hand.NumCards;
    if (n >= kMaxCardsInHand) {
        assert(!"a hand cannot hold more cards than its hard total allows");
        return false;
    }
    n += 1;
    hand.NumCards = static_cast<uint16_t>(n);
    std::memcpy(static_cast<void*>(&hand.Cards[n]), &card, sizeof card);  // one 8-byte word
    // An ace counts 11 unless the hand already has a soft ace, then 1.
    unsigned total = hand.Total + card.Value, softAce = hand.SoftAce;
    if (card.Value == 11) [[unlikely]] {  // one card in thirteen
        if (softAce > 0)
            total -= 10;
        else
            softAce = n;
    }
    // Written without a branch: whether a hand passes 21 is anyone's guess.
    const bool demote = total > 21 && softAce > 0;
    total -= demote ? 10 : 0;
    softAce = demote ? 0 : softAce;
    hand.Total = static_cast<uint16_t>(total);
    hand.SoftAce = static_cast<uint16_t>(softAce);
    // Still over 21 after the demotion only when an ace was drawn to a hard 21.
    return total > 21;
}

void SplitInto(THand& from, THand& to) {
    to.Cards[1] = from.Cards[2];
    to.NumCards = 1;
    to.Total = to.Cards[1].Value;
    to.Finished = to.Cards[1].Value == 11;
    from.NumCards = 1;
    from.Total = from.Cards[1].Value;
    from.Finished = from.Cards[1].Value == 11;
    from.Unsplit = false;
}

}  // namespace velmora
