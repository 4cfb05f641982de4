#include "analysis/shard_merge.h"

#include <algorithm>
#include <set>
#include <type_traits>

#include "analysis/json_reader.h"

namespace velmora {

namespace {

const char* const kStrategyNames[] = {"", "Basic Strategy", "Card Counting", "ZOK Simple Count",
                                      "ZOK Max Strategy"};

// Reads the fields of one file into its place, remembering the first that is missing
// or not of its kind.
struct Reader {
    std::string missing;

    template <typename T>
    void Whole(const JsonValue& o, const char* name, T& out) {
        const JsonValue* v = o.Find(name);
        const auto n = v ? v->Int() : std::nullopt;
        if (!n) return Missing(name);
        out = static_cast<T>(*n);
    }
    void Unsigned(const JsonValue& o, const char* name, uint64_t& out) {
        const JsonValue* v = o.Find(name);
        const auto n = v ? v->UInt() : std::nullopt;
        if (!n) return Missing(name);
        out = *n;
    }
    void Real(const JsonValue& o, const char* name, double& out) {
        const JsonValue* v = o.Find(name);
        const auto n = v ? v->Double() : std::nullopt;
        if (!n) return Missing(name);
        out = *n;
    }
    void Flag(const JsonValue& o, const char* name, bool& out) {
        const JsonValue* v = o.Find(name);
        if (!v || v->kind != JsonValue::Kind::Bool) return Missing(name);
        out = v->boolean;
    }
    template <typename Array>
    void List(const JsonValue& o, const char* name, Array& out) {
        const JsonValue* v = o.Find(name);
        if (!v || v->items.size() != out.size()) return Missing(name);
        using T = typename Array::value_type;
        for (size_t i = 0; i < out.size(); ++i) {
            // Counts as whole numbers: a real of any size cast to one would be undefined.
            std::optional<T> n;
            if constexpr (std::is_integral_v<T>)
                n = v->items[i].Int();
            else
                n = v->items[i].Double();
            if (!n) return Missing(name);
            out[i] = *n;
        }
    }
    void Missing(const char* name) {
        if (missing.empty()) missing = name;
    }
};

}  // namespace

std::optional<ShardFile> ReadShardJson(const std::string& text, std::string& error) {
    const std::optional<JsonValue> root = ParseJson(text, error);
    if (!root) return std::nullopt;
    ShardFile f;
    Reader r;
    const JsonValue* rules = root->Find("rules");
    if (!rules) {
        error = "no rules: not a file of velmora-analyze --json";
        return std::nullopt;
    }
    OptionsRecord& o = f.Request.Rules;
    ApplyDefaultOptions(o);
    r.Whole(*rules, "Decks", o.Decks);
    r.Whole(*rules, "Penetration", o.Penetration);
    r.Whole(*rules, "TableMinimum", o.TableMinimum);
    if (!IsValidDecks(o.Decks) || !IsValidPenetration(o.Penetration) ||
        !IsValidTableMinimum(o.TableMinimum))
        r.Missing("rules");
    r.Flag(*rules, "DealerHitsSoft17", o.DealerHitsSoft17);
    r.Flag(*rules, "SurrenderAllowed", o.SurrenderAllowed);
    r.Flag(*rules, "DoubleAnyHand", o.DoubleAnyHand);
    r.Flag(*rules, "DoubleAfterSplit", o.DoubleAfterSplit);
    r.Flag(*rules, "ResplitAllowed", o.ResplitAllowed);
    r.Flag(*rules, "BetTwoHands", o.BetTwoHands);
    r.Flag(*rules, "SingleStrategyView", o.SingleStrategyView);
    r.Unsigned(*root, "seed", f.Request.Seed);
    r.Whole(*root, "threads", f.Request.Threads);
    r.Unsigned(*root, "strategy_signature", f.StrategySignature);
    r.Unsigned(*root, "run_rounds", f.Request.Rounds);
    uint64_t shard = 0;
    r.Unsigned(*root, "shard", shard);
    r.Unsigned(*root, "shards", f.Request.ShardCount);
    r.Unsigned(*root, "rounds", f.Result.Rounds);
    r.Unsigned(*root, "HourBlocks", f.Result.HourBlocks);
    r.Real(*root, "seconds", f.Result.Seconds);
    if (f.Request.ShardCount < 1 || shard < 1 || shard > f.Request.ShardCount) r.Missing("shard");
    f.Request.ShardIndex = shard - 1;

    const JsonValue* list = root->Find("strategies");
    if (!list) r.Missing("strategies");
    for (const JsonValue& entry : list ? list->items : std::vector<JsonValue>{}) {
        const JsonValue* name = entry.Find("name");
        int i = 1;
        while (i <= 4 && !(name && name->text == kStrategyNames[i])) ++i;
        if (i > 4) {
            r.Missing("name");
            break;
        }
        Statistics& s = f.Result.Stats[static_cast<size_t>(i)];
        r.Whole(entry, "HandsPlayed", s.HandsPlayed);
        r.Real(entry, "TotalStaked", s.TotalStaked);
        r.Real(entry, "TotalNet", s.TotalNet);
        r.Real(entry, "Wins", s.Wins);
        r.Real(entry, "LossUnits", s.LossUnits);
        r.Whole(entry, "Splits", s.Splits);
        r.Whole(entry, "Doubles", s.Doubles);
        r.Whole(entry, "Blackjacks", s.Blackjacks);
        r.Whole(entry, "BankrollsWon", s.BankrollsWon);
        r.Whole(entry, "BankrollsLost", s.BankrollsLost);
        r.Real(entry, "BankrollSwing", s.BankrollSwing);
        r.List(entry, "HourHistogram", s.HourHistogram);
        r.List(entry, "ResultByCount", s.ResultByCount);
        r.List(entry, "StakeByCount", s.StakeByCount);
        r.List(entry, "HandsByCount", s.HandsByCount);
        const JsonValue* m = entry.Find("BlockMoments");
        if (!m) {
            r.Missing("BlockMoments");
            continue;
        }
        r.Whole(*m, "Blocks", s.Blocks.Blocks);
        r.Whole(*m, "NetHalfDollars", s.Blocks.Net);
        r.Whole(*m, "StakeHalfDollars", s.Blocks.Stake);
        r.Whole(*m, "NetSquares", s.Blocks.NetSquares);
        r.Whole(*m, "StakeSquares", s.Blocks.StakeSquares);
        r.Whole(*m, "NetTimesStake", s.Blocks.NetTimesStake);
    }
    if (!r.missing.empty()) {
        error =
            "\"" + r.missing + "\" missing or not readable: not a file of velmora-analyze --json";
        return std::nullopt;
    }
    return f;
}

std::optional<ShardFile> MergeShards(const std::vector<ShardFile>& shards, std::string& error,
                                     uint64_t& missing) {
    if (shards.empty()) {
        error = "no shards to merge";
        return std::nullopt;
    }
    ShardFile sum = shards.front();
    sum.Result = {};
    std::set<uint64_t> seen;
    for (const ShardFile& f : shards) {
        const AnalysisRequest& a = sum.Request;
        const AnalysisRequest& b = f.Request;
        const char* differs = !(a.Rules == b.Rules)                          ? "rules"
                              : f.StrategySignature != sum.StrategySignature ? "playing strategy"
                              : a.Seed != b.Seed                             ? "seed"
                              : a.Rounds != b.Rounds         ? "the rounds of the run"
                              : a.ShardCount != b.ShardCount ? "number of shards"
                                                             : nullptr;
        if (differs) {
            error = std::string("the shards are of different runs: they differ in ") + differs;
            return std::nullopt;
        }
        if (!seen.insert(b.ShardIndex).second) {
            error = "shard " + std::to_string(b.ShardIndex + 1) + " of " +
                    std::to_string(b.ShardCount) + " is given twice";
            return std::nullopt;
        }
        for (size_t i = 1; i < sum.Result.Stats.size(); ++i)
            sum.Result.Stats[i].Add(f.Result.Stats[i]);
        sum.Result.HourBlocks += f.Result.HourBlocks;
        sum.Result.Rounds += f.Result.Rounds;
        sum.Result.Seconds += f.Result.Seconds;
        sum.Request.Threads = std::max(sum.Request.Threads, b.Threads);
    }
    missing = sum.Request.ShardCount - seen.size();
    if (missing == 0) {
        sum.Request.ShardIndex = 0;
        sum.Request.ShardCount = 1;
    }
    return sum;
}

}  // namespace velmora
