// Writes well-formed options files, saved games and a shard of the tool into
// <folder>/options_loader_fuzz, <folder>/saved_game_loader_fuzz and
// <folder>/shard_json_fuzz, the starting corpora of the fuzzers.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <span>
#include <string>

#include "analysis/analysis_report.h"
#include "analysis/analysis_runner.h"
#include "fuzz/fuzz_support.h"
#include "io/options_file.h"
#include "io/saved_game_file.h"

using namespace velmora;

namespace {

void Write(const std::filesystem::path& file, std::span<const uint8_t> bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A game that has been played for a while, with the advanced strategy.
void Play(Game& game) {
    game.Options.Decks = 6;
    game.Options.SurrenderAllowed = true;
    game.Options.ModeName.Assign("Simulation");
    game.Options.ModeName.Assign("Normal");
    game.Options.VersionTag.Assign(kVersionTag);
    SetStrategyToAdvanced(game.Strategy, true);
    game.Options.StrategyCopy = game.Strategy;
    for (int i = 1; i <= kStrategyCount; ++i) {
        Statistics& s = game.StatsOf(i);
        for (int c = kMinCountIndex; c <= kMaxCountIndex; ++c) {
            s.ResultAt(c) = -250.5 * c + i;
            s.StakeAt(c) = 10000 + 25.0 * i;
            s.HourAt(c) = c;
        }
        s.TotalNet = -1234.5;
        s.HandsPlayed = 100000;
    }
    game.PlayHours = 3;
    game.PlayMinutes = 25;
    game.PlaySeconds = 9;
    game.HourBlocks = 1000;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velmora_fuzz_seeds <folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const auto options = folder / "options_loader_fuzz";
    const auto games = folder / "saved_game_loader_fuzz";
    std::filesystem::create_directories(options);
    std::filesystem::create_directories(games);

    fuzz::NullHost host;
    Game fresh(host);
    ApplyOptionsFile(fresh, {});
    fresh.Options.VersionTag.Assign(kVersionTag);
    fresh.Options.StrategyCopy = fresh.Strategy;
    Write(options / "defaults.prm", EncodeOptions(fresh.Options));
    Write(games / "fresh.vlm", EncodeSavedGame(BuildSavedGame(fresh)));

    Game played(host);
    Play(played);
    Write(options / "played.prm", EncodeOptions(played.Options));
    Write(games / "played.vlm", EncodeSavedGame(BuildSavedGame(played)));

    // A shard as the tool writes it: a short run of the default rules.
    const auto shards = folder / "shard_json_fuzz";
    std::filesystem::create_directories(shards);
    AnalysisRequest run;
    ApplyDefaultOptions(run.Rules);
    ResetStrategyToDefault(run.Strategy);
    run.Rounds = 300;
    run.Seed = 3;
    run.ShardIndex = 1;
    run.ShardCount = 2;
    run.ChunkBlocks = 1;
    const std::string json = AnalysisJson(run, RunAnalysis(run));
    Write(shards / "shard.json", std::span(reinterpret_cast<const uint8_t*>(json.data()), json.size()));
    return 0;
}
