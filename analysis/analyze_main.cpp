// velmora-analyze: the Betting and Rules Analysis without a window.

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "analysis/analysis_export.h"
#include "analysis/analysis_report.h"
#include "analysis/analysis_runner.h"
#include "analysis/analyze_options.h"
#include "analysis/exact_report.h"
#include "analysis/shard_merge.h"
#include "engine/game.h"
#include "engine/headless_host.h"
#include "exact/exact_analysis.h"
#include "exact/exact_model.h"
#include "io/atomic_file.h"
#include "io/options_file.h"

using namespace velmora;

namespace {

uint64_t ClockSeed() {
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

void PrintProgress(uint64_t rounds, double seconds, const AnalysisRequest& q) {
    if (seconds < 1.0) return;
    const double rate = rounds / seconds;
    double left = 0;
    if (q.Rounds > 0 && rate > 0)
        left = (static_cast<double>(q.Rounds) - static_cast<double>(rounds)) / rate;
    else if (q.Rounds == 0)
        left = q.Seconds - seconds;
    std::fprintf(stderr, "\r%llu rounds, %.2f million rounds/s, %.0f s left   ",
                 static_cast<unsigned long long>(rounds), rate / 1e6, left < 0 ? 0 : left);
    std::fflush(stderr);
}

// The rules and strategy of an options file. A file that cannot be read whole is
// an error; one of another version gives the defaults, as at the program's start.
std::optional<std::string> LoadOptionsFile(const std::string& path, OptionsRecord& rules,
                                           StrategyTable& strategy, bool& foreign) {
    const FilePrefix file = ReadFilePrefix(path, kOptionsRecordSize);
    switch (file.status) {
        case FilePrefix::Status::Complete:
            break;
        case FilePrefix::Status::Short:
            return path + " is not an options file: it holds " + std::to_string(file.bytes.size()) +
                   " of " + std::to_string(kOptionsRecordSize) + " bytes";
        default:
            return path + ": " + file.error;
    }
    HeadlessHost host;
    Game game(host);
    foreign = !ApplyOptionsFile(game, file.bytes);
    rules = game.Options;
    strategy = game.Strategy;
    return std::nullopt;
}

int RunBench() {
    const AnalysisRequest q = BenchRequest();
    const AnalysisResult r = RunAnalysis(q);
    std::printf("bench: %s\n", RulesLine(q.Rules, false).c_str());
    std::printf("rounds: %llu in %.3f s, 1 thread\n", static_cast<unsigned long long>(r.Rounds),
                r.Seconds);
    std::printf("rounds per second of processor time: %.0f\n", r.RoundsPerCpuSecond());
    std::printf("rounds per second: %.0f\n", r.RoundsPerSecond());
    std::printf("signature: %016llx\n", static_cast<unsigned long long>(StatisticsSignature(r)));
    return 0;
}

// --merge: the shards' files added up, printed in the format asked for.
int RunMerge(const AnalyzeOptions& o) {
    std::vector<ShardFile> shards;
    for (const std::string& path : o.MergeFiles) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        std::string error;
        auto shard = in ? ReadShardJson(text.str(), error) : std::nullopt;
        if (!in) error = "cannot be read";
        if (!shard) {
            std::fprintf(stderr, "velmora-analyze: %s: %s\n", path.c_str(), error.c_str());
            return 2;
        }
        shards.push_back(std::move(*shard));
    }
    std::string error;
    uint64_t missing = 0;
    const auto sum = MergeShards(shards, error, missing);
    if (!sum) {
        std::fprintf(stderr, "velmora-analyze: %s\n", error.c_str());
        return 2;
    }
    const AnalysisRequest& q = sum->Request;
    const AnalysisResult& r = sum->Result;
    if (missing > 0)
        std::fprintf(stderr, "velmora-analyze: %llu of %llu shards missing: the sum is of %zu\n",
                     static_cast<unsigned long long>(missing),
                     static_cast<unsigned long long>(q.ShardCount), shards.size());
    if (o.Json) {
        std::fputs(AnalysisJson(q, r, sum->StrategySignature).c_str(), stdout);
    } else if (o.Csv) {
        std::fputs(AnalysisCsv(q, r).c_str(), stdout);
    } else {
        std::printf("%s\n", RulesLine(q.Rules, false).c_str());
        std::printf("%llu rounds merged from %zu shards, seed %llu\n\n",
                    static_cast<unsigned long long>(r.Rounds), shards.size(),
                    static_cast<unsigned long long>(q.Seed));
        std::fputs(ResultsText(q, r).c_str(), stdout);
    }
    return 0;
}

// --exact: the exact analysis of the rules and the table in force, on this thread.
int RunExact(const AnalyzeOptions& o, const std::string& tableName) {
    using Clock = std::chrono::steady_clock;
    auto seconds = [](Clock::time_point from) {
        return std::chrono::duration<double>(Clock::now() - from).count();
    };
    const std::clock_t cpu = std::clock();
    const Clock::time_point start = Clock::now();
    ExactRun run;
    run.Rules = o.Request.Rules;
    run.TableName = tableName;
    const ExactModel model(ExactRulesOf(run.Rules));
    run.ModelSeconds = seconds(start);
    Clock::time_point step = Clock::now();
    const ExactAdvice advice = AdviseExactly(model);
    run.BestSeconds = seconds(step);
    step = Clock::now();
    run.Analysis = AnalyseTable(model, advice, o.Request.Strategy);
    run.ReturnSeconds = seconds(step);
    run.Seconds = seconds(start);
    run.CpuSeconds = static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
    std::fputs((o.Json ? ExactJson(run) : ExactText(run)).c_str(), stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    ParseResult parsed = ParseAnalyzeArguments(args, cores, ClockSeed());
    if (!parsed.Options) {
        std::fprintf(stderr, "velmora-analyze: %s\n", parsed.Error.c_str());
        return 2;
    }
    if (!parsed.Options->OptionsFile.empty()) {
        OptionsRecord rules;
        StrategyTable strategy;
        bool foreign = false;
        if (auto error = LoadOptionsFile(parsed.Options->OptionsFile, rules, strategy, foreign)) {
            std::fprintf(stderr, "velmora-analyze: %s\n", error->c_str());
            return 2;
        }
        if (foreign)
            std::fprintf(stderr, "velmora-analyze: %s is of another version: default rules\n",
                         parsed.Options->OptionsFile.c_str());
        // The file's rules are the base; flags on the command line change them.
        parsed = ParseAnalyzeArguments(args, cores, ClockSeed(), &rules);
        parsed.Options->Request.Strategy = strategy;
    } else if (parsed.Options && !parsed.Options->Help && !parsed.Options->Bench) {
        ResetStrategyToDefault(parsed.Options->Request.Strategy);
    }
    AnalyzeOptions& o = *parsed.Options;
    if (o.Help) {
        std::fputs(AnalyzeUsage(), stdout);
        return 0;
    }
    if (o.Bench) return RunBench();
    if (o.Merge) return RunMerge(o);

    AnalysisRequest& q = o.Request;
    if (o.Advanced) SetStrategyToAdvanced(q.Strategy, q.Rules.SurrenderAllowed);
    if (o.Exact) {
        const std::string table = o.Advanced               ? "advanced"
                                  : !o.OptionsFile.empty() ? o.OptionsFile
                                                           : "default";
        return RunExact(o, table);
    }

    bool printedProgress = false;
    const AnalysisResult r = RunAnalysis(q, [&](uint64_t rounds, double seconds) {
        PrintProgress(rounds, seconds, q);
        printedProgress = printedProgress || seconds >= 1.0;
    });
    if (printedProgress) std::fputs("\n", stderr);

    if (o.Json) {
        std::fputs(AnalysisJson(q, r).c_str(), stdout);
        return 0;
    }
    if (o.Csv) {
        std::fputs(AnalysisCsv(q, r).c_str(), stdout);
        return 0;
    }
    std::printf("%s\n", RulesLine(q.Rules, o.Advanced).c_str());
    std::printf("%llu rounds in %.2f s on %d thread%s (%.2f million rounds/s), seed %llu\n\n",
                static_cast<unsigned long long>(r.Rounds), r.Seconds, q.Threads,
                q.Threads == 1 ? "" : "s", r.RoundsPerSecond() / 1e6,
                static_cast<unsigned long long>(q.Seed));
    std::fputs(ResultsText(q, r).c_str(), stdout);
    return 0;
}
