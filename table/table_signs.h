#pragma once
// The table's signs: each hand's total beside it (the dealer's once the hole card is
// turned), banners for the events of a round, the line that names the mode and, in
// Practice Deck, the score. They never lie over a card, and the mouse passes through
// them (TableScene::SpriteAt skips them), so they take no gesture away from play.

#include <string_view>

#include "engine/decision_report.h"
#include "table/player.h"

namespace velmora {

// How long a banner stays.
constexpr int kBannerMilliseconds = 1000;

std::string_view BannerText(BannerKind kind);

// Hand 0..4's total from its cards as they now lie; hidden while it has none, while its
// banner shows, and for the dealer until the hole card is turned.
void RefreshTotal(TPlayer& t, int hand);
// A banner at hand 0..4 that goes away by itself after about a second.
void ShowBanner(TPlayer& t, int hand, BannerKind kind);
void HideBanner(TPlayer& t, int hand);
// A green "Correct" above hand 1..4 for about a second, and its end.
void ShowJudgement(TPlayer& t, int hand);
void HideJudgement(TPlayer& t);
// A new deal: the totals and the round's banners go (a practice judgement stays its
// second, since the next practice deal follows at once).
void ClearRoundSigns(TPlayer& t);
// A split made or broke up these hands: they can no longer hold a blackjack.
void MarkSplit(TPlayer& t, int from, int to);
// The mode's line in the felt's corner, and the practice score in Practice Deck.
void ShowModeLine(TPlayer& t);
// A judged decision: Practice Deck counts it; a right one flashes "Correct" above the
// hand, a wrong one leaves the advice box to say so.
void JudgeShown(TPlayer& t, const JudgedDecision& decision);

}  // namespace velmora
