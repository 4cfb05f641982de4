#pragma once
// The settings the player chooses: casino rules, preferences and a copy of the
// playing strategy. The record is stored byte for byte as the options file and as
// the first part of every saved game; io/ writes it field by field.

#include <array>
#include <cstdint>

#include "engine/short_string.h"
#include "strategy/strategy_table.h"

namespace velmora {

inline constexpr char kVersionTag[] = "Version 1.4";

struct OptionsRecord {
    uint16_t Decks = 2;              // 1, 2, 4, 6, 8
    uint16_t Penetration = 3;        // quarters of the shoe dealt: 2 or 3
    uint16_t TableMinimum = 25;      // dollars: 5, 25, 100
    uint16_t ComputerSpeed = 8000;   // 1000..25000; larger = slower animation
    bool SurrenderAllowed = false;
    bool DealerHitsSoft17 = false;
    bool DoubleAnyHand = true;       // false: double only on 10 and 11
    bool DoubleAfterSplit = true;
    bool ResplitAllowed = true;
    bool BetTwoHands = true;
    bool AlwaysBetMinimum = false;
    bool SoundOn = true;
    bool AdviceOn = true;
    bool FirstStart = true;
    bool HideBettingIntro = false;
    bool SingleStrategyView = false;
    StrategyTable StrategyCopy;      // refreshed only when the options are saved
    ShortString<15> ModeName;        // "Normal", "Practice", "Simulation", "Analysis"
    ShortString<11> VersionTag;
    std::array<uint8_t, 4> Reserved{};

    friend bool operator==(const OptionsRecord&, const OptionsRecord&) = default;
};

// The defaults of a missing or foreign options file. Fields without a default
// (ComputerSpeed, FirstStart, SingleStrategyView, StrategyCopy, ModeName and the
// reserved bytes) keep what the record held.
inline void ApplyDefaultOptions(OptionsRecord& o) {
    o.Decks = 2;
    o.Penetration = 3;
    o.TableMinimum = 25;
    o.SurrenderAllowed = false;
    o.DealerHitsSoft17 = false;
    o.DoubleAnyHand = true;
    o.DoubleAfterSplit = true;
    o.ResplitAllowed = true;
    o.BetTwoHands = true;
    o.HideBettingIntro = false;
    o.AlwaysBetMinimum = false;
    o.SoundOn = true;
    o.AdviceOn = true;
}

constexpr bool IsValidDecks(int decks) {
    return decks == 1 || decks == 2 || decks == 4 || decks == 6 || decks == 8;
}
constexpr bool IsValidPenetration(int p) { return p == 2 || p == 3; }
constexpr bool IsValidTableMinimum(int m) { return m == 5 || m == 25 || m == 100; }

}  // namespace velmora
