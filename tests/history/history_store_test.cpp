// Judged moves recorded in a real history file and read back by the queries.

#include <fstream>
#include <sstream>

#include "history/digest.h"
#include "history/exact_mistake_cost.h"
#include "history/mistake_cost.h"
#include "tests/history/history_fixture.h"

namespace velmora {
namespace {

using testing::Judged;

class HistoryStoreTest : public testing::HistoryFixture {
  protected:
    // A practice session on March 1st and a normal one and a drill on March 2nd.
    void PlayTwoDays(DecisionHistory& history) {
        game.Options.SurrenderAllowed = true;
        auto practice = [](JudgedDecision d) {
            d.practice = true;
            return d;
        };
        Judge(history, 3, practice(Judged({16}, 10, kHit, kSurrender)));
        Judge(history, 1, practice(Judged({16}, 10, kSurrender, kSurrender)));
        Judge(history, 2, practice(Judged({12}, 4, kStand, kStand)));
        now += testing::kDayMs;
        Judge(history, 1, Judged({16, false, true}, 10, kStand, kSplit));
        game.DrillMode = true;
        Judge(history, 1, practice(Judged({16, false, true}, 10, kSplit, kSplit)));
        game.DrillMode = false;
    }

    const CellStats* CellOf(const std::vector<CellStats>& cells, int row, int up) {
        for (const CellStats& c : cells)
            if (c.cls.row == row && c.upCard == up) return &c;
        return nullptr;
    }
};

TEST_F(HistoryStoreTest, JudgedMovesAreReadBackAfterTheProgramStartsAgain) {
    {
        HistoryWriter writer(File());
        DecisionHistory history = HistoryOn(&writer);
        PlayTwoDays(history);
    }  // the writer commits what is queued as it closes
    HistoryWriter writer(File());
    const auto cells = writer.Read([](HistoryStore& s) { return s.Cells(); });
    ASSERT_TRUE(cells);
    ASSERT_EQ(cells->size(), 3u);
    const CellStats* surrender16 = CellOf(*cells, 516, 10);
    ASSERT_TRUE(surrender16);
    EXPECT_EQ(surrender16->played, 4);
    EXPECT_EQ(surrender16->wrong, 3);
    EXPECT_FALSE(surrender16->costEach);  // no cost was given
    EXPECT_EQ(CellOf(*cells, 212, 4)->wrong, 0);
    EXPECT_EQ(CellOf(*cells, 416, 10)->played, 2);

    const auto days = writer.Read([](HistoryStore& s) { return s.AccuracyByDay(); });
    ASSERT_TRUE(days);
    ASSERT_EQ(days->size(), 3u);
    EXPECT_EQ((*days)[0].day, "2026-03-01");
    EXPECT_EQ((*days)[0].mode, "Practice");
    EXPECT_EQ((*days)[0].played, 6);
    EXPECT_EQ((*days)[0].right, 3);
    EXPECT_EQ((*days)[1].day, "2026-03-02");
    EXPECT_EQ((*days)[1].mode, "Drill");
    EXPECT_EQ((*days)[1].right, 1);
    EXPECT_EQ((*days)[2].mode, "Normal");
    EXPECT_EQ((*days)[2].right, 0);
}

TEST_F(HistoryStoreTest, WithoutCostsTheCostliestMistakesAreTheMostMissedCells) {
    HistoryWriter writer(File());
    DecisionHistory history = HistoryOn(&writer);
    PlayTwoDays(history);
    const auto worst = writer.Read([](HistoryStore& s) { return s.CostliestMistakes(10); });
    ASSERT_TRUE(worst);
    ASSERT_EQ(worst->size(), 2u);  // the cell never missed is not a mistake
    EXPECT_EQ(worst->front().cls.row, 516);
    EXPECT_EQ(worst->front().wrong, 3);
    EXPECT_EQ(worst->back().cls.row, 416);
    EXPECT_EQ(writer.Read([](HistoryStore& s) { return s.CostliestMistakes(1); })->size(), 1u);
}

// A stand-in cost per wrong move, to order mistakes by it.
class CostOfStandingOnPairs : public MistakeCost {
  public:
    std::optional<double> CostOf(const Game&, const JudgedDecision& d) override {
        if (d.Right()) return 0.0;
        return d.pair ? 0.5 : 0.01;
    }
};

TEST_F(HistoryStoreTest, WithCostsADearMistakeComesBeforeFrequentCheapOnes) {
    CostOfStandingOnPairs cost;
    HistoryWriter writer(File());
    DecisionHistory history = HistoryOn(&writer);
    history.SetCost(&cost);
    PlayTwoDays(history);
    const auto worst = writer.Read([](HistoryStore& s) { return s.CostliestMistakes(10); });
    ASSERT_TRUE(worst);
    ASSERT_EQ(worst->size(), 2u);
    EXPECT_EQ(worst->front().cls.row, 416);  // one mistake at 0.5 beats three at 0.01
    EXPECT_DOUBLE_EQ(*worst->front().costEach, 0.5);
    EXPECT_DOUBLE_EQ(*worst->back().costTotal, 0.03);
}

TEST_F(HistoryStoreTest, AMistakeIsPricedFromTheCardsTheHandHeld) {
    ExactMistakeCost cost;
    HistoryWriter writer(File());
    DecisionHistory history = HistoryOn(&writer);
    history.SetCost(&cost);
    game.Options.SurrenderAllowed = true;
    THand& hand = game.Hand(1);
    hand.NumCards = 2;
    hand.Cards[1].Value = 10;
    hand.Cards[2].Value = 6;
    // Standing on 16 against a ten where surrender is offered gives up about 4 % of
    // the bet; the surrender itself costs nothing.
    Judge(history, 1, Judged({16}, 10, kStand, kSurrender));
    Judge(history, 1, Judged({16}, 10, kSurrender, kSurrender));
    const auto cells = writer.Read([](HistoryStore& s) { return s.Cells(); });
    ASSERT_TRUE(cells);
    ASSERT_EQ(cells->size(), 1u);
    ASSERT_TRUE(cells->front().costEach);
    EXPECT_NEAR(*cells->front().costEach, 0.04, 0.01);
}

TEST_F(HistoryStoreTest, TheExportHasEveryMoveAndTheClearEmptiesTheHistory) {
    HistoryWriter writer(File());
    DecisionHistory history = HistoryOn(&writer);
    game.Options.SurrenderAllowed = true;
    Judge(history, 1, Judged({16}, 11, kHit, kSurrender));
    Judge(history, 1, Judged({12, true, true}, 10, kSplit, kSplit));
    const std::filesystem::path csv = dir / "history.csv";
    std::string error;
    ASSERT_TRUE(*writer.Read([&](HistoryStore& s) { return s.ExportCsv(csv, error); })) << error;
    std::ifstream in(csv);
    std::stringstream text;
    text << in.rdbuf();
    const std::string digest = StrategyDigest(game.Strategy);
    EXPECT_EQ(text.str(),
              "time,mode,rules,strategy,row,hand class,up card,taken,asked,right,cost\n"
              "2026-03-01 12:00:00,Normal,2D 3/4 S17 DA DAS RS SUR," + digest +
                  ",516,SURRENDER Hard 16,Ace,Hit,Surrender,no,\n"
                  "2026-03-01 12:00:00,Normal,2D 3/4 S17 DA DAS RS SUR," + digest +
                  ",422,SPLIT Aces,10,Split,Split,yes,\n");
    EXPECT_TRUE(*writer.Read([](HistoryStore& s) { return s.Clear(); }));
    EXPECT_EQ(*writer.Read([](HistoryStore& s) { return s.Count(); }), 0);
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"VLMHIST.DB", "VLMHIST.DB-shm",
                                                  "VLMHIST.DB-wal", "history.csv"}));
}

}  // namespace
}  // namespace velmora
