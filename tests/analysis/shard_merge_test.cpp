// Runs split into shards and merged: the sum equals the whole run to the last digit,
// the files read back exactly, and shards of different runs are refused.

#include "analysis/shard_merge.h"

#include <gtest/gtest.h>

#include "analysis/analysis_report.h"
#include "analysis/analyze_options.h"

namespace velmora {
namespace {

AnalysisRequest ShardRun(uint64_t shard, uint64_t shards, uint64_t seed = 31) {
    AnalysisRequest r;
    ApplyDefaultOptions(r.Rules);
    ResetStrategyToDefault(r.Strategy);
    // 65 blocks in chunks of 10: seven chunks, the last a short one. Small chunks
    // keep the shards quick; the path through chunks and shards is the tool's own.
    r.Rounds = 6'500;
    r.ChunkBlocks = 10;
    r.Threads = 2;
    r.Seed = seed;
    r.ShardIndex = shard;
    r.ShardCount = shards;
    return r;
}

ShardFile Written(const AnalysisRequest& q) {
    std::string error;
    auto f = ReadShardJson(AnalysisJson(q, RunAnalysis(q)), error);
    EXPECT_TRUE(f) << error;
    return f.value_or(ShardFile{});
}

// The JSON without the lines of time and threads, which a merge cannot reproduce.
std::string WithoutTiming(const std::string& json) {
    std::string out, line;
    for (char c : json) {
        line += c;
        if (c != '\n') continue;
        if (line.find("\"seconds\"") == std::string::npos &&
            line.find("\"rounds_per_second\"") == std::string::npos &&
            line.find("\"threads\"") == std::string::npos)
            out += line;
        line.clear();
    }
    return out;
}

TEST(ShardMerge, TheShardsOfARunMergedEqualTheWholeRunToTheLastDigit) {
    const AnalysisRequest whole = ShardRun(0, 1);
    const AnalysisResult all = RunAnalysis(whole);
    std::vector<ShardFile> shards;
    for (uint64_t k : {2u, 0u, 1u}) shards.push_back(Written(ShardRun(k, 3)));
    // Shard 3 of 3 holds chunks 2 and 5; shard 1 holds chunks 0, 3 and the short 6.
    EXPECT_EQ(shards[0].Result.HourBlocks, 20u);
    EXPECT_EQ(shards[1].Result.HourBlocks, 10u + 10u + 5u);

    std::string error;
    uint64_t missing = 9;
    const auto sum = MergeShards(shards, error, missing);
    ASSERT_TRUE(sum) << error;
    EXPECT_EQ(missing, 0u);
    EXPECT_EQ(sum->Result.HourBlocks, all.HourBlocks);
    EXPECT_EQ(sum->Result.Rounds, all.Rounds);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(sum->Result.Stats[size_t(s)], all.Stats[size_t(s)]) << s;
    EXPECT_EQ(StatisticsSignature(sum->Result), StatisticsSignature(all));
    EXPECT_EQ(WithoutTiming(AnalysisJson(sum->Request, sum->Result, sum->StrategySignature)),
              WithoutTiming(AnalysisJson(whole, all)));
    // The text from the line after the run time (which shows the shards' time summed).
    const std::string merged = ResultsText(sum->Request, sum->Result);
    const std::string one = ResultsText(whole, all);
    EXPECT_EQ(merged.substr(merged.find(" Total Hands")), one.substr(one.find(" Total Hands")));
}

TEST(ShardMerge, ShardsOfDifferentRunsOrGivenTwiceAreRefused) {
    const ShardFile one = Written(ShardRun(0, 2)), two = Written(ShardRun(1, 2));
    std::string error;
    uint64_t missing = 0;
    EXPECT_FALSE(MergeShards({one, one}, error, missing));
    EXPECT_NE(error.find("given twice"), std::string::npos) << error;

    ShardFile otherSeed = two;
    otherSeed.Request.Seed += 1;
    ShardFile otherRules = two;
    otherRules.Request.Rules.Decks = 6;
    ShardFile otherCount = two;
    otherCount.Request.ShardCount = 3;
    ShardFile otherStrategy = two;
    otherStrategy.StrategySignature ^= 1;
    for (const auto& [bad, word] : {std::pair{otherSeed, "seed"},
                                    {otherRules, "rules"},
                                    {otherCount, "shards"},
                                    {otherStrategy, "strategy"}}) {
        EXPECT_FALSE(MergeShards({one, bad}, error, missing)) << word;
        EXPECT_NE(error.find(word), std::string::npos) << error;
    }
    // A shard missing is merged with a count of what is missing.
    const auto half = MergeShards({two}, error, missing);
    ASSERT_TRUE(half);
    EXPECT_EQ(missing, 1u);
    EXPECT_EQ(half->Result.HourBlocks, two.Result.HourBlocks);
}

TEST(ShardMerge, FilesThatAreNotTheToolsAreRefusedWithAReason) {
    std::string error;
    for (const char* text : {"", "{", "[1, 2]", "{\"rules\": {}}", "{\"a\": tru}",
                             "{\"rules\": {\"Decks\": 2}} trailing"}) {
        error.clear();
        EXPECT_FALSE(ReadShardJson(text, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
    std::string json = AnalysisJson(ShardRun(0, 1), RunAnalysis(ShardRun(0, 1)));
    json.replace(json.find("\"HandsPlayed\": "), 15, "\"HandsPlayed\": \"x\", \"Other\": ");
    EXPECT_FALSE(ReadShardJson(json, error));
    EXPECT_NE(error.find("HandsPlayed"), std::string::npos) << error;
    // Counts too large for their kind or not whole, or rules the game does not have:
    // the first value after the name is replaced.
    const std::string good = AnalysisJson(ShardRun(0, 1), RunAnalysis(ShardRun(0, 1)));
    const std::pair<std::string, std::string> broken[] = {
        {"\"HourHistogram\": [", "1e300"},
        {"\"HandsByCount\": [", "2.5"},
        {"\"Decks\": ", "3"},
    };
    for (const auto& [field, value] : broken) {
        std::string text = good;
        const size_t at = text.find(field);
        ASSERT_NE(at, std::string::npos) << field;
        const size_t first = at + field.size();
        text.replace(first, text.find(',', first) - first, value);
        error.clear();
        EXPECT_FALSE(ReadShardJson(text, error)) << field << value;
        EXPECT_FALSE(error.empty()) << field << value;
    }
}

TEST(ShardMerge, ShardAndMergeArguments) {
    auto parse = [](std::vector<std::string> args) { return ParseAnalyzeArguments(args, 2, 1); };
    const ParseResult ok = parse({"--rounds", "1000", "--shard", "2/5", "--json"});
    ASSERT_TRUE(ok.Options) << ok.Error;
    EXPECT_EQ(ok.Options->Request.ShardIndex, 1u);
    EXPECT_EQ(ok.Options->Request.ShardCount, 5u);
    for (const char* bad : {"0/5", "6/5", "2", "a/b", "1/0", "2/"})
        EXPECT_FALSE(parse({"--rounds", "1000", "--shard", bad}).Options) << bad;
    EXPECT_FALSE(parse({"--shard", "1/2"}).Options);  // a run for a time
    const ParseResult merge = parse({"--merge", "a.json", "b.json", "--csv"});
    ASSERT_TRUE(merge.Options) << merge.Error;
    EXPECT_EQ(merge.Options->MergeFiles, (std::vector<std::string>{"a.json", "b.json"}));
    EXPECT_TRUE(merge.Options->Csv);
    EXPECT_FALSE(parse({"--merge"}).Options);
}

}  // namespace
}  // namespace velmora
