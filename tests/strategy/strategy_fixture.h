#pragma once
// A game with one player hand and a dealer up card, for judging decisions.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "engine/game.h"
#include "strategy/decision.h"
#include "strategy/strategy_table.h"
#include "tests/support/scripted_host.h"

namespace velmora::testing {

inline TCard CardOfValue(int value) { return MakeCard(value == 11 ? 1 : value); }

class StrategyFixture : public ::testing::Test {
protected:
    ScriptedHost host;
    Game game{host};

    void SetUp() override {
        ResetStrategyToDefault(game.Strategy);
        game.Table = &host.table;
        game.TableShown = true;
    }

    // Hand 1 holds `cards` against the up card; permissions as given.
    void Deal(std::initializer_list<int> cards, int up, bool canSplit = false,
              bool canDouble = false, bool canSurrender = false, int hand = 1) {
        game.Hand(hand) = THand{};
        for (int v : cards) AddCard(game.Hand(hand), CardOfValue(v));
        game.Hand(hand).CanSplit = canSplit;
        game.Hand(hand).CanDouble = canDouble;
        game.Hand(hand).CanSurrender = canSurrender;
        game.Hands[kDealer] = THand{};
        AddCard(game.Hands[kDealer], CardOfValue(up));
    }

    // The computer's move for hand 1.
    uint16_t Decide(int hand = 1) {
        game.SimulationMode = true;
        game.PlayerAction = 77;
        DecideAction(game, hand, game.UpCard(), game.Hand(hand).Total);
        game.SimulationMode = false;
        return game.PlayerAction;
    }

    // The sentence shown when the player makes `action` on hand 1 (empty = agrees).
    std::string Judge(uint16_t action, int hand = 1) {
        game.SimulationMode = false;
        game.AdviceText = "stale";
        game.PlayerAction = action;
        DecideAction(game, hand, game.UpCard(), game.Hand(hand).Total);
        EXPECT_EQ(game.PlayerAction, action) << "judging must not change the player's move";
        return game.AdviceText;
    }
};

}  // namespace velmora::testing
