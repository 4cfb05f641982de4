#include "analysis/analyze_options.h"

#include <charconv>
#include <cmath>

namespace velmora {

namespace {

constexpr uint64_t kMaxRounds = 1'000'000'000'000ull;
constexpr double kMaxSeconds = 7 * 24 * 3600.0;
constexpr int kMaxThreads = 256;
constexpr uint64_t kMaxShards = 100000;
constexpr uint64_t kBenchRounds = 30'000'000;
constexpr uint64_t kBenchSeed = 20261207;

template <typename T>
std::optional<T> ParseNumber(const std::string& text) {
    T value{};
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

std::optional<bool> ParseYesNo(const std::string& text) {
    if (text == "yes" || text == "on" || text == "1" || text == "true") return true;
    if (text == "no" || text == "off" || text == "0" || text == "false") return false;
    return std::nullopt;
}

struct Parser {
    const std::vector<std::string>& args;
    size_t i = 0;
    std::string error;

    // The value of "--name=value" or of the next argument.
    std::optional<std::string> Value(const std::string& arg, const std::string& name) {
        const size_t eq = arg.find('=');
        if (eq != std::string::npos) return arg.substr(eq + 1);
        if (i + 1 >= args.size()) {
            error = name + " needs a value";
            return std::nullopt;
        }
        return args[++i];
    }
};

bool Fail(ParseResult& result, std::string message) {
    result.Options.reset();
    result.Error = std::move(message);
    return false;
}

}  // namespace

AnalysisRequest BenchRequest() {
    AnalysisRequest r;
    ApplyDefaultOptions(r.Rules);
    r.Rules.Decks = 2;
    r.Rules.Penetration = 3;
    r.Rules.TableMinimum = 25;
    r.Rules.DealerHitsSoft17 = false;
    r.Rules.DoubleAnyHand = true;
    r.Rules.DoubleAfterSplit = true;
    r.Rules.ResplitAllowed = true;
    r.Rules.SurrenderAllowed = false;
    r.Rules.BetTwoHands = false;
    ResetStrategyToDefault(r.Strategy);
    r.Rounds = kBenchRounds;
    r.Threads = 1;
    r.Seed = kBenchSeed;
    return r;
}

const char* AnalyzeUsage() {
    return "Usage: velmora-analyze [options]\n"
           "Plays the Betting and Rules Analysis without a window and prints its results.\n"
           "\n"
           "Length and machine:\n"
           "  --rounds N          rounds to play (whole blocks of 100)\n"
           "  --seconds S         play for S seconds instead (default 5)\n"
           "  --threads T         independent games summed (default: every core)\n"
           "  --seed X            same seed, threads and rounds give the same results\n"
           "  --shard K/N         play only shard K of N of the run (with --rounds, --seed and\n"
           "                      --json); the shards' files merged give the whole run\n"
           "  --merge FILE...     add up the --json files of the shards of one run and print\n"
           "                      them in any format\n"
           "Rules (default: a fresh options file):\n"
           "  --decks 1|2|4|6|8   --penetration 2|3 (quarters dealt)  --minimum 5|25|100\n"
           "  --h17 --surrender --double-any --das --resplit --two-hands (each also --no-...)\n"
           "  --advanced          the advanced playing strategy instead of the default\n"
           "  --options FILE      rules and strategy from an options file (VLM.PRM)\n"
           "  --single-strategy   measure betting strategy 4 alone\n"
           "Output:\n"
           "  --json              every statistic by name, as JSON\n"
           "  --csv               the same as a table for a spreadsheet, a line per strategy\n"
           "  --bench             a fixed workload: rounds per second and a result signature\n"
           "  --exact             no simulation: the exact expected return of the strategy\n"
           "                      table and of the best strategy for the rules, the best\n"
           "                      strategy as the editor's grid and what each cell in which\n"
           "                      the table differs costs (one hand, fresh shoe; --json too)\n";
}

ParseResult ParseAnalyzeArguments(const std::vector<std::string>& args, int defaultThreads,
                                  uint64_t clockSeed, const OptionsRecord* base) {
    ParseResult result;
    AnalyzeOptions o;
    if (base)
        o.Request.Rules = *base;
    else
        ApplyDefaultOptions(o.Request.Rules);
    o.Request.Rules.SingleStrategyView = false;
    o.Request.Seconds = 5;
    o.Request.Threads = defaultThreads < 1 ? 1 : defaultThreads;
    o.Request.Seed = clockSeed;
    result.Options = o;
    AnalyzeOptions& opt = *result.Options;
    OptionsRecord& rules = opt.Request.Rules;

    struct Flag {
        const char* name;
        bool OptionsRecord::*field;
    };
    const Flag flags[] = {{"h17", &OptionsRecord::DealerHitsSoft17},
                          {"surrender", &OptionsRecord::SurrenderAllowed},
                          {"double-any", &OptionsRecord::DoubleAnyHand},
                          {"das", &OptionsRecord::DoubleAfterSplit},
                          {"resplit", &OptionsRecord::ResplitAllowed},
                          {"two-hands", &OptionsRecord::BetTwoHands}};

    Parser p{args, 0, {}};
    for (; p.i < args.size(); ++p.i) {
        const std::string& arg = args[p.i];
        const std::string name = arg.substr(0, arg.find('='));
        bool handled = false;
        for (const Flag& f : flags) {
            const std::string on = std::string("--") + f.name, off = std::string("--no-") + f.name;
            if (name == off && name == arg) {
                rules.*f.field = false;
                handled = true;
            } else if (name == on) {
                bool value = true;
                if (arg != on) {
                    auto yes = ParseYesNo(arg.substr(on.size() + 1));
                    if (!yes) return Fail(result, arg + ": use yes or no"), result;
                    value = *yes;
                }
                rules.*f.field = value;
                handled = true;
            }
        }
        if (handled) continue;
        if (opt.Merge && !arg.empty() && arg[0] != '-') {
            opt.MergeFiles.push_back(arg);
            continue;
        }
        if (name == "--help" || name == "-h") {
            opt.Help = true;
        } else if (name == "--json") {
            opt.Json = true;
        } else if (name == "--csv") {
            opt.Csv = true;
        } else if (name == "--merge") {
            opt.Merge = true;
        } else if (name == "--shard") {
            auto value = p.Value(arg, name);
            if (!value) return Fail(result, p.error), result;
            const size_t slash = value->find('/');
            auto k = ParseNumber<uint64_t>(value->substr(0, slash));
            auto n = slash == std::string::npos ? std::nullopt
                                                : ParseNumber<uint64_t>(value->substr(slash + 1));
            if (!k || !n || *n < 1 || *n > kMaxShards || *k < 1 || *k > *n)
                return Fail(result,
                            "--shard needs K/N with 1 <= K <= N <= 100000, not \"" + *value + "\""),
                       result;
            opt.Request.ShardIndex = *k - 1;
            opt.Request.ShardCount = *n;
        } else if (name == "--bench") {
            opt.Bench = true;
        } else if (name == "--exact") {
            opt.Exact = true;
        } else if (name == "--advanced") {
            opt.Advanced = true;
        } else if (name == "--single-strategy") {
            rules.SingleStrategyView = true;
        } else if (name == "--rounds" || name == "--seconds" || name == "--threads" ||
                   name == "--seed" || name == "--decks" || name == "--penetration" ||
                   name == "--minimum" || name == "--options") {
            auto value = p.Value(arg, name);
            if (!value) return Fail(result, p.error), result;
            if (name == "--options") {
                opt.OptionsFile = *value;
                continue;
            }
            if (name == "--seconds") {
                auto s = ParseNumber<double>(*value);
                if (!s || !std::isfinite(*s) || *s <= 0 || *s > kMaxSeconds)
                    return Fail(result, "--seconds must be a number above 0 and at most 604800"),
                           result;
                opt.Request.Seconds = *s;
                opt.Request.Rounds = 0;
                continue;
            }
            auto n = ParseNumber<uint64_t>(*value);
            if (!n)
                return Fail(result, name + " needs a whole number, not \"" + *value + "\""), result;
            if (name == "--rounds") {
                if (*n < 1 || *n > kMaxRounds)
                    return Fail(result, "--rounds must be from 1 to 1000000000000"), result;
                opt.Request.Rounds = *n;
            } else if (name == "--threads") {
                if (*n < 1 || *n > kMaxThreads)
                    return Fail(result, "--threads must be from 1 to 256"), result;
                opt.Request.Threads = static_cast<int>(*n);
            } else if (name == "--seed") {
                opt.Request.Seed = *n;
                opt.SeedGiven = true;
            } else if (name == "--decks") {
                if (*n > 8 || !IsValidDecks(static_cast<int>(*n)))
                    return Fail(result, "--decks must be 1, 2, 4, 6 or 8"), result;
                rules.Decks = static_cast<uint16_t>(*n);
            } else if (name == "--penetration") {
                if (*n > 3 || !IsValidPenetration(static_cast<int>(*n)))
                    return Fail(result,
                                "--penetration must be 2 (half the shoe) or 3 (three quarters)"),
                           result;
                rules.Penetration = static_cast<uint16_t>(*n);
            } else {
                if (*n > 100 || !IsValidTableMinimum(static_cast<int>(*n)))
                    return Fail(result, "--minimum must be 5, 25 or 100"), result;
                rules.TableMinimum = static_cast<uint16_t>(*n);
            }
        } else {
            return Fail(result, "unknown argument \"" + arg + "\" (see --help)"), result;
        }
    }
    if (opt.Merge && opt.MergeFiles.empty())
        return Fail(result, "--merge needs the files of the shards"), result;
    if (opt.Request.ShardCount > 1 && opt.Request.Rounds == 0)
        return Fail(result, "--shard needs --rounds: a run for a time cannot be split"), result;
    return result;
}

}  // namespace velmora
