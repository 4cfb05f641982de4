#include "history/digest.h"

#include <cstdio>

namespace velmora {

std::string RulesDigest(const OptionsRecord& o) {
    std::string s = std::to_string(o.Decks) + "D ";
    s += o.Penetration == 2 ? "1/2" : "3/4";
    s += o.DealerHitsSoft17 ? " H17" : " S17";
    s += o.DoubleAnyHand ? " DA" : " D10";
    s += o.DoubleAfterSplit ? " DAS" : " NDAS";
    s += o.ResplitAllowed ? " RS" : " NRS";
    s += o.SurrenderAllowed ? " SUR" : " NS";
    return s;
}

std::string StrategyDigest(const StrategyTable& table) {
    uint32_t h = 2166136261u;
    for (uint8_t b : table.Bytes()) {
        h ^= b;
        h *= 16777619u;
    }
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(h));
    return text;
}

}  // namespace velmora
