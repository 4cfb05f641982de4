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

// The second stake of a double goes beside the bet: as many chips as the bet.
void TPlayer::ShowDoubledBet(int hand) {
    if (!IsPlayerHand(hand)) return;
    const SpriteId spot = Scene.BetSlot(hand, 2);
    if (Scene[spot].Visible) return;
    const int bet = game.CurrentBet;
    velmora::PlaceBetChip(*this, bet, spot, kNoSprite);
    if (IsTwoChipBet(bet)) velmora::PlaceBetChip(*this, bet, spot, Scene.Ring(hand, 2));
}

// The split card slides to its new hand and a bet like the first goes under it.
void TPlayer::ShowSplit(int from, int to) {
    if (!IsPlayerHand(from) || !IsPlayerHand(to)) return;
    const SpriteId target = Scene.CardPlace(to, 1);
    // A split dragged by the player has already moved the card.
    if (!Scene[target].Visible) MoveSplitCard(*this, Scene.CardPlace(from, 2), target);
    const SpriteId spot = Scene.BetSlot(to, 1);
    if (Scene[spot].Visible) return;
    const int bet = game.CurrentBet;
    velmora::PlaceBetChip(*this, bet, spot, kNoSprite);
    if (IsTwoChipBet(bet)) velmora::PlaceBetChip(*this, bet, spot, Scene.Ring(to, 1));
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

void TPlayer::RefundSurrender() {
    RefundActiveSurrender(*this);
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
