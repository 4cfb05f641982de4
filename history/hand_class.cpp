#include "history/hand_class.h"

#include <optional>

#include "engine/game.h"

namespace velmora {

namespace {

// Walks the rows the decision asks, in its order.
class Walk {
  public:
    Walk(const JudgedDecision& d, const StrategyTable& s) : d_(d), s_(s) {}

    // Row `row` asks whether to take `action`; the class is decided here when the row
    // says yes or the player took that action anyway.
    std::optional<HandClass> Ask(int row, uint16_t action) {
        if (s_.Takes(row, d_.upCard) || d_.taken == action) return Class(row);
        asked_ = row;
        return std::nullopt;
    }
    // The rules answer `action` without a row. A player who takes it agreed with the
    // last row that said no (hitting a 10 is right under DOUBLE DOWN Hard 10); any
    // other move is a mistake of its own, under `row` (0 or an always-hit row).
    HandClass Fixed(int row, uint16_t action) const {
        return Class(asked_ && d_.taken == action ? asked_ : row);
    }
    HandClass Class(int row) const { return {row, d_.soft, d_.total}; }

  private:
    const JudgedDecision& d_;
    const StrategyTable& s_;
    int asked_ = 0;
};

HandClass SoftClass(const JudgedDecision& d, const StrategyTable& s) {
    const int t = d.total;
    Walk w(d, s);
    // A soft 12 that may be split is a pair of aces.
    if (t == 12 && d.canSplit)
        if (auto c = w.Ask(kSplitPlane + 22, kSplit)) return *c;
    if (d.canDouble)
        if (auto c = w.Ask(kDoublePlane + t, kDouble)) return *c;
    if (t <= 16) return w.Fixed(0, kHit);
    return w.Class(kHitPlane + t);   // the hit row decides either way
}

HandClass HardClass(const JudgedDecision& d, const StrategyTable& s) {
    const int t = d.total;
    Walk w(d, s);
    if (d.canSplit)
        if (auto c = w.Ask(kSplitPlane + t, kSplit)) return *c;
    if (t >= 17) return w.Fixed(0, kStand);
    if (t <= 11) {
        if (d.canDouble)
            if (auto c = w.Ask(kDoublePlane + t, kDouble)) return *c;
        return w.Fixed(kHitPlane + t, kHit);  // rows 204..211: always hit
    }
    if (d.canSurrender)
        if (auto c = w.Ask(kSurrenderPlane + t, kSurrender)) return *c;
    return w.Class(kHitPlane + t);
}

}  // namespace

HandClass ClassOf(const JudgedDecision& d, const StrategyTable& s) {
    if (!StrategyTable::IsUpCard(d.upCard) || d.total < 4 || d.total > 21) return {};
    return d.soft ? SoftClass(d, s) : HardClass(d, s);
}

HandClass ClassOfRow(int row) {
    const int plane = row / 100 * 100;
    const int t = row - plane;
    switch (plane) {
        case kSplitPlane: return {row, t == 22, t == 22 ? 12 : t};
        case kDoublePlane: return {row, t >= 12, t};
        case kHitPlane: return {row, t >= 17, t};
        case kSurrenderPlane: return {row, false, t};
        default: return {};
    }
}

const char* PlaneCaption(int row) {
    switch (row / 100 * 100) {
        case kSplitPlane: return "SPLIT";
        case kDoublePlane: return "DOUBLE DOWN";
        case kHitPlane: return "HIT";
        case kSurrenderPlane: return "SURRENDER";
        default: return "";
    }
}

std::string ClassCaption(const HandClass& c) {
    if (c.row / 100 * 100 == kSplitPlane) {
        const int card = (c.row - kSplitPlane) / 2;
        return card == 11 ? "Aces" : std::to_string(card) + "'s";
    }
    return (c.soft ? "Soft " : "Hard ") + std::to_string(c.total);
}

std::string ClassName(const HandClass& c) {
    const std::string plane = PlaneCaption(c.row);
    return plane.empty() ? ClassCaption(c) : plane + " " + ClassCaption(c);
}

std::string UpCardCaption(int up) { return up == 11 ? "Ace" : std::to_string(up); }

}  // namespace velmora
