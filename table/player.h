#pragma once
// The table window's own side of the game, free of any window system: the scene of
// pieces, the animator that shows it, and the little state the table keeps between
// operations (the selected spot group, the two-chip bet, the drag flags). It is the
// engine's TableDisplay: the engine calls it in the order of a deal, and the
// operations of motion.h, rack.h, settlement.h and table_ops.h do the work.

#include <array>

#include "engine/game.h"
#include "engine/host.h"
#include "table/animator.h"
#include "table/table_scene.h"

namespace velmora {

class TPlayer : public TableDisplay {
  public:
    TPlayer(Game& game, Animator& animator);

    Game& game;
    Animator& animator;
    TableScene Scene;

    // The spot group chosen by SelectBetSpots: slots and rings 1..5 (index 0 unused).
    std::array<SpriteId, kBetSlots + 1> SelectedSlots{};
    std::array<SpriteId, kBetSlots + 1> SelectedRings{};
    // The bets of this round are pairs of equal chips (a chip with its ring).
    bool TwoChipBet = false;

    // The mouse. The piece pressed keeps the mouse until the release; positions are
    // taken relative to its place at the press.
    SpriteId Pressed = kNoSprite;
    bool CardPressed = false;    // a second card was pressed and not split since
    bool CardDragging = false;   // ... and its hand can split, so it may be dragged
    int PressX = 0, PressY = 0;  // the pointer inside the piece at the press
    int PressLeft = 0, PressTop = 0;
    bool ChipDragging = false;  // a rack chip, or the bet of hand 1 or 3, is carried
    int BetDragged = 0;         // 1 or 3 while that hand's bet is carried
    int DragOffsetX = 0, DragOffsetY = 0;
    bool BetBoxPressed = false;  // the empty main bet box was pressed in this betting phase

    // The window is going away: motions finish at once and nothing waits any more.
    void Close() { closed_ = true; }
    bool Closed() const { return closed_; }

    // The speed bar of computer play moved to position 1..100.
    void SpeedBarChanged(int position);

    // TableDisplay.
    void ClearTable() override;
    void ShowShuffle() override;
    void MoveCutCard(bool out) override;
    void DealCard(const TCard& card, int hand, int number) override;
    void FlipHoleCard() override;
    void ShowPointer(int hand) override;
    void ShowLabel(int hand, std::string_view text) override;
    void ShowSettlement(int hand, double r) override;
    void ShowDoubledBet(int hand) override;
    void ShowSplit(int from, int to) override;
    void ReturnBets() override;
    void PlaceBetChip(int spot, int value) override;
    void ConfirmBet() override;
    double ChipsOnSpot(int spot) override;
    void ShowBetBoxes(bool secondBox) override;
    void PrepareBetting() override;
    void HideBetPanels() override;
    void TakeMovingChipFromFirstSpot() override;
    void SetMovingChipBet(int amount) override;
    void MakeChange(int amount) override;
    void ShowRack() override;
    void ShowBankroll() override;
    void ShowAdvice(std::string_view text) override;
    void ShowSpeedBar(bool visible) override;
    void Delay(int units) override;
    void LongDelay(int units) override;

  private:
    bool closed_ = false;
};

}  // namespace velmora
