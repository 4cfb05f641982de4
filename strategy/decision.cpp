#include "strategy/decision.h"

#include "engine/game.h"
#include "strategy/advice.h"

namespace velmora {

namespace {

StrategyMove DecideSoft(const Game& g, const THand& h, int up, int t) {
    const StrategyTable& s = g.Strategy;
    // A soft 12 that may be split is a pair of aces.
    if (t == 12 && h.CanSplit && s.Takes(kSplitPlane + 22, up)) return {kSplit, kAdviceSplitAces};
    if (h.CanDouble && s.Takes(kDoublePlane + t, up)) return {kDouble, kAdviceDoubleSoft};
    // The hit rows are not consulted for soft totals up to 16.
    if (t <= 16) return {kHit, kAdviceHitSoft16OrLess};
    if (s.Takes(kHitPlane + t, up)) return {kHit, kAdviceHitSoft};
    return {kStand, kAdviceStandSoft};
}

StrategyMove DecideHard(const Game& g, const THand& h, int up, int t, uint16_t judged) {
    const StrategyTable& s = g.Strategy;
    // A pair's hard total is twice its card value: eights read row 416.
    if (h.CanSplit && s.Takes(kSplitPlane + t, up)) return {kSplit, kAdviceSplitPair};
    if (t >= 17) return {kStand, kAdviceStandHard17};
    if (t <= 11) {
        if (h.CanDouble && s.Takes(kDoublePlane + t, up)) return {kDouble, kAdviceDoubleHard};
        // The player's own double or split of a small total, judged against a hit.
        if (judged == kDouble) return {kHit, kAdviceDoNotDouble};
        if (judged == kSplit && h.CanSplit && t >= 8)
            return {kHit, kAdviceNeverSplit4sOr5s};
        return {kHit, kAdviceHitHard};
    }
    if (h.CanSurrender && s.Takes(kSurrenderPlane + t, up)) return {kSurrender, kAdviceSurrender};
    if (s.Takes(kHitPlane + t, up)) return {kHit, kAdviceHitHard};
    return {kStand, kAdviceStandHard};
}

}  // namespace

StrategyMove StrategyMoveFor(const Game& g, int hand, int up, int total, uint16_t judged) {
    if (!IsPlayerHand(hand) || !StrategyTable::IsUpCard(up) || total < 2 || total > 21) return {};
    const THand& h = g.Hand(hand);
    return h.IsSoft() ? DecideSoft(g, h, up, total) : DecideHard(g, h, up, total, judged);
}

void DecideAction(Game& g, int hand, int up, int total) {
    if (!IsPlayerHand(hand) || !StrategyTable::IsUpCard(up) || total < 2 || total > 21) return;
    if (g.SimulationMode) g.PlayerAction = kNoAction;
    const StrategyMove o = StrategyMoveFor(g, hand, up, total, g.PlayerAction);
    RecordDecision(g, o.action, o.advice, hand);
}

void RecordDecision(Game& g, uint16_t action, uint16_t advice, int hand) {
    if (g.TableShown) {
        if (action != g.PlayerAction && g.Options.AdviceOn)
            BuildAdvice(g, advice, hand);
        else
            g.AdviceText.clear();
    }
    if (g.SimulationMode) g.PlayerAction = action;
}

}  // namespace velmora
