#include "exact/exact_rules.h"

namespace velmora {

ExactRules ExactRulesOf(const OptionsRecord& o) {
    ExactRules rules;
    rules.Shoe = ShoeOfDecks(o.Decks);
    rules.DealerHitsSoft17 = o.DealerHitsSoft17;
    rules.DoubleAnyHand = o.DoubleAnyHand;
    rules.DoubleAfterSplit = o.DoubleAfterSplit;
    rules.ResplitAllowed = o.ResplitAllowed;
    rules.SurrenderAllowed = o.SurrenderAllowed;
    return rules;
}

}  // namespace velmora
