#pragma once
// What any loaded file may leave in a game, however its bytes were damaged: rules
// the settings windows know and strategy tables that are whole.

#include <gtest/gtest.h>

#include "engine/game.h"

namespace velmora::testing {

inline void ExpectKnownRules(const Game& g) {
    EXPECT_TRUE(IsValidDecks(g.Options.Decks));
    EXPECT_TRUE(IsValidPenetration(g.Options.Penetration));
    EXPECT_TRUE(IsValidTableMinimum(g.Options.TableMinimum));
    EXPECT_GE(g.Options.ComputerSpeed, kMinComputerSpeed);
    EXPECT_LE(g.Options.ComputerSpeed, kMaxComputerSpeed);
    EXPECT_TRUE(g.Strategy.IsOk());
    EXPECT_TRUE(g.Options.StrategyCopy.IsOk());
}

}  // namespace velmora::testing
