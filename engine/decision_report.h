#pragma once
// Where the engine reports each judged decision of the player: the move the player
// made beside the move the playing strategy asks, with the hand as it stood. The
// program plugs in whatever keeps or shows them (the decision history, the
// practice score); the engine only calls this, so it stays testable alone.

#include <cstdint>

namespace velmora {

struct JudgedDecision {
    bool practice = false;  // Practice Deck (the move is judged, never carried out)
    int hand = 0;           // 1..4
    int total = 0;          // the hand's total, the soft total while soft
    bool soft = false;
    bool pair = false;      // two cards of one value
    bool canSplit = false;
    bool canDouble = false;
    bool canSurrender = false;
    int upCard = 0;         // the dealer's up card, 2..11
    uint16_t taken = 0;     // the player's move: stand 1 .. surrender 5
    uint16_t asked = 0;     // the strategy's move
    uint16_t adviceCode = 0;  // the sentence that explains the strategy's move

    bool Right() const { return taken == asked; }
};

class DecisionReport {
  public:
    virtual ~DecisionReport() = default;
    // Called once for every judged move (never for a hint), before any advice box.
    virtual void DecisionJudged(const JudgedDecision& decision) = 0;
};

}  // namespace velmora
