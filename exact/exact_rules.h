#pragma once
// The rules the exact analysis works for: the shoe it is dealt from (fresh, one
// hand a round) and the casino rules that change the play. The deal depth, the
// table minimum and a second hand play no part in the expected value of a hand.

#include "engine/options.h"
#include "exact/rank_counts.h"

namespace velmora {

struct ExactRules {
    RankCounts Shoe = ShoeOfDecks(2);
    bool DealerHitsSoft17 = false;
    bool DoubleAnyHand = true;  // false: double only on 10 and 11
    bool DoubleAfterSplit = true;
    bool ResplitAllowed = true;     // up to four hands; aces are never split again
    bool SurrenderAllowed = false;  // late: after the dealer has checked for blackjack

    friend bool operator==(const ExactRules&, const ExactRules&) = default;
};

ExactRules ExactRulesOf(const OptionsRecord& options);

}  // namespace velmora
