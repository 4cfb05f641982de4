#include "table/table_signs.h"

#include <string>

#include "table/hand_total.h"

namespace velmora {

namespace {

constexpr Rgb kGold = 0xFFD23C;
constexpr Rgb kGreen = 0x2E9E44;

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
        case BannerKind::Correct:
            return {"Correct", kGreen, colour::kWhite};
    }
    return {"", colour::kBlack, colour::kWhite};
}

const char* ModeLineText(const Game& g) {
    if (g.SimulationMode) return "COMPUTER PLAY";
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

void RefreshTotal(TPlayer& t, int hand) {
    const SpriteId id = t.Scene.Total(hand);
    if (id == kNoSprite) return;
    Sprite& total = t.Scene[id];
    total.Caption = HandTotalText(t.game.Hand(hand), !t.Signs.Split[static_cast<size_t>(hand)]);
    const bool dealerHidden = hand == kDealer && !t.Signs.HoleCardTurned;
    const bool bannerShown = t.Scene[t.Scene.Banner(hand)].Visible;
    total.Visible = !total.Caption.empty() && !dealerHidden && !bannerShown;
    t.animator.Repaint();
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
    const auto h = static_cast<size_t>(hand);
    t.Signs.Banner[h] = kind;
    const unsigned serial = ++t.Signs.BannerSerial[h];
    RefreshTotal(t, hand);  // the banner stands in for the total meanwhile
    t.animator.After(std::chrono::milliseconds(kBannerMilliseconds), [&t, hand, serial] {
        if (t.Signs.BannerSerial[static_cast<size_t>(hand)] == serial) HideBanner(t, hand);
    });
}

void HideBanner(TPlayer& t, int hand) {
    const SpriteId id = t.Scene.Banner(hand);
    if (id == kNoSprite || !t.Scene[id].Visible) return;
    t.Scene[id].Visible = false;
    t.Signs.Banner[static_cast<size_t>(hand)].reset();
    RefreshTotal(t, hand);
}

void ClearRoundSigns(TPlayer& t) {
    SignState& s = t.Signs;
    s.HoleCardTurned = false;
    s.Split.fill(false);
    for (int h = 0; h < kHandCount; ++h) {
        if (s.Banner[static_cast<size_t>(h)] != BannerKind::Correct) HideBanner(t, h);
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
        ShowBanner(t, d.hand, BannerKind::Correct);
    else if (t.Signs.Banner[static_cast<size_t>(d.hand)] == BannerKind::Correct)
        HideBanner(t, d.hand);  // the last decision's word must not seem to praise this one
    t.animator.Repaint();
}

}  // namespace velmora
