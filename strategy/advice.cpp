#include "strategy/advice.h"

#include <string>

#include "engine/game.h"
#include "strategy/decision.h"

namespace velmora {

namespace {

std::string UpCardText(int up) { return up == 11 ? "Ace" : std::to_string(up); }

void ReportJudged(Game& g, int hand, uint16_t action) {
    const THand& h = g.Hand(hand);
    JudgedDecision d;
    d.practice = g.PracticeDeckMode;
    d.hand = hand;
    d.total = h.Total;
    d.soft = h.IsSoft();
    d.pair = h.NumCards == 2 && h.Cards[1].Value == h.Cards[2].Value;
    d.canSplit = h.CanSplit;
    d.canDouble = h.CanDouble;
    d.canSurrender = h.CanSurrender;
    d.upCard = g.UpCard();
    d.taken = action;
    const StrategyMove asked = StrategyMoveFor(g, hand, d.upCard, h.Total, action);
    d.asked = asked.action;
    d.adviceCode = asked.advice;
    if (d.asked != kNoAction) g.Decisions->DecisionJudged(d);
}

}  // namespace

// Out of line: it builds text, and only while the table is shown.
[[gnu::noinline]] void BuildAdvice(Game& g, uint16_t code, int hand) {
    if (!IsPlayerHand(hand)) return;
    const THand& h = g.Hand(hand);
    const std::string t = std::to_string(h.Total);
    const std::string d = " against Dealer " + UpCardText(g.UpCard());
    const std::string td = t + d;
    std::string& a = g.AdviceText;
    switch (code) {
        case kAdviceStandHard: a = "Stand with hard " + td; break;
        case kAdviceStandHard17: a = "Stand with a hard total of 17 or more"; break;
        case kAdviceStandSoft: a = "Stand with a soft total of " + td; break;
        case kAdviceHitHard: a = "Hit " + d; break;
        case kAdviceDoNotDouble: a = "Do Not Double" + td; break;
        case kAdviceNeverSplit4sOr5s: a = "NEVER Split 4's or 5's"; break;
        case kAdviceHitSoft16OrLess: a = "Hit Soft " + t + " or less"; break;
        case kAdviceHitSoft: a = "Hit Soft " + td; break;
        case kAdviceDoubleHard: a = "Double Down with " + td; break;
        case kAdviceDoubleSoft: a = "Double Down with Soft " + td; break;
        case kAdviceSplitAces:
            a = g.Strategy.HasAlwaysMark(kSplitPlane + 22) ? "ALWAYS Split Aces" : "Split Aces" + d;
            break;
        case kAdviceSplitPair: {
            const std::string v = std::to_string(h.FirstCard().Value);
            const bool always = g.Strategy.HasAlwaysMark(kSplitPlane + h.Total);
            a = (always ? "ALWAYS Split " : "Split ") + v + "'s" + d;
            break;
        }
        case kAdviceSurrender: a = "Surrender " + td; break;
        default: break;
    }
}

BoxPosition AdviceBoxPosition(int hand) {
    switch (hand) {
        case 2: return {460, 50};
        case 3: return {10, 50};
        case 4: return {160, 50};
        default: return {310, 50};
    }
}

void CheckAdvice(Game& g, int hand, uint16_t action) {
    if (!IsPlayerHand(hand) || g.Hand(hand).Finished) return;
    if (g.Decisions && action != kHint) ReportJudged(g, hand, action);
    const uint16_t kept = g.PlayerAction;
    g.PlayerAction = action;
    DecideAction(g, hand, g.UpCard(), g.Hand(hand).Total);
    if (!g.AdviceText.empty()) {
        if (g.TableShown && g.Table) g.Table->ShowPointer(hand);
        if (g.Options.SoundOn) g.host.Beep();
        const BoxPosition at = AdviceBoxPosition(hand);
        g.host.ShowErrorAt(g.AdviceText, at.left, at.top);
        g.AdviceText.clear();
    }
    g.PlayerAction = kept;
}

}  // namespace velmora
