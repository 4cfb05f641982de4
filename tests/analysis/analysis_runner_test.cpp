#include "analysis/analysis_runner.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "analysis/analysis_report.h"
#include "analysis/analyze_options.h"

namespace velmora {
namespace {

AnalysisRequest Request(uint64_t rounds, int threads, uint64_t seed) {
    AnalysisRequest r;
    ApplyDefaultOptions(r.Rules);
    ResetStrategyToDefault(r.Strategy);
    r.Rounds = rounds;
    r.Threads = threads;
    r.Seed = seed;
    return r;
}

TEST(AnalysisRunner, TheSameSeedThreadsAndRoundsGiveTheSameResults) {
    const AnalysisResult a = RunAnalysis(Request(20000, 2, 7));
    const AnalysisResult b = RunAnalysis(Request(20000, 2, 7));
    const AnalysisResult c = RunAnalysis(Request(20000, 2, 8));
    EXPECT_EQ(a.Rounds, 20000u);
    EXPECT_EQ(a.HourBlocks, 200u);
    EXPECT_EQ(StatisticsSignature(a), StatisticsSignature(b));
    EXPECT_EQ(a.Stats[1], b.Stats[1]);
    EXPECT_NE(StatisticsSignature(a), StatisticsSignature(c));
}

TEST(AnalysisRunner, ResultsDoNotDependOnTheNumberOfThreads) {
    // 4,500 rounds in chunks of 20 blocks are three chunks, the last one shorter;
    // however they fall to the threads, the sums are taken in chunk order.
    AnalysisRequest q = Request(4500, 1, 5);
    q.ChunkBlocks = 20;
    const AnalysisResult one = RunAnalysis(q);
    q.Threads = 3;
    const AnalysisResult three = RunAnalysis(q);
    EXPECT_EQ(one.HourBlocks, 45u);
    EXPECT_EQ(StatisticsSignature(one), StatisticsSignature(three));
    // The chunks' size is part of what the seed plays: one chunk is other cards.
    q.ChunkBlocks = 0;
    EXPECT_NE(StatisticsSignature(RunAnalysis(q)), StatisticsSignature(one));
    // Left to the runner, a run of 4,500 blocks is three chunks as well.
    EXPECT_EQ(ChunkBlocks(4500), 2000u);
}

// A running analysis restarts for what changes its figures, and only for that; a
// restarted run keeps the bankroll unit it started with.
TEST(AnalysisRunner, OnlyTheRulesOfTheFiguresRestartARun) {
    OptionsRecord base;
    ApplyDefaultOptions(base);
    const std::vector<std::pair<const char*, std::function<void(OptionsRecord&)>>> changes = {
        {"decks", [](OptionsRecord& o) { o.Decks = 6; }},
        {"deal", [](OptionsRecord& o) { o.Penetration = 2; }},
        {"minimum", [](OptionsRecord& o) { o.TableMinimum = 100; }},
        {"surrender", [](OptionsRecord& o) { o.SurrenderAllowed = true; }},
        {"soft 17", [](OptionsRecord& o) { o.DealerHitsSoft17 = true; }},
        {"double any", [](OptionsRecord& o) { o.DoubleAnyHand = false; }},
        {"after split", [](OptionsRecord& o) { o.DoubleAfterSplit = false; }},
        {"resplit", [](OptionsRecord& o) { o.ResplitAllowed = false; }},
        {"two hands", [](OptionsRecord& o) { o.BetTwoHands = false; }},
        {"single view", [](OptionsRecord& o) { o.SingleStrategyView = true; }},
    };
    for (const auto& [name, change] : changes) {
        OptionsRecord o = base;
        change(o);
        EXPECT_FALSE(SameAnalysisRules(base, o)) << name;
    }
    OptionsRecord same = base;
    same.SoundOn = !same.SoundOn;
    same.AdviceOn = !same.AdviceOn;
    same.AlwaysBetMinimum = !same.AlwaysBetMinimum;
    same.ComputerSpeed = 1234;
    same.HideBettingIntro = !same.HideBettingIntro;
    same.ModeName.Assign("Normal");
    EXPECT_TRUE(SameAnalysisRules(base, same));

    AnalysisRequest ownUnit = Request(20000, 1, 7), keptUnit = ownUnit, otherUnit = ownUnit;
    keptUnit.BankrollUnit = 100.0 * ownUnit.Rules.TableMinimum;
    otherUnit.BankrollUnit = 100;
    EXPECT_EQ(StatisticsSignature(RunAnalysis(ownUnit)), StatisticsSignature(RunAnalysis(keptUnit)));
    EXPECT_NE(StatisticsSignature(RunAnalysis(ownUnit)), StatisticsSignature(RunAnalysis(otherUnit)));
}

TEST(AnalysisRunner, RoundsAreRoundedUpToWholeBlocksAndChunksStayFew) {
    const AnalysisResult r = RunAnalysis(Request(150, 3, 1));
    EXPECT_EQ(r.Rounds, 200u);
    EXPECT_EQ(r.HourBlocks, 2u);
    // A run of any length keeps at most 4096 chunk results.
    EXPECT_EQ(ChunkBlocks(10'000'000'000ull), 2441407u);
    EXPECT_NE(ChunkSeed(1, 0), ChunkSeed(1, 1));
    EXPECT_NE(ChunkSeed(1, 0), ChunkSeed(2, 0));
}

TEST(AnalysisRunner, ARunForATimeStopsInTime) {
    AnalysisRequest q = Request(0, 2, 9);
    q.Seconds = 0.3;
    const AnalysisResult r = RunAnalysis(q);
    EXPECT_GT(r.HourBlocks, 0u);
    EXPECT_LT(r.Seconds, 5.0);  // generous: only a stop that never comes fails this
}

TEST(AnalysisRunner, TheStrategiesShareTheCards) {
    const AnalysisResult r = RunAnalysis(Request(50000, 1, 3));
    const Statistics& basic = r.Stats[1];
    const Statistics& counting = r.Stats[2];
    // Strategies 1 and 2 play every hand; only the stakes differ.
    EXPECT_EQ(basic.HandsPlayed, counting.HandsPlayed);
    EXPECT_EQ(basic.Splits, counting.Splits);
    EXPECT_EQ(basic.Doubles, counting.Doubles);
    EXPECT_DOUBLE_EQ(basic.Wins, counting.Wins);
    EXPECT_GT(counting.TotalStaked, basic.TotalStaked);
    // 3 and 4 sit some rounds out.
    EXPECT_LT(r.Stats[4].HandsPlayed, basic.HandsPlayed);
    EXPECT_LT(r.Stats[3].HandsPlayed, basic.HandsPlayed);
    // Every hour adds exactly once to entry 0, 1 or -1 of the histogram.
    int32_t hours = 0;
    for (int k = -9; k <= 9; ++k)
        if (k == 0 || k == 1 || k == -1) hours += basic.HourAt(k);
    EXPECT_EQ(hours, static_cast<int32_t>(r.HourBlocks));
    // Each hand is booked at the count its strategy bets by.
    for (int s = 1; s <= 4; ++s) {
        int64_t byCount = 0;
        for (int64_t n : r.Stats[size_t(s)].HandsByCount) byCount += n;
        EXPECT_EQ(byCount, r.Stats[size_t(s)].HandsPlayed) << s;
    }
    // The ZOK Max Strategy sits out the negative counts.
    for (int c = kMinCountIndex; c < 0; ++c) EXPECT_EQ(r.Stats[4].HandsAt(c), 0) << c;
    EXPECT_GT(basic.HandsAt(-3), 0);
}

TEST(AnalysisRunner, TheSingleStrategyViewStakesAndBooksStrategyFourAlone) {
    // 201 blocks: the single view refreshes its window every 50th block, but the run
    // still ends on the block asked for.
    const ParseResult p = ParseAnalyzeArguments(
        {"--single-strategy", "--rounds", "20100", "--threads", "2", "--seed", "5"}, 2, 1);
    ASSERT_TRUE(p.Options) << p.Error;
    const AnalysisRequest& q = p.Options->Request;
    const AnalysisResult r = RunAnalysis(q);
    EXPECT_EQ(r.HourBlocks, 201u);
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(r.Stats[static_cast<size_t>(s)], Statistics{}) << s;
    const Statistics& max = r.Stats[4];
    EXPECT_GT(max.HandsPlayed, 5000);
    EXPECT_GT(max.TotalStaked, 0);
    // No stakes by count and no hour histogram in this view; results by the
    // conventional count, never a negative one (no stake is placed there).
    for (int c = kMinCountIndex; c <= kMaxCountIndex; ++c) {
        EXPECT_EQ(max.StakeAt(c), 0) << c;
        EXPECT_EQ(max.HourAt(c), 0) << c;
        EXPECT_EQ(max.HandsAt(c), 0) << c;
        if (c < 0) {
            EXPECT_EQ(max.ResultAt(c), 0) << c;
        }
    }
    double byCount = 0;
    for (double v : max.ResultByCount) byCount += v;
    EXPECT_DOUBLE_EQ(byCount, max.TotalNet + max.HourNet);

    // What is printed is what the window shows in that view: the statistics of the
    // fourth strategy alone.
    const std::string text = ResultsText(q, r);
    EXPECT_EQ(text.rfind("STATISTICS, By Betting Strategy\n", 0), 0u) << text;
    EXPECT_NE(text.find("ZOK Max Strategy"), std::string::npos);
    for (const char* absent : {"Basic Strategy", "Card Counting", "ZOK Simple Count", "ODDS",
                               "ADVANTAGE BY CARD COUNT", "Run Time"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
    const std::string json = AnalysisJson(q, r);
    EXPECT_NE(json.find("\"SingleStrategyView\": true"), std::string::npos);
    EXPECT_EQ(json.find("\"Basic Strategy\""), std::string::npos);
    EXPECT_NE(
        json.find("\"ZOK Max Strategy\", \"HandsPlayed\": " + std::to_string(max.HandsPlayed)),
        std::string::npos);
}

TEST(AnalysisJson, CountsPastTwoToTheThirtyOneArePrintedWhole) {
    AnalysisResult r;
    r.HourBlocks = 6'000'000'000;
    r.Rounds = r.HourBlocks * 100;
    r.Stats[1].HandsPlayed = 5'000'000'000;
    r.Stats[2].BankrollsLost = 2'500'000'000;
    r.Stats[4].HourAt(-9) = 4'000'000'000;
    const std::string json = AnalysisJson(Request(r.Rounds, 1, 1), r);
    EXPECT_NE(json.find("\"HourBlocks\": 6000000000,"), std::string::npos) << json;
    EXPECT_NE(json.find("\"rounds\": 600000000000,"), std::string::npos);
    EXPECT_NE(json.find("\"HandsPlayed\": 5000000000,"), std::string::npos);
    EXPECT_NE(json.find("\"BankrollsLost\": 2500000000,"), std::string::npos);
    EXPECT_NE(json.find("\"HourHistogram\": [0, 4000000000, 0,"), std::string::npos);
}

TEST(AnalyzeArguments, BadArgumentsComeBackAsMessages) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--decks", "3"}, "--decks must be 1, 2, 4, 6 or 8"},
        {{"--decks"}, "--decks needs a value"},
        {{"--rounds", "0"}, "--rounds must be from 1 to 1000000000000"},
        {{"--rounds", "12x"}, "--rounds needs a whole number, not \"12x\""},
        {{"--seconds", "-1"}, "--seconds must be a number above 0 and at most 604800"},
        {{"--seconds", "nan"}, "--seconds must be a number above 0 and at most 604800"},
        {{"--threads", "0"}, "--threads must be from 1 to 256"},
        {{"--minimum", "10"}, "--minimum must be 5, 25 or 100"},
        {{"--penetration", "4"}, "--penetration must be 2 (half the shoe) or 3 (three quarters)"},
        {{"--h17=maybe"}, "--h17=maybe: use yes or no"},
        {{"--frobnicate"}, "unknown argument \"--frobnicate\" (see --help)"},
    };
    for (const auto& [args, message] : cases) {
        const ParseResult r = ParseAnalyzeArguments(args, 2, 1);
        EXPECT_FALSE(r.Options.has_value()) << message;
        EXPECT_EQ(r.Error, message);
    }
}

TEST(AnalyzeArguments, RulesAndLengthFromFlags) {
    const ParseResult r = ParseAnalyzeArguments(
        {"--rounds=1000", "--threads", "3", "--seed", "42", "--decks", "6", "--penetration", "2",
         "--minimum", "5", "--h17", "--surrender", "--no-das", "--double-any=no", "--no-two-hands",
         "--single-strategy", "--json"},
        2, 1);
    ASSERT_TRUE(r.Options.has_value()) << r.Error;
    const AnalyzeOptions& o = *r.Options;
    EXPECT_EQ(o.Request.Rounds, 1000u);
    EXPECT_EQ(o.Request.Threads, 3);
    EXPECT_EQ(o.Request.Seed, 42u);
    EXPECT_EQ(o.Request.Rules.Decks, 6);
    EXPECT_EQ(o.Request.Rules.Penetration, 2);
    EXPECT_EQ(o.Request.Rules.TableMinimum, 5);
    EXPECT_TRUE(o.Request.Rules.DealerHitsSoft17);
    EXPECT_TRUE(o.Request.Rules.SurrenderAllowed);
    EXPECT_FALSE(o.Request.Rules.DoubleAfterSplit);
    EXPECT_FALSE(o.Request.Rules.DoubleAnyHand);
    EXPECT_FALSE(o.Request.Rules.BetTwoHands);
    EXPECT_TRUE(o.Request.Rules.ResplitAllowed);
    EXPECT_TRUE(o.Request.Rules.SingleStrategyView);
    EXPECT_TRUE(o.Json);

    const ParseResult d = ParseAnalyzeArguments({}, 4, 99);
    ASSERT_TRUE(d.Options.has_value());
    EXPECT_EQ(d.Options->Request.Threads, 4);
    EXPECT_EQ(d.Options->Request.Seed, 99u);
    EXPECT_EQ(d.Options->Request.Rounds, 0u);
    EXPECT_DOUBLE_EQ(d.Options->Request.Seconds, 5);
    EXPECT_EQ(d.Options->Request.Rules.Decks, 2);
}

}  // namespace
}  // namespace velmora
