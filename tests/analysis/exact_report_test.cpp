// What velmora-analyze --exact prints: the JSON the issue of the tool names, field by
// field, and the text's grid and cost sentences.

#include <gtest/gtest.h>

#include <string>

#include "analysis/analyze_options.h"
#include "analysis/exact_report.h"
#include "analysis/json_reader.h"
#include "strategy/editor_rows.h"

namespace velmora {
namespace {

ExactRun SomeRun() {
    ExactRun run;
    ApplyDefaultOptions(run.Rules);
    run.Rules.Decks = 6;
    run.TableName = "default";
    ResetStrategyToDefault(run.Analysis.Best);
    run.Analysis.Best.SetCell(308, 4, false);
    run.Analysis.TableReturn = {-0.0056, 1.14};
    run.Analysis.BestReturn = {-0.0041, 1.15};
    run.Analysis.Differences = {{308, 4, true, 0.0239}, {218, 11, false, 0.00047}};
    return run;
}

TEST(ExactReport, JsonHoldsTheRulesBothReturnsTheBestRowsAndTheDifferences) {
    std::string error;
    const auto root = ParseJson(ExactJson(SomeRun()), error);
    ASSERT_TRUE(root) << error;
    EXPECT_EQ(root->Find("rules")->Find("Decks")->Int(), 6);
    EXPECT_NEAR(*root->Find("table")->Find("edge_percent")->Double(), -0.56, 1e-12);
    EXPECT_NEAR(*root->Find("table")->Find("advantage_percent")->Double(), -0.56 / 1.14, 1e-9);
    EXPECT_NEAR(*root->Find("best")->Find("edge_percent")->Double(), -0.41, 1e-12);

    const JsonValue* rows = root->Find("best")->Find("rows");
    ASSERT_EQ(rows->members.size(), kEditorRows.size());
    for (size_t i = 0; i < kEditorRows.size(); ++i)
        EXPECT_EQ(rows->members[i].name, std::to_string(kEditorRows[i].code));
    const JsonValue& hard8 = *rows->Find("308");
    ASSERT_EQ(hard8.items.size(), 2u);  // the default's 4, 5, 6 less 4
    EXPECT_EQ(hard8.items[0].Int(), 5);
    EXPECT_EQ(hard8.items[1].Int(), 6);
    const JsonValue& aces = *rows->Find("422");
    ASSERT_EQ(aces.items.size(), 10u);
    EXPECT_EQ(aces.items[9].Int(), 11);  // the ace is 11
    EXPECT_TRUE(rows->Find("420")->items.empty());

    const JsonValue* differences = root->Find("differences");
    ASSERT_EQ(differences->items.size(), 2u);
    EXPECT_EQ(differences->items[0].Find("row")->Int(), 308);
    EXPECT_EQ(differences->items[0].Find("up")->Int(), 4);
    EXPECT_NEAR(*differences->items[0].Find("cost_percent")->Double(), 0.0239, 1e-12);
    EXPECT_EQ(differences->items[1].Find("up")->Int(), 11);
}

TEST(ExactReport, TextShowsTheGridByCaptionAndWhatEachDifferenceCosts) {
    const std::string text = ExactText(SomeRun());
    EXPECT_NE(text.find("               2  3  4  5  6  7  8  9 10  A\n"), std::string::npos);
    EXPECT_NE(text.find("\n  Hard 8       .  .  .  X  X  .  .  .  .  .\n"), std::string::npos);
    EXPECT_NE(text.find("  table in force (default) -0.5600 %"), std::string::npos);
    EXPECT_NE(text.find("DOUBLE DOWN Hard 8 against 4: the table doubles, the best does not "
                        "double; costs 0.024 %"),
              std::string::npos);
    EXPECT_NE(text.find("HIT Soft 18 against Ace: the table stands, the best hits; costs "
                        "0.00047 %"),
              std::string::npos);
}

TEST(ExactReport, TheFlagAsksForTheExactAnalysis) {
    const ParseResult r = ParseAnalyzeArguments({"--exact", "--decks", "8", "--json"}, 1, 0);
    ASSERT_TRUE(r.Options);
    EXPECT_TRUE(r.Options->Exact);
    EXPECT_TRUE(r.Options->Json);
    EXPECT_EQ(r.Options->Request.Rules.Decks, 8);
}

}  // namespace
}  // namespace velmora
