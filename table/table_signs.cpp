#include "table/table_signs.h"

#include <string>

#include "table/hand_total.h"

namespace velmora {

namespace {

constexpr Rgb kGold = 0xFFD23C;

struct BannerLook {
    const char* text;
    Rgb ground;
    Rgb letters;
};

BannerLook LookOf(BannerKind kind) {
    switch (kind) {
        case BannerKind::Blackjack:
            return {"BLACKJACK!", kGold, colour::kBlack};
        case BannerKind::Bust:
            return {"BUST", colour::kRed, colour::kWhite};
        case BannerKind::DealerBusts:
            return {"DEALER BUSTS", colour::kRed, colour::kWhite};
        case BannerKind::Push:
            return {"PUSH", colour::kSilver, colour::kBlack};
    }
    return {"", colour::kBlack, colour::kWhite};
}

const char* ModeLineText(const Game& g) {
    if (g.SimulationMode) return "COMPUTER PLAY";
    // The drill is a practice round with chosen cases: it says which of the two it is.
    if (g.DrillMode) return "WEAK SPOTS DRILL";
    if (g.PracticeDeckMode) return "PRACTICE DECK";
    return "NORMAL PLAY";
}

void ShowScore(TPlayer& t) {
    Sprite& counter = t.Scene[t.Scene.PracticeCounter];
    counter.Caption = t.Signs.Score.Text();
    counter.Visible = t.game.PracticeDeckMode;
}

}  // namespace

std::string_view BannerText(BannerKind kind) {
    return LookOf(kind).text;
}

namespace {

// Shows a hand's total as last worked out, unless its banner stands in for it.
void ShowTotal(TPlayer& t, int hand) {
    Sprite& total = t.Scene[t.Scene.Total(hand)];
    const bool dealerHidden = hand == kDealer && !t.Signs.HoleCardTurned;
    const bool bannerShown = t.Scene[t.Scene.Banner(hand)].Visible;
    total.Visible = !total.Caption.empty() && !dealerHidden && !bannerShown;
    t.animator.Repaint();
}

}  // namespace

void RefreshTotal(TPlayer& t, int hand) {
    const SpriteId id = t.Scene.Total(hand);
    if (id == kNoSprite) return;
    t.Scene[id].Caption =
        HandTotalText(t.game.Hand(hand), !t.Signs.Split[static_cast<size_t>(hand)]);
    ShowTotal(t, hand);
}

void ShowBanner(TPlayer& t, int hand, BannerKind kind) {
    const SpriteId id = t.Scene.Banner(hand);
    if (id == kNoSprite) return;
    const BannerLook look = LookOf(kind);
    Sprite& banner = t.Scene[id];
    banner.Caption = look.text;
    banner.Fill = look.ground;
    banner.TextColour = look.letters;
    banner.Visible = true;
    const unsigned serial = ++t.Signs.BannerSerial[static_cast<size_t>(hand)];
    ShowTotal(t, hand);  // the banner stands in for the total meanwhile
    t.animator.After(std::chrono::milliseconds(kBannerMilliseconds), [&t, hand, serial] {
        if (t.Signs.BannerSerial[static_cast<size_t>(hand)] == serial) HideBanner(t, hand);
    });
}

void HideBanner(TPlayer& t, int hand) {
    const SpriteId id = t.Scene.Banner(hand);
    if (id == kNoSprite || !t.Scene[id].Visible) return;
    t.Scene[id].Visible = false;
    // The total as the table last showed it: by now the engine may have cleared the
    // hands for the next round, whose bet the table is waiting for.
    ShowTotal(t, hand);
}

void ShowJudgement(TPlayer& t, int hand) {
    const SpriteId label = t.Scene.HandLabel(hand);
    if (label == kNoSprite) return;
    Sprite& judgement = t.Scene[t.Scene.Judgement];
    judgement.Left = t.Scene[label].Left;
    judgement.Width = t.Scene[label].Width;
    judgement.Visible = true;
    t.animator.Repaint();
    const unsigned serial = ++t.Signs.JudgementSerial;
    t.animator.After(std::chrono::milliseconds(kBannerMilliseconds), [&t, serial] {
        if (t.Signs.JudgementSerial == serial) HideJudgement(t);
    });
}

void HideJudgement(TPlayer& t) {
    t.Scene[t.Scene.Judgement].Visible = false;
    t.animator.Repaint();
}

void ClearRoundSigns(TPlayer& t) {
    SignState& s = t.Signs;
    s.HoleCardTurned = false;
    s.Split.fill(false);
    for (int h = 0; h < kHandCount; ++h) {
        HideBanner(t, h);
        t.Scene[t.Scene.Total(h)].Visible = false;
    }
    t.animator.Repaint();
}

void MarkSplit(TPlayer& t, int from, int to) {
    for (int h : {from, to}) {
        if (!IsPlayerHand(h)) continue;
        t.Signs.Split[static_cast<size_t>(h)] = true;
        RefreshTotal(t, h);
    }
}

void ShowModeLine(TPlayer& t) {
    Sprite& line = t.Scene[t.Scene.ModeLine];
    line.Caption = ModeLineText(t.game);
    line.Visible = true;
    ShowScore(t);
    t.animator.Repaint();
}

void JudgeShown(TPlayer& t, const JudgedDecision& d) {
    if (!d.practice) return;
    t.Signs.Score.Count(d);
    ShowScore(t);
    if (d.Right())
        ShowJudgement(t, d.hand);
    else
        HideJudgement(t);  // the last decision's word must not seem to praise this one
}

}  // namespace velmora
