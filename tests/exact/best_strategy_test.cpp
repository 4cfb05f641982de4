// The best strategy for the rules: the chart every published source gives for six
// decks, no single cell that could do better, cells the rules never read left
// clear, and the cost of a cell that differs.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "exact/best_strategy.h"
#include "exact/exact_analysis.h"
#include "strategy/editor_rows.h"

namespace velmora {
namespace {

// Six decks, dealer stands on soft 17, double any two cards and after splits,
// re-split to four hands, no surrender: the game of most printed charts.
class SixDecks : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ExactRules rules;
        rules.Shoe = ShoeOfDecks(6);
        model_ = std::make_unique<ExactModel>(rules);
        best_ = std::make_unique<StrategyTable>(BestStrategy(*model_));
    }
    static void TearDownTestSuite() {
        model_.reset();
        best_.reset();
    }
    // The row's up cards as the chart prints them: X where the action is taken.
    static std::string Row(int code) {
        std::string cells;
        for (int up = 2; up <= 11; ++up) cells += best_->Cell(code, up) ? 'X' : '.';
        return cells;
    }
    static std::unique_ptr<ExactModel> model_;
    static std::unique_ptr<StrategyTable> best_;
};
std::unique_ptr<ExactModel> SixDecks::model_;
std::unique_ptr<StrategyTable> SixDecks::best_;

TEST_F(SixDecks, BestStrategyIsThePublishedChartAndBeatsBothPresets) {
    //                      up cards 2 3 4 5 6 7 8 9 T A
    const std::pair<int, const char*> chart[] = {
        {404, "XXXXXX...."}, {406, "XXXXXX...."}, {408, "...XX....."}, {410, ".........."},
        {412, "XXXXX....."}, {414, "XXXXXX...."}, {416, "XXXXXXXXXX"}, {418, "XXXXX.XX.."},
        {420, ".........."}, {422, "XXXXXXXXXX"}, {307, ".........."}, {308, ".........."},
        {309, ".XXXX....."}, {310, "XXXXXXXX.."}, {311, "XXXXXXXXX."}, {313, "...XX....."},
        {314, "...XX....."}, {315, "..XXX....."}, {316, "..XXX....."}, {317, ".XXXX....."},
        {318, ".XXXX....."}, {319, ".........."}, {212, "XX...XXXXX"}, {213, ".....XXXXX"},
        {214, ".....XXXXX"}, {215, ".....XXXXX"}, {216, ".....XXXXX"}, {217, "XXXXXXXXXX"},
        {218, ".......XXX"}, {512, ".........."}, {516, ".........."}, {517, ".........."},
    };
    for (const auto& [code, cells] : chart) EXPECT_EQ(Row(code), cells) << "row " << code;
    EXPECT_TRUE(best_->HasAlwaysMark(422));
    EXPECT_TRUE(best_->HasNeverMark(420));
    EXPECT_TRUE(best_->IsOk());

    StrategyTable preset;
    ResetStrategyToDefault(preset);
    const double best = model_->Return(*best_).Net;
    EXPECT_GT(best, model_->Return(preset).Net);
    SetStrategyToAdvanced(preset, false);
    EXPECT_GT(best, model_->Return(preset).Net);
    // About 0.4 % for the house, as the printed tables of this game say.
    EXPECT_NEAR(100 * best, -0.41, 0.02);
}

TEST_F(SixDecks, NoSingleCellOfTheBestDoesBetter) {
    for (int up = 2; up <= 11; ++up) {
        const double best = model_->Column(TableMoves(*best_, up, up), up).Net;
        for (const EditorRow& hc : kEditorRows) {
            StrategyTable changed = *best_;
            changed.SetCell(hc.code, up, !best_->Cell(hc.code, up));
            EXPECT_LE(model_->Column(TableMoves(changed, up, up), up).Net, best)
                << "row " << hc.code << " against " << up;
        }
    }
}

// One deck, doubling on 10 and 11 only, no surrender.
class OneDeckDoublingOn10And11 : public ::testing::Test {
  protected:
    OneDeckDoublingOn10And11() : model_(Rules()), advice_(AdviseExactly(model_)) {}
    static ExactRules Rules() {
        ExactRules rules;
        rules.Shoe = ShoeOfDecks(1);
        rules.DoubleAnyHand = false;
        return rules;
    }
    ExactModel model_;
    ExactAdvice advice_;
};

// The other double rows and the surrender rows are never read: the best leaves them
// clear, and changing them costs nothing.
TEST_F(OneDeckDoublingOn10And11, RowsTheRulesNeverReadStayClearAndCostNothing) {
    const StrategyTable& best = advice_.Best;
    for (int code : {307, 308, 309, 313, 314, 315, 316, 317, 318, 319, 512, 513, 514, 515, 516}) {
        EXPECT_TRUE(best.HasNeverMark(code)) << "row " << code;
        for (int up = 2; up <= 11; ++up) EXPECT_EQ(advice_.FlipCost(code, up), 0.0);
    }
    EXPECT_FALSE(best.HasNeverMark(310));
    EXPECT_TRUE(best.HasAlwaysMark(311));  // one deck: double 11 even against an ace
    EXPECT_GT(advice_.FlipCost(311, 11), 0.0);
}

// One cell changed costs exactly the difference of the two tables' returns; a cell
// the play never reads (surrender on hard 17, a double of 9) is not listed.
TEST_F(OneDeckDoublingOn10And11, CostOfOneDifferingCellIsTheReturnItLoses) {
    StrategyTable table = advice_.Best;
    table.SetCell(216, 10, false);  // stand on 16 against a ten
    table.SetCell(517, 11, true);
    table.SetCell(309, 5, true);
    const std::vector<CellCost> costs = CellCosts(advice_, table);
    ASSERT_EQ(costs.size(), 1u);
    EXPECT_EQ(costs[0].Row, 216);
    EXPECT_EQ(costs[0].Up, 10);
    EXPECT_FALSE(costs[0].TableTakes);
    const double lost = model_.Return(advice_.Best).Net - model_.Return(table).Net;
    EXPECT_GT(lost, 0);
    EXPECT_NEAR(costs[0].CostPercent, 100 * lost, 1e-12);
}

}  // namespace
}  // namespace velmora
