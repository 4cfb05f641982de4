#include "table/rack.h"

#include <cstdio>

#include "table/chips.h"
#include "table/motion.h"
#include "table/table_ops.h"

namespace velmora {

namespace {

// ShowRack's thresholds: an outline of a stack shows while the count is above its
// number. The rack image itself shows above 0.
constexpr int kNone = 1 << 20;
constexpr int kOutlineAbove[kChipKinds][kRackOutlines] = {
    {1, kNone, kNone, kNone, kNone},  // half
    {1, 2, 5, 9, 12},                 // 5
    {1, 2, 5, 9, 12},                 // 25
    {1, 2, 5, 9, 12},                 // 100
    {1, 2, 4, 6, kNone},              // 500
    {1, 2, 4, 6, kNone},              // 1000
    {1, 2, 5, 8, 11},                 // 5000
};

// The pile at the exchange column is outlined in the chip's colour; the half chip
// has no colour of its own and takes fuchsia, as its rack stack does.
Rgb PileColour(int code) {
    return ChipColour(code).value_or(colour::kFuchsia);
}

uint16_t& Count(TPlayer& t, int kind) {
    return t.game.RackCount[static_cast<size_t>(kind)];
}

void ShowStack(TPlayer& t, int kind, int lower) {
    TableScene& scene = t.Scene;
    const int count = Count(t, kind);
    scene[scene.RackImage(kind)].Visible = count > lower;
    for (int i = 0; i < kRackOutlines; ++i) {
        const SpriteId outline = scene.RackOutline(kind, i);
        if (outline != kNoSprite) scene[outline].Visible = count > kOutlineAbove[kind][i] + lower;
    }
}

// Sets up the pile at the exchange column beside a rack stack.
void SetUpPile(TPlayer& t, SpriteId rackImage) {
    TableScene& scene = t.Scene;
    const int top = scene[rackImage].Top;
    const Rgb pen = PileColour(scene[rackImage].Tag);
    for (SpriteId id : {scene.Chipa, scene.Chipb}) {
        scene[id].MoveTo(kExchangeLeft, top);
        scene[id].Pen = pen;
    }
    scene[scene.MovingChip].Pic = scene[rackImage].Pic;
    scene[scene.MovingChip2].MoveTo(kExchangeLeft, top);
}

void ShowPile(TPlayer& t, int i) {
    if (i > 1) t.Scene[t.Scene.Chipa].Visible = true;
    if (i > 2) t.Scene[t.Scene.Chipb].Visible = true;
}

void HidePile(TPlayer& t) {
    t.Scene[t.Scene.Chipa].Visible = false;
    t.Scene[t.Scene.Chipb].Visible = false;
}

// The rack holds no chip of a kind a bet needs: break the nearest bigger chip down,
// or else combine smaller ones up. False when the rack's value cannot make one.
bool EnsureChip(TPlayer& t, int kind) {
    if (Count(t, kind) > 0) return true;
    for (int higher = kind + 1; higher < kChipKinds; ++higher) {
        if (Count(t, higher) == 0) continue;
        for (int k = higher - 1; k >= kind; --k) BreakChip(t, kChipCodes[static_cast<size_t>(k)]);
        return Count(t, kind) > 0;
    }
    for (int k = 1; k <= kind; ++k)
        while (Count(t, k - 1) >= kPerHigherChip[k])
            CombineChips(t, kChipCodes[static_cast<size_t>(k)], kPerHigherChip[k]);
    return Count(t, kind) > 0;
}

}  // namespace

// The texts are built by appending: GCC 12 warns falsely about the overlap of an
// insert into a string here.
std::string BankrollText(double bankroll) {
    char digits[48];
    if (bankroll < 1000000) {
        std::snprintf(digits, sizeof digits, "%9.2f", bankroll);
        std::string text = "$";
        if (bankroll < 1000) return text += digits;
        text.append(digits, 3);
        text += ',';
        return text += digits + 3;
    }
    // Too wide for the field: commas between every three digits, no padding.
    std::snprintf(digits, sizeof digits, "%.2f", bankroll);
    const std::string number = digits;
    const size_t whole = number.find('.');
    std::string text = "$";
    for (size_t i = 0; i < number.size(); ++i) {
        if (i > 0 && i < whole && (whole - i) % 3 == 0) text += ',';
        text += number[i];
    }
    return text;
}

void ShowRack(TPlayer& t) {
    for (int kind = 0; kind < kChipKinds; ++kind) ShowStack(t, kind, 0);
    t.animator.Repaint();
}

void RefreshStack(TPlayer& t, int code) {
    if (const auto kind = KindOfCode(code)) ShowStack(t, *kind, 1);
    t.animator.Repaint();
}

bool AddChips(TPlayer& t, int code, int n) {
    const auto kind = KindOfCode(code);
    if (!kind) return false;
    uint16_t& count = Count(t, *kind);
    if (static_cast<int>(count) + n < 0) return false;
    count = static_cast<uint16_t>(count + n);
    t.game.Bankroll += WorthOfCode(code) * n;
    return true;
}

void ShowBankroll(TPlayer& t) {
    Sprite& panel = t.Scene[t.Scene.BankPanel];
    panel.Caption = BankrollText(t.game.Bankroll);
    panel.Visible = true;
    t.animator.Repaint();
}

void PickUpChip(TPlayer& t, SpriteId rackImage) {
    TableScene& scene = t.Scene;
    Sprite& chip = scene[scene.MovingChip];
    chip.Tag = scene[rackImage].Tag;
    chip.Pic = scene[rackImage].Pic;
    chip.MoveTo(scene[rackImage].Left, scene[rackImage].Top);
    chip.Visible = true;
}

void LoadMovingChip(TPlayer& t, int amount) {
    const auto chip = ChipOfBet(amount);
    if (!chip) return;
    PickUpChip(t, t.Scene.RackImage(*KindOfCode(*chip)));
    ShowRack(t);
    t.Scene[t.Scene.MovingChip].Visible = false;
}

void BreakChip(TPlayer& t, int code) {
    const auto kind = KindOfCode(code);
    if (kind && *kind + 1 < kChipKinds && Count(t, *kind + 1) > 0) {
        const int higher = *kind + 1;
        Count(t, higher) -= 1;
        GatherChips(t, t.Scene.RackImage(higher), 1);
        DeliverChips(t, t.Scene.RackImage(*kind), kPerHigherChip[higher]);
        Count(t, *kind) += static_cast<uint16_t>(kPerHigherChip[higher]);
    }
    ShowRack(t);
}

void CombineChips(TPlayer& t, int code, int n) {
    const auto kind = KindOfCode(code);
    if (kind && *kind > 0 && Count(t, *kind - 1) >= kPerHigherChip[*kind]) {
        const int lower = *kind - 1;
        Count(t, lower) -= static_cast<uint16_t>(kPerHigherChip[*kind]);
        GatherChips(t, t.Scene.RackImage(lower), n);
        DeliverChips(t, t.Scene.RackImage(*kind), 1);
        Count(t, *kind) += 1;
    }
    ShowRack(t);
}

void GatherChips(TPlayer& t, SpriteId rackImage, int n) {
    TableScene& scene = t.Scene;
    SetUpPile(t, rackImage);
    for (int i = 1; i <= n; ++i) {
        GlideChip(t, rackImage, scene.MovingChip2, true, true);
        ShowPile(t, i);
        ShowRack(t);
        Delay(t, 1);
    }
    Delay(t, 5);
    HidePile(t);
    // The pile slides up and off the table.
    scene[scene.MovingChip].MoveTo(kExchangeLeft, 0);
    GlideChip(t, scene.MovingChip2, scene.MovingChip, false, false);
    scene[scene.MovingChip].Visible = false;
    scene[scene.MovingChip2].Visible = false;
    t.animator.Repaint();
}

void DeliverChips(TPlayer& t, SpriteId rackImage, int n) {
    TableScene& scene = t.Scene;
    Delay(t, 20);
    SetUpPile(t, rackImage);
    for (int i = 1; i <= n; ++i) {
        PayChip(t, rackImage, scene.MovingChip2);
        ShowPile(t, i);
        ShowRack(t);
        Delay(t, 1);
    }
    Delay(t, 20);
    HidePile(t);
    // The pile slides into the stack.
    GlideChip(t, scene.MovingChip2, rackImage, false, true);
}

void PayChip(TPlayer& t, SpriteId rackImage, SpriteId target) {
    TableScene& scene = t.Scene;
    t.animator.Repaint();
    Sprite& chip = scene[scene.MovingChip];
    chip.MoveTo(kTrayLeft, kTrayTop);
    chip.Pic = scene[rackImage].Pic;
    chip.Tag = scene[rackImage].Tag;
    GlideChip(t, scene.MovingChip, target, false, true);
    LoadMovingChip(t, t.game.CurrentBet);
}

void CollectChip(TPlayer& t, SpriteId spot, bool keepShown) {
    TableScene& scene = t.Scene;
    if (!scene[spot].Visible) return;
    scene[scene.MovingChip].MoveTo(kTrayLeft, kTrayTop);
    GlideChip(t, spot, scene.MovingChip, keepShown, false);
    scene[spot].Tag = 0;
    scene[spot].Visible = keepShown;
}

void MakeChange(TPlayer& t, int amount) {
    ColourUp(t);
    // Fill the gaps from the top down, each test once.
    auto has = [&t](int kind) { return Count(t, kind) > 0; };
    const int minimum = t.game.Options.TableMinimum;
    if (has(kChip5000) && !has(kChip1000)) BreakChip(t, 1000);
    if (has(kChip1000) && !has(kChip500)) BreakChip(t, 500);
    if (has(kChip500) && !has(kChip100)) BreakChip(t, 100);
    if (minimum < 100 && has(kChip100) && !has(kChip25)) BreakChip(t, 25);
    if (minimum == 5 && has(kChip25) && !has(kChip5)) BreakChip(t, 5);
    if (t.game.CurrentBet > t.game.Bankroll) return;

    // A chip of the bet's kind is missing: break the next bigger one, or (for a $5)
    // combine two half chips; with neither, exchange small chips upward if the
    // bankroll could make such a chip at all.
    const auto chip = ChipOfBet(amount);
    const int kind = chip ? *KindOfCode(*chip) : kHalfChip;
    if (kind != kHalfChip && !has(kind)) {
        if (kind + 1 < kChipKinds && has(kind + 1))
            BreakChip(t, *chip);
        else if (kind == kChip5 && Count(t, kHalfChip) > 1)
            CombineChips(t, 5, 2);
        else if (kind != kChip5 && t.game.Bankroll >= kChipWorth[static_cast<size_t>(kind)])
            ColourUpAll(t);
    }
    LoadMovingChip(t, t.game.CurrentBet);
}

void ColourUp(TPlayer& t) {
    if (t.game.StopRequested) return;
    ShowRack(t);
    const int minimum = t.game.Options.TableMinimum;
    if (Count(t, kHalfChip) > 1) CombineChips(t, 5, 2);
    if ((minimum > 5 && Count(t, kChip5) > 4) || Count(t, kChip5) > 15) CombineChips(t, 25, 5);
    if ((minimum > 25 && Count(t, kChip25) > 3) || Count(t, kChip25) > 15) CombineChips(t, 100, 4);
    if (Count(t, kChip100) > 15) CombineChips(t, 500, 5);
    if (Count(t, kChip500) > 8) CombineChips(t, 1000, 2);
    if (Count(t, kChip1000) > 8) CombineChips(t, 5000, 5);
    LoadMovingChip(t, t.game.CurrentBet);
    ShowBankroll(t);
}

void ColourUpAll(TPlayer& t) {
    for (int pass = 0; pass < 2; ++pass)
        if (Count(t, kChip5) > 4) CombineChips(t, 25, 5);
    for (int pass = 0; pass < 2; ++pass)
        if (Count(t, kChip25) > 3) CombineChips(t, 100, 4);
    for (int pass = 0; pass < 2; ++pass)
        if (Count(t, kChip100) > 4) CombineChips(t, 500, 5);
    if (Count(t, kChip500) > 1) CombineChips(t, 1000, 2);
    if (Count(t, kChip1000) > 4) CombineChips(t, 5000, 5);
}

bool PlaceBetChip(TPlayer& t, int amount, SpriteId spot, SpriteId ring) {
    TableScene& scene = t.Scene;
    const auto chip = ChipOfBet(amount);
    if (!chip) return false;
    const int kind = *KindOfCode(*chip);
    LoadMovingChip(t, amount);
    if (ring != kNoSprite) scene[ring].Pen = ChipColour(amount).value_or(colour::kWhite);
    ShowRack(t);
    // The first chip of a deal clears the cards of the last one.
    if (spot == scene.BetSlot(1, 1) && !scene[spot].Visible) ClearTable(t);
    MakeChange(t, amount);
    // Should the usual change-making leave the rack without the chip, any chip that
    // can be broken down or made up is used: a bet never takes a chip that is not there.
    if (!EnsureChip(t, kind)) return false;
    AddChips(t, *chip, -1);
    ShowRack(t);
    scene[scene.BetPanel].Visible = false;
    scene[scene.Bet2Panel].Visible = false;
    LoadMovingChip(t, amount);
    GlideChip(t, scene.MovingChip, spot, false, true);
    if (ring != kNoSprite) scene[ring].Visible = true;
    ShowBankroll(t);
    ColourUp(t);
    Delay(t, 5);
    return true;
}

void ReturnAllBets(TPlayer& t) {
    TableScene& scene = t.Scene;
    for (int h : {2, 1, 4, 3}) {
        SelectBetSpots(t, h);
        for (int s = kBetSlots; s >= 1; --s) {
            const SpriteId slot = scene.BetSlot(h, s);
            if (slot == kNoSprite || !scene[slot].Visible) continue;
            const SpriteId ring = scene.Ring(h, s);
            const bool twoChips = scene[ring].Visible;
            scene[ring].Visible = false;
            const int code = scene[slot].Tag;
            LoadMovingChip(t, code);
            GlideChip(t, slot, scene.MovingChip, false, true);
            AddChips(t, code, twoChips ? 2 : 1);
            ShowRack(t);
            ShowBankroll(t);
            scene[slot].Tag = 0;
        }
    }
    t.animator.Repaint();
}

double ChipsOn(const TPlayer& t, SpriteId spot, SpriteId ring) {
    const Sprite& s = t.Scene[spot];
    if (!s.Visible || s.Tag == 0) return 0;
    const bool two = ring != kNoSprite && t.Scene[ring].Visible;
    return WorthOfCode(s.Tag) * (two ? 2 : 1);
}

}  // namespace velmora
