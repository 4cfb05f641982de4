#pragma once
// Short digests of the rules and the strategy in force, kept with every judged
// move so that moves judged under other rules or another table can be told apart.

#include <string>

#include "engine/options.h"
#include "strategy/strategy_table.h"

namespace velmora {

// The rules that change the play, in a few letters: "2D 3/4 S17 DA DAS RS NS"
// (decks, penetration, soft 17, double any or "D10", double after split or
// "NDAS", re-split or "NRS", surrender "SUR" or "NS").
std::string RulesDigest(const OptionsRecord& options);

// Eight hex digits of a 32-bit FNV-1a hash over the 3852 bytes of the table.
std::string StrategyDigest(const StrategyTable& table);

}  // namespace velmora
