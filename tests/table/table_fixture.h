#pragma once
// A table on a recording animator over a game with the table shown: default rules,
// the $25 table, and the starting rack of the table minimum.

#include <gtest/gtest.h>

#include "engine/options.h"
#include "engine/run_loop.h"
#include "engine/shoe.h"
#include "strategy/strategy_table.h"
#include "table/chips.h"
#include "table/player.h"
#include "tests/support/scripted_host.h"
#include "tests/table/recording_animator.h"

namespace velmora::testing {

class TableFixture : public ::testing::Test {
  protected:
    ScriptedHost host;
    Game game{host};
    RecordingAnimator animator;
    TPlayer table{game, animator};

    void SetUp() override {
        host.game = &game;
        ApplyDefaultOptions(game.Options);
        game.Options.ComputerSpeed = 8000;
        game.Table = &table;
        game.TableShown = true;
        UseMinimum(25);
    }

    // Ready for scripted play: the default strategy, one hand, no advice boxes, a
    // fresh shoe.
    void ReadyToPlay() {
        ResetStrategyToDefault(game.Strategy);
        game.Options.BetTwoHands = false;
        game.Options.AdviceOn = false;
        game.SimulationMode = false;
        game.StopRequested = false;
        BuildShoe(game);
    }

    // A fresh bankroll for a table minimum.
    void UseMinimum(int minimum) {
        game.Options.TableMinimum = static_cast<uint16_t>(minimum);
        game.CurrentBet = static_cast<uint16_t>(minimum);
        NewBankroll(game);
    }

    // Rack counts: half, 5, 25, 100, 500, 1000, 5000; the bankroll follows.
    void SetRack(std::array<uint16_t, kChipKinds> counts) {
        game.RackCount = counts;
        game.Bankroll = RackValue();
    }

    double RackValue() const {
        double value = 0;
        for (int k = 0; k < kChipKinds; ++k)
            value += kChipWorth[static_cast<size_t>(k)] * game.RackCount[static_cast<size_t>(k)];
        return value;
    }

    int Count(int code) const { return game.RackCount[static_cast<size_t>(*KindOfCode(code))]; }
    const Sprite& Piece(SpriteId id) const { return table.Scene[id]; }
    const Sprite& Piece(std::string_view name) const {
        return table.Scene[*table.Scene.Find(name)];
    }
};

}  // namespace velmora::testing
