#include "table/player.h"

#include <algorithm>

#include "table/betting_rules.h"
#include "table/chips.h"
#include "table/motion.h"
#include "table/rack.h"
#include "table/settlement.h"
#include "table/table_ops.h"

namespace velmora {

TPlayer::TPlayer(Game& g, Animator& a) : game(g), animator(a) {
    SelectBetSpots(*this, 1);
}

void TPlayer::SpeedBarChanged(int position) {
    position = std::clamp(position, 1, 100);
    Scene[Scene.SpeedBar].Tag = position;
    // Further right ("Faster>") is a shorter advice flash.
    game.FlashTime = static_cast<uint16_t>(101 - position);
    animator.Repaint();
}

void TPlayer::ClearTable() {
    velmora::ClearTable(*this);
}

void TPlayer::ShowShuffle() {
    velmora::ShowShuffle(*this);
}

void TPlayer::MoveCutCard(bool out) {
    velmora::MoveCutCard(*this, out);
}

void TPlayer::DealCard(const TCard& card, int hand, int number) {
    velmora::DealCard(*this, card, hand, number);
}

void TPlayer::FlipHoleCard() {
    velmora::FlipHoleCard(*this);
}

void TPlayer::ShowPointer(int hand) {
    velmora::ShowPointer(*this, hand);
}

void TPlayer::ShowLabel(int hand, std::string_view text) {
    ShowHandLabel(*this, hand, text);
}

void TPlayer::ShowSettlement(int hand, double r) {
    SettleHandDisplay(*this, hand, r);
}

namespace {

// Chips go onto slot `slot` of a hand until its spots hold the stake the round
// books for it: the chips on the table and the booking never differ.
void ShowBookedStake(TPlayer& t, int hand, int slot) {
    const TableScene& s = t.Scene;
    double shown = 0;
    for (int k = 1; k <= 2; ++k) shown += ChipsOn(t, s.BetSlot(hand, k), s.Ring(hand, k));
    const int missing = t.game.Hand(hand).StakeByStrategy[1] - static_cast<int>(shown);
    const SpriteId spot = s.BetSlot(hand, slot);
    if (missing <= 0 || s[spot].Visible) return;
    velmora::PlaceBetChip(t, missing, spot, kNoSprite);
    if (IsTwoChipBet(missing)) velmora::PlaceBetChip(t, missing, spot, s.Ring(hand, slot));
}

}  // namespace

// The second stake of a double goes beside the bet.
void TPlayer::ShowDoubledBet(int hand) {
    if (IsPlayerHand(hand)) ShowBookedStake(*this, hand, 2);
}

// The split card slides to its new hand and the stake booked for it goes under it.
void TPlayer::ShowSplit(int from, int to) {
    if (!IsPlayerHand(from) || !IsPlayerHand(to)) return;
    const SpriteId target = Scene.CardPlace(to, 1);
    // A split dragged by the player has already moved the card.
    if (!Scene[target].Visible) MoveSplitCard(*this, Scene.CardPlace(from, 2), target);
    ShowBookedStake(*this, to, 1);
}

void TPlayer::ReturnBets() {
    ReturnAllBets(*this);
}

void TPlayer::PlaceBetChip(int spot, int value) {
    if (spot != 1 && spot != 3) return;
    const SpriteId slot = Scene.BetSlot(spot, 1);
    TwoChipBet = IsTwoChipBet(value);
    velmora::PlaceBetChip(*this, value, slot, kNoSprite);
    if (TwoChipBet) velmora::PlaceBetChip(*this, value, slot, Scene.Ring(spot, 1));
}

void TPlayer::ConfirmBet() {
    RepeatBet(*this);
}

double TPlayer::ChipsOnSpot(int spot) {
    if (spot != 1 && spot != 3) return 0;
    return ChipsOn(*this, Scene.BetSlot(spot, 1), Scene.Ring(spot, 1));
}

void TPlayer::ShowBetBoxes(bool secondBox) {
    Scene[Scene.BetBox1].Visible = true;
    Scene[Scene.BetBox3].Visible = secondBox;
    animator.Repaint();
}

void TPlayer::PrepareBetting() {
    BetBoxPressed = false;
    ColourUp(*this);
    ShowBetPanels(*this, true);
    velmora::MakeChange(*this, game.CurrentBet);
    animator.Repaint();
}

void TPlayer::HideBetPanels() {
    ChipDragging = false;  // the betting phase is over
    ShowBetPanels(*this, false);
    animator.Repaint();
}

void TPlayer::TakeMovingChipFromFirstSpot() {
    Sprite& chip = Scene[Scene.MovingChip];
    const Sprite& bet = Scene[Scene.BetSlot(1, 1)];
    chip.Pic = bet.Pic;
    chip.Tag = bet.Tag;
    TwoChipBet = Scene[Scene.Ring(1, 1)].Visible;
}

void TPlayer::SetMovingChipBet(int amount) {
    const auto chip = ChipOfBet(amount);
    if (!chip) return;
    Sprite& moving = Scene[Scene.MovingChip];
    moving.Tag = *chip;
    moving.Pic = {PictureKind::Chip, *chip};
}

void TPlayer::MakeChange(int amount) {
    velmora::MakeChange(*this, amount);
}

void TPlayer::ShowRack() {
    velmora::ShowRack(*this);
}

void TPlayer::ShowBankroll() {
    velmora::ShowBankroll(*this);
}

void TPlayer::ShowAdvice(std::string_view text) {
    velmora::ShowAdvice(*this, text);
}

void TPlayer::ShowSpeedBar(bool visible) {
    Scene[Scene.SpeedLabel].Visible = visible;
    Scene[Scene.SpeedBar].Visible = visible;
    if (visible) Scene[Scene.SpeedBar].Tag = 50;
    animator.Repaint();
}

void TPlayer::Delay(int units) {
    velmora::Delay(*this, units);
}

void TPlayer::LongDelay(int units) {
    velmora::LongDelay(*this, units);
}

}  // namespace velmora
