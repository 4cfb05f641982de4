#pragma once
// How many hands a split ends in, the one place where the exact analysis is not
// exact. A split pair gets a second card on each hand at once; a hand that gets
// the pair's rank again is split again while the rules allow another hand (at most
// four hands with re-splitting, two without; aces never, as split aces take one
// card and are done). The hands left at the end are of two kinds: those whose
// second card is another rank, and those that got the pair's rank when no further
// split was allowed.
//
// The approximation, as usual in exact analysers: the chance that a second card is
// of the pair's rank follows the cards of that rank already out and the number of
// second cards dealt, but not the cards the hands draw meanwhile; and each final
// hand is then played from the shoe less the up card, the original pair and its own
// cards, as if the other split hands had taken no cards. Everything else of the
// round is exact; the tests measure what this leaves against the engine itself.

namespace velmora {

struct SplitHands {
    double Unpaired = 0;  // expected hands whose second card is not of the pair's rank
    double Paired = 0;    // expected hands that got the pair's rank and stay unsplit
};

// `pairCards` cards of the pair's rank and `cards` cards in all remain in the shoe
// after the up card and the pair are out; the split may make up to `mostHands`
// hands (2 when re-splitting is not allowed).
SplitHands ExpectedSplitHands(int pairCards, int cards, int mostHands);

}  // namespace velmora
