#include "exact/split_hands.h"

namespace velmora {

namespace {

struct SplitWalk {
    int pairCards, cards, mostHands;
    SplitHands out;

    // `waiting` hands still need their second card; `paired` and `other` second cards
    // of the pair's rank and of other ranks are out; `weight` is the chance of this
    // sequence of second cards.
    void Deal(int hands, int waiting, int paired, int other, double weight) {
        if (waiting == 0) return;
        const int left = cards - paired - other;
        const int pairLeft = pairCards - paired;
        if (left <= 0) return;  // the shoe ran out: no further hands
        const double pPair = pairLeft > 0 ? static_cast<double>(pairLeft) / left : 0.0;
        if (pPair < 1) {
            out.Unpaired += weight * (1 - pPair);
            Deal(hands, waiting - 1, paired, other + 1, weight * (1 - pPair));
        }
        if (pPair > 0) {
            if (hands < mostHands) {
                // Split again: this hand becomes two, each waiting for a second card.
                Deal(hands + 1, waiting + 1, paired + 1, other, weight * pPair);
            } else {
                out.Paired += weight * pPair;
                Deal(hands, waiting - 1, paired + 1, other, weight * pPair);
            }
        }
    }
};

}  // namespace

SplitHands ExpectedSplitHands(int pairCards, int cards, int mostHands) {
    SplitWalk walk{pairCards, cards, mostHands, {}};
    walk.Deal(2, 2, 0, 0, 1.0);
    return walk.out;
}

}  // namespace velmora
