#pragma once
// A game ready to play single rounds: default rules with one hand, the default
// strategy, the computer deciding, no table, and a shoe the test stacks.

#include <gtest/gtest.h>

#include <initializer_list>

#include "engine/game.h"
#include "engine/round.h"
#include "strategy/strategy_table.h"
#include "tests/support/scripted_host.h"
#include "tests/support/stacked_shoe.h"

namespace velmora::testing {

class RoundFixture : public ::testing::Test {
protected:
    ScriptedHost host;
    Game game{host};

    void SetUp() override {
        host.game = &game;
        ApplyDefaultOptions(game.Options);
        game.Options.BetTwoHands = false;
        ResetStrategyToDefault(game.Strategy);
        game.SimulationMode = true;
        game.BankrollUnit = 100.0 * game.Options.TableMinimum;
        BuildShoe(game);
    }

    // The next cards dealt, in deal order: hand 1, (hand 3,) up card, hand 1,
    // (hand 3,) hole card, then draws.
    void Stack(std::initializer_list<int> values) { StackShoe(game, values); }

    void ShowTable() {
        game.Table = &host.table;
        game.TableShown = true;
        game.Bankroll = 200.0 * game.Options.TableMinimum;
    }

    Statistics& S(int strategy) { return game.StatsOf(strategy); }
};

}  // namespace velmora::testing
