#pragma once
// What the playing strategy does with a player hand against the dealer's up card.
// In computer play the answer is the move made; in the player's own play it is
// the yardstick the player's move is judged by.

#include <cstdint>

namespace velmora {

struct Game;

// Advice codes: which sentence explains the decision.
enum AdviceCode : uint16_t {
    kAdviceStandHard = 100,
    kAdviceStandHard17 = 117,
    kAdviceStandSoft = 119,
    kAdviceHitHard = 211,
    kAdviceDoNotDouble = 212,
    kAdviceNeverSplit4sOr5s = 213,
    kAdviceHitSoft16OrLess = 218,
    kAdviceHitSoft = 219,
    kAdviceDoubleHard = 300,
    kAdviceDoubleSoft = 310,
    kAdviceSplitAces = 401,
    kAdviceSplitPair = 402,
    kAdviceSurrender = 500,
};

// The strategy's move for hand `hand` (1..4) with total `total` against up card
// `up` (2..11), with the advice code that explains it. `judged` is the move being
// judged (PlayerAction of the rules): a double or split of a small hard total is
// answered with the sentence that says not to. No move (action 0) for arguments
// out of range.
struct StrategyMove {
    uint16_t action = 0;
    uint16_t advice = 0;
};
StrategyMove StrategyMoveFor(const Game& game, int hand, int up, int total, uint16_t judged);

// Decides hand `hand` (1..4) with total `total` against up card `up` (2..11) and
// hands the outcome to RecordDecision. Out-of-range arguments change nothing.
void DecideAction(Game& game, int hand, int up, int total);

// In computer play the action becomes PlayerAction. While the table is shown the
// advice sentence is built when the action differs from PlayerAction and advice is
// on, and cleared otherwise.
void RecordDecision(Game& game, uint16_t action, uint16_t advice, int hand);

}  // namespace velmora
