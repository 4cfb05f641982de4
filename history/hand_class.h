#pragma once
// The hand class of a judged move: the row of the strategy table whose cell the
// move answered, as the strategy editor names it ("HIT Hard 16", "SPLIT 8's").
// The history, the heat map and the drill all count mistakes by (class, up card).

#include <string>

#include "engine/decision_report.h"
#include "strategy/editor_rows.h"
#include "strategy/strategy_table.h"

namespace velmora {

struct HandClass {
    // The row code (200..520), or 0 when the rules of play alone decide: a hard 17
    // or more stands and a soft 16 or less hits unless a double or split is asked.
    int row = 0;
    bool soft = false;
    int total = 0;  // the hand's total; a pair's hard total (422 for aces: soft 12)

    friend bool operator==(const HandClass&, const HandClass&) = default;
    friend auto operator<=>(const HandClass&, const HandClass&) = default;
};

// The rows are asked in the decision's order (split, double down, surrender, hit).
// The class is the first row where the player's move and the row's answer part:
// the row said "do it" and the player did not, or said "no" and the player did
// it. For a right move that is the row that decided. So a hit on a hard 16 that
// should surrender counts under SURRENDER Hard 16, a stand there under HIT Hard 16.
// Where the rules answer after every row said no (a hard 10 that is not doubled
// hits), the player who takes that answer was right at the last row that said no
// (DOUBLE DOWN Hard 10); one who stands on the 10 made a mistake of its own (HIT
// Hard 10, one of the always-hit rows 204..211).
HandClass ClassOf(const JudgedDecision& decision, const StrategyTable& table);

// The class a row stands for on its own (the editor's buttons and the drill).
HandClass ClassOfRow(int row);

// "SPLIT", "DOUBLE DOWN", "HIT", "SURRENDER"; empty for row 0.
const char* PlaneCaption(int row);
// The editor's caption: "8's", "Aces", "Hard 12", "Soft 17".
std::string ClassCaption(const HandClass& c);
// Plane and caption: "HIT Hard 16", "SPLIT Aces"; "Hard 18" for row 0.
std::string ClassName(const HandClass& c);
// "2".."10", "Ace".
std::string UpCardCaption(int up);

}  // namespace velmora
