#pragma once
// The chip values of the table. Seven kinds lie in the rack, in the order of
// RackCount; each has a code used wherever a chip value is passed: 2 for the half
// chip worth 2.50, else its dollars. A bet of two equal chips is passed as the
// doubled code (10, 50, 200, 2000, 10000).

#include <array>
#include <optional>

#include "engine/game.h"
#include "table/sprite.h"

namespace velmora {

enum ChipKind : int { kHalfChip = 0, kChip5, kChip25, kChip100, kChip500, kChip1000, kChip5000 };

constexpr int kHalfCode = 2;
constexpr std::array<int, kChipKinds> kChipCodes = {kHalfCode, 5, 25, 100, 500, 1000, 5000};
constexpr std::array<double, kChipKinds> kChipWorth = {2.5, 5, 25, 100, 500, 1000, 5000};
// How many chips of the kind below one chip of a kind is worth (two halves make a $5).
constexpr int kPerHigherChip[kChipKinds] = {0, 2, 5, 4, 5, 2, 5};

// The rack kind of a single chip's code; nullopt for any other number.
constexpr std::optional<int> KindOfCode(int code) {
    for (int k = 0; k < kChipKinds; ++k)
        if (kChipCodes[static_cast<size_t>(k)] == code) return k;
    return std::nullopt;
}

constexpr double WorthOfCode(int code) {
    return code == kHalfCode ? 2.5 : code;
}

// The chip a bet amount is made of: itself for a single chip's code, half of it for
// the doubled codes (10 is two 5s, 50 two 25s, 200 two 100s, 2000 two 1000s, 10000
// two 5000s). nullopt for amounts that are neither.
constexpr std::optional<int> ChipOfBet(int amount) {
    if (KindOfCode(amount)) return amount;
    switch (amount) {
        case 10:
            return 5;
        case 50:
            return 25;
        case 200:
            return 100;
        case 2000:
            return 1000;
        case 10000:
            return 5000;
        default:
            return std::nullopt;
    }
}

constexpr bool IsTwoChipBet(int amount) {
    return !KindOfCode(amount) && ChipOfBet(amount);
}

// The colour of a chip value's rings and limit panels. The half chip has none.
constexpr std::optional<Rgb> ChipColour(int code) {
    switch (code) {
        case 5:
        case 10:
            return colour::kRed;
        case 25:
        case 50:
            return colour::kLime;
        case 100:
        case 200:
            return colour::kBlack;
        case 500:
            return colour::kPurple;
        case 1000:
        case 2000:
            return colour::kWhite;
        case 5000:
        case 10000:
            return colour::kBlue;
        default:
            return std::nullopt;
    }
}

}  // namespace velmora
