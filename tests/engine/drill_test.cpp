// Drill My Weak Spots at the table: the chosen cases dealt from a full shoe, one
// judged decision a round, nothing carried out.

#include <algorithm>
#include <map>

#include "engine/drill_deal.h"
#include "engine/modes.h"
#include "engine/play_commands.h"
#include "engine/run_loop.h"
#include "engine/shoe.h"
#include "tests/engine/round_fixture.h"

namespace velmora {
namespace {

class ScriptedCases : public DrillCases {
  public:
    explicit ScriptedCases(std::vector<DrillCase> cases) : cases_(std::move(cases)) {}
    std::optional<DrillCase> NextCase(const Game&) override { return cases_[next_++ % cases_.size()]; }

  private:
    std::vector<DrillCase> cases_;
    size_t next_ = 0;
};

class RecordedMoves : public DecisionReport {
  public:
    explicit RecordedMoves(const Game& g) : game(g) {}
    void DecisionJudged(const JudgedDecision& d) override {
        moves.push_back(d);
        inDrill = inDrill && game.DrillMode;
    }
    const Game& game;
    std::vector<JudgedDecision> moves;
    bool inDrill = true;
};

std::map<int, int> ValuesOf(const Game& g) {
    std::map<int, int> values;
    for (const ShoeEntry& e : g.Shoe) ++values[e.Card.Value];
    return values;
}

using DrillPlay = testing::RoundFixture;

TEST_F(DrillPlay, EachRoundDealsTheChosenCaseFromAFullShoeAndCarriesNothingOut) {
    game.SimulationMode = false;
    game.Bankroll = 5000;
    // Eights against a 10, soft 17 against a 9, 16 against an ace (the hole card is
    // never a ten) and 12 against a 10 (never an ace under it).
    const std::vector<DrillCase> cases = {{8, 8, 10}, {11, 6, 9}, {10, 6, 11}, {2, 10, 10}};
    ScriptedCases source(cases);
    RecordedMoves report(game);
    game.Drill = &source;
    game.Decisions = &report;
    int rounds = 0;
    bool asDealt = true, handChanged = false, fullShoe = true;
    host.onEvents = [&](Game& g) {
        if (g.StopRequested || !host.DecisionAwaited()) return;
        const DrillCase& c = cases[static_cast<size_t>(rounds) % cases.size()];
        const THand& hand = g.Hand(1);
        const THand& dealer = g.Hands[kDealer];
        asDealt = asDealt && hand.NumCards == 2 && hand.Cards[1].Value == c.first &&
                  hand.Cards[2].Value == c.second && dealer.NumCards == 2 &&
                  dealer.Cards[1].Value == c.upCard && !dealer.Blackjack;
        handChanged = handChanged || g.Hand(3).NumCards > 0;
        fullShoe = fullShoe && g.ShoeSize == 104;
        if (++rounds > 40) {
            GameReset(g);
            return;
        }
        ChoosePlayCommand(g, PlayCommand::Hit);  // judged, never carried out
    };
    ChooseMode(game, Mode::Drill);
    EXPECT_EQ(rounds, 41);
    EXPECT_TRUE(asDealt);
    EXPECT_TRUE(fullShoe);
    EXPECT_FALSE(handChanged);
    EXPECT_TRUE(host.table.Calls("ShowSettlement").empty());  // no money moves
    EXPECT_TRUE(host.table.Calls("ShowDoubledBet").empty());
    ASSERT_EQ(report.moves.size(), 40u);
    EXPECT_TRUE(report.inDrill);
    for (const JudgedDecision& d : report.moves) {
        EXPECT_TRUE(d.practice);
        EXPECT_EQ(d.taken, kHit);
    }
    EXPECT_EQ(report.moves[0].total, 16);
    EXPECT_TRUE(report.moves[0].canSplit);
    EXPECT_TRUE(report.moves[1].soft);
    EXPECT_FALSE(game.DrillMode);
    EXPECT_FALSE(game.PracticeDeckMode);
    EXPECT_EQ(game.Options.ModeName.Text(), "Practice");
}

TEST_F(DrillPlay, TheCaseIsMadeOfTheShoesOwnCardsAndAShortShoeIsShuffledFirst) {
    const std::map<int, int> before = ValuesOf(game);
    game.CardsDealt = 10;
    ASSERT_TRUE(ArrangeDrillCase(game, {5, 5, 11}));
    EXPECT_EQ(game.CardsDealt, 10);
    EXPECT_EQ(game.Shoe[10].Card.Value, 5);
    EXPECT_EQ(game.Shoe[11].Card.Value, 11);
    EXPECT_EQ(game.Shoe[12].Card.Value, 5);
    EXPECT_NE(game.Shoe[13].Card.Value, 10);
    EXPECT_EQ(ValuesOf(game), before);  // the same cards, only moved
    // Three places left cannot hold four cards: a fresh shoe is shuffled.
    game.CardsDealt = game.ShoeSize - 3;
    game.RunningCount = 7;
    ASSERT_TRUE(ArrangeDrillCase(game, {9, 9, 10}));
    EXPECT_EQ(game.CardsDealt, 0);
    EXPECT_EQ(game.RunningCount, 0);
    EXPECT_EQ(game.Shoe[0].Card.Value, 9);
    EXPECT_EQ(game.Shoe[1].Card.Value, 10);
    EXPECT_NE(game.Shoe[3].Card.Value, 11);
    EXPECT_EQ(ValuesOf(game), before);
}

}  // namespace
}  // namespace velmora
