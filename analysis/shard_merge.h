#pragma once
// Runs split across machines: each machine plays one shard of the run's chunks
// (velmora-analyze --shard K/N --json) and the shards' files are added up here. The
// sums are whole numbers of half dollars or counts, so the merged statistics are the
// whole run's to the last digit.

#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_runner.h"

namespace velmora {

struct ShardFile {
    AnalysisRequest Request;  // rules, seed, run length (Rounds), shard; no strategy table
    AnalysisResult Result;
    uint64_t StrategySignature = 0;
};

// A file written by --json, or nothing with `error` saying what is wrong.
std::optional<ShardFile> ReadShardJson(const std::string& text, std::string& error);

// The sum of shards of one run. Refused (nothing, `error` set) when they differ in
// rules, strategy, seed, run length or shard count, or a shard comes twice. Shards
// missing are allowed (the sum is then of those given); `missing` counts them.
std::optional<ShardFile> MergeShards(const std::vector<ShardFile>& shards, std::string& error,
                                     uint64_t& missing);

}  // namespace velmora
