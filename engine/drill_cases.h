#pragma once
// Where a drill round gets its case: the two cards of the player's hand and the
// dealer's up card, chosen by whatever keeps the player's history. The engine
// only asks; it arranges real cards of the shoe for the case and deals them.

#include <optional>

namespace velmora {

struct Game;

struct DrillCase {
    int first = 0;   // card values 2..11 (11 = ace)
    int second = 0;
    int upCard = 0;
};

class DrillCases {
  public:
    virtual ~DrillCases() = default;
    // The case of the next drill round; nothing lets the round deal the shoe as it lies.
    virtual std::optional<DrillCase> NextCase(const Game& game) = 0;
};

}  // namespace velmora
