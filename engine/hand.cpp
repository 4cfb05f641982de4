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
    if (hand.NumCards >= kMaxCardsInHand) {
        assert(!"a hand cannot hold more cards than its hard total allows");
        return false;
    }
    hand.NumCards += 1;
    std::memcpy(static_cast<void*>(&hand.Cards[hand.NumCards]), &card, sizeof card);  // one 8-byte word
    // An ace counts 11 unless the hand already has a soft ace, then 1. Written
    // without branches: the cards are random, so branches here would mispredict.
    const bool ace = card.Value == 11;
    const bool soft = hand.SoftAce > 0;
    hand.Total += (ace && soft) ? 1 : card.Value;
    hand.SoftAce = (ace && !soft) ? hand.NumCards : hand.SoftAce;
    const bool demote = hand.Total > 21 && hand.SoftAce > 0;
    hand.Total -= demote ? 10 : 0;
    hand.SoftAce = demote ? 0 : hand.SoftAce;
    // Still over 21 after the demotion only when an ace was drawn to a hard 21.
    return hand.Total > 21;
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
