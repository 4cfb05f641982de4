// Feeds arbitrary text to the reader of the tool's --json files, the shards that
// --merge adds up: it refuses with a reason, or gives statistics that the tool
// writes out and reads back the same.

#include <cstddef>
#include <cstdint>
#include <string>

#include "analysis/analysis_report.h"
#include "analysis/shard_merge.h"
#include "fuzz/fuzz_support.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto shard = ReadShardJson(text, error);
    fuzz::Require(shard.has_value() == error.empty());
    if (!shard) return 0;

    std::string again;
    const auto back = ReadShardJson(
        AnalysisJson(shard->Request, shard->Result, shard->StrategySignature), again);
    fuzz::Require(back.has_value());
    fuzz::Require(back->Result.Stats == shard->Result.Stats);
    fuzz::Require(back->Result.HourBlocks == shard->Result.HourBlocks);
    fuzz::Require(back->Request.Seed == shard->Request.Seed);
    fuzz::Require(back->Request.Rules == shard->Request.Rules);
    return 0;
}
