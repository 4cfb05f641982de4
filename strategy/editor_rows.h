#pragma once
// The hand classes of the strategy editor: the 35 rows of the strategy table a
// player edits, each under the heading of the question it answers and with the
// caption of its button. Rows the decision reads but the editor does not show
// (hit hard 4..11, soft 19..21; double hard 4..6, soft 12, 20, 21) are not here.

#include <array>

namespace velmora {

struct EditorRow {
    const char* heading;  // "SPLIT", "DOUBLE DOWN", "HIT" or "SURRENDER"
    const char* caption;
    int code;  // row code of the strategy table
};

inline constexpr std::array<EditorRow, 35> kEditorRows = {{
    {"SPLIT", "2's", 404},           {"SPLIT", "3's", 406},
    {"SPLIT", "4's", 408},           {"SPLIT", "5's", 410},
    {"SPLIT", "6's", 412},           {"SPLIT", "7's", 414},
    {"SPLIT", "8's", 416},           {"SPLIT", "9's", 418},
    {"SPLIT", "10's", 420},          {"SPLIT", "Aces", 422},
    {"DOUBLE DOWN", "Hard 7", 307},  {"DOUBLE DOWN", "Hard 8", 308},
    {"DOUBLE DOWN", "Hard 9", 309},  {"DOUBLE DOWN", "Hard 10", 310},
    {"DOUBLE DOWN", "Hard 11", 311}, {"DOUBLE DOWN", "Soft 13", 313},
    {"DOUBLE DOWN", "Soft 14", 314}, {"DOUBLE DOWN", "Soft 15", 315},
    {"DOUBLE DOWN", "Soft 16", 316}, {"DOUBLE DOWN", "Soft 17", 317},
    {"DOUBLE DOWN", "Soft 18", 318}, {"DOUBLE DOWN", "Soft 19", 319},
    {"HIT", "Hard 12", 212},         {"HIT", "Hard 13", 213},
    {"HIT", "Hard 14", 214},         {"HIT", "Hard 15", 215},
    {"HIT", "Hard 16", 216},         {"HIT", "Soft 17", 217},
    {"HIT", "Soft 18", 218},         {"SURRENDER", "Hard 12", 512},
    {"SURRENDER", "Hard 13", 513},   {"SURRENDER", "Hard 14", 514},
    {"SURRENDER", "Hard 15", 515},   {"SURRENDER", "Hard 16", 516},
    {"SURRENDER", "Hard 17", 517},
}};

}  // namespace velmora
