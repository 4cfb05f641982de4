#include "table/settlement.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "table/chips.h"
#include "table/motion.h"
#include "table/rack.h"
#include "table/table_ops.h"

namespace velmora {

namespace {

// One payment onto a payout slot (3..5): a chip, and with `ring` a second one of
// the same value under it.
struct Pay {
    int slot;
    int chip;
    bool ring;
};
using PayPlan = std::vector<Pay>;

// A blackjack paid 3 to 2, bet by bet: the dealer lays out 1.5 times the bet.
PayPlan BlackjackPlan(int bet) {
    switch (bet) {
        case 5:
            return {{3, 5, false}, {4, 2, false}};
        case 10:
            return {{3, 5, true}, {4, 5, false}};
        case 25:
            return {{3, 25, false}, {4, 5, true}, {5, 2, false}};
        case 50:
            return {{3, 25, true}, {4, 25, false}};
        case 100:
            return {{3, 100, false}, {4, 25, true}};
        case 200:
            return {{3, 100, true}, {4, 100, false}};
        case 500:
            return {{3, 500, false}, {4, 100, true}, {5, 25, true}};
        case 1000:
            return {{3, 1000, false}, {4, 500, false}};
        case 2000:
            return {{3, 1000, true}, {4, 1000, false}};
        case 5000:
            return {{3, 5000, false}, {4, 1000, true}, {5, 500, false}};
        case 10000:
            return {{3, 5000, true}, {4, 5000, false}};
        default:
            return {};
    }
}

// Half of a surrendered bet, paid back on the refund slots.
PayPlan RefundPlan(int bet) {
    switch (bet) {
        case 5:
            return {{3, 2, false}};
        case 10:
            return {{3, 5, false}};
        case 25:
            return {{3, 5, true}, {4, 2, false}};
        case 50:
            return {{3, 25, false}};
        case 100:
            return {{3, 25, true}};
        case 200:
            return {{3, 100, false}};
        case 500:
            return {{3, 100, true}, {4, 25, true}};
        case 1000:
            return {{3, 500, false}};
        case 2000:
            return {{3, 1000, false}};
        case 5000:
            return {{3, 1000, true}, {4, 500, false}};
        case 10000:
            return {{3, 5000, false}};
        default:
            return {};
    }
}

// Any amount laid out from slot 3 on, biggest chips first, two equal chips sharing a
// slot. Serves the amounts no table names, such as a doubled $10 bet's $20.
PayPlan GeneralPlan(double amount, int lastSlot) {
    std::vector<int> chips;
    long halves = std::lround(amount * 2);
    for (int kind = kChipKinds - 1; kind >= 0; --kind) {
        const long worth = std::lround(kChipWorth[static_cast<size_t>(kind)] * 2);
        for (; halves >= worth; halves -= worth)
            chips.push_back(kChipCodes[static_cast<size_t>(kind)]);
    }
    PayPlan plan;
    int slot = 3;
    for (size_t i = 0; i < chips.size() && slot <= lastSlot; ++slot) {
        const bool pair = i + 1 < chips.size() && chips[i + 1] == chips[i];
        plan.push_back({slot, chips[i], pair});
        i += pair ? 2 : 1;
    }
    return plan;
}

int LastSlot(int hand) {
    return hand == 1 || hand == 3 ? 5 : 4;
}

void PayOut(TPlayer& t, int hand, const PayPlan& plan) {
    TableScene& scene = t.Scene;
    for (const Pay& pay : plan) {
        const SpriteId slot = scene.BetSlot(hand, pay.slot);
        if (slot == kNoSprite) continue;
        const SpriteId image = scene.RackImage(*KindOfCode(pay.chip));
        PayChip(t, image, slot);
        if (!pay.ring) continue;
        PayChip(t, image, slot);  // the second lands on the first
        const SpriteId ring = scene.Ring(hand, pay.slot);
        scene[ring].Pen = ChipColour(pay.chip).value_or(colour::kFuchsia);
        scene[ring].Visible = true;
    }
}

int BetOf(const TPlayer& t, int hand) {
    return t.game.Hand(hand).StakeByStrategy[1];
}

std::string Whole(int amount) {
    return std::to_string(amount);
}

}  // namespace

std::string FormatPayout(double amount) {
    char text[32];
    if (amount == std::floor(amount))
        std::snprintf(text, sizeof text, "%.0f", amount);
    else
        std::snprintf(text, sizeof text, "%.2f", amount);
    return text;
}

void SettleHandDisplay(TPlayer& t, int hand, double f) {
    if (!IsPlayerHand(hand)) return;
    const int bet = BetOf(t, hand);
    std::string label;
    if (f == 1.5)
        label = "Win $" + FormatPayout(bet * 1.5);
    else if (f == -0.5)
        label = "Lose $" + FormatPayout(bet * 0.5);
    else if (f < 0)
        label = "Lose $" + Whole(bet);
    else
        label = "Win $" + Whole(bet);
    ShowHandLabel(t, hand, label);

    if (hand == 1 || hand == 3) {
        if (f < -0.5)
            TakeBet(t, hand);
        else if (f == 1)
            PayEvenMoney(t, hand);
        else if (f == 1.5)
            PayBlackjack(t, hand);
        else
            SurrenderRefund(t, hand);
    } else if (f < 0) {
        TakeBet(t, hand);
    } else {
        PayEvenMoney(t, hand);
    }

    t.animator.Repaint();
    for (int h = 1; h < kHandCount; ++h) {
        if (t.Scene[t.Scene.BetSlot(h, 3)].Visible) {
            Delay(t, 20);
            break;
        }
    }
}

void TakeBet(TPlayer& t, int hand) {
    SelectBetSpots(t, hand);
    TableScene& scene = t.Scene;
    for (int s : {1, 2}) {
        scene[t.SelectedRings[static_cast<size_t>(s)]].Visible = false;
        CollectChip(t, t.SelectedSlots[static_cast<size_t>(s)], false);
    }
}

void PayEvenMoney(TPlayer& t, int hand) {
    SelectBetSpots(t, hand);
    const int bet = BetOf(t, hand);
    TableScene& scene = t.Scene;
    if (const auto chip = ChipOfBet(bet)) {
        for (int s : {3, 4})
            scene[t.SelectedRings[static_cast<size_t>(s)]].Pen =
                ChipColour(bet).value_or(colour::kWhite);
        PayChip(t, scene.RackImage(*KindOfCode(*chip)), t.SelectedSlots[3]);
        if (IsTwoChipBet(bet)) scene[t.SelectedRings[3]].Visible = true;
    } else {
        // A doubled two-chip bet ($20, $400, ...) is no single chip or pair.
        PayOut(t, hand, GeneralPlan(bet, LastSlot(hand)));
    }
    t.animator.Repaint();
    Delay(t, 100);
}

void PayBlackjack(TPlayer& t, int hand) {
    const int bet = BetOf(t, hand);
    PayPlan plan = BlackjackPlan(bet);
    if (plan.empty()) plan = GeneralPlan(bet * 1.5, LastSlot(hand));
    PayOut(t, hand, plan);
}

void SurrenderRefund(TPlayer& t, int hand) {
    if (hand != 1 && hand != 3) return;
    TableScene& scene = t.Scene;
    const SpriteId bet = scene.BetSlot(hand, 1);
    // The refund is paid once, while the bet still lies on its spot.
    if (!scene[bet].Visible || scene[scene.BetSlot(hand, 3)].Visible) return;
    const int amount = BetOf(t, hand);
    ShowBankroll(t);
    scene[scene.Ring(hand, 1)].Visible = false;
    CollectChip(t, bet, false);
    PayPlan plan = RefundPlan(amount);
    if (plan.empty()) plan = GeneralPlan(amount * 0.5, LastSlot(hand));
    PayOut(t, hand, plan);
}

void ShowAdvice(TPlayer& t, std::string_view text) {
    TableScene& scene = t.Scene;
    Game& g = t.game;
    if (!g.SimulationMode) {
        struct Limits {
            int minimum;
            const char* first;
            const char* second;
            Rgb text;
        };
        constexpr Limits kLimits[] = {
            {5, " $5 Minimum Bet", "Maximum Bet $500", colour::kWhite},
            {25, " $25 Minimum Bet", "Maximum Bet $1,000", colour::kBlack},
            {100, " $100 Minimum Bet", "Maximum Bet $5,000", colour::kWhite},
        };
        const int minimum = g.Options.TableMinimum;
        for (SpriteId id : {scene.AdvicePanel1, scene.AdvicePanel2, scene.AdvicePanelBorder})
            scene[id].Visible = true;
        for (const Limits& limits : kLimits) {
            if (limits.minimum != minimum) continue;
            scene[scene.AdvicePanel1].Caption = limits.first;
            scene[scene.AdvicePanel2].Caption = limits.second;
            for (SpriteId id : {scene.AdvicePanel1, scene.AdvicePanel2}) {
                scene[id].Fill = *ChipColour(minimum);
                scene[id].TextColour = limits.text;
            }
        }
        t.animator.Repaint();
        return;
    }
    g.FlashTime = static_cast<uint16_t>(101 - scene[scene.SpeedBar].Tag);
    Sprite& panel = scene[scene.AdvicePanel];
    panel.Fill = colour::kBlue;
    panel.TextColour = colour::kWhite;
    panel.Caption = std::string(text);
    panel.Visible = true;
    t.animator.Repaint();
    if (!text.empty()) LongDelay(t, g.FlashTime);
    scene[scene.AdvicePanel].Visible = false;
    t.animator.Repaint();
}

}  // namespace velmora
