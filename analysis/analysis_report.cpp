#include "analysis/analysis_report.h"

#include <cstring>
#include <iomanip>
#include <sstream>
#include <type_traits>

#include "analysis/grid_text.h"
#include "engine/game.h"
#include "engine/headless_host.h"

namespace velmora {

namespace {

class Fnv1a {
  public:
    template <typename T>
    void Add(const T& value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char b : bytes) hash_ = (hash_ ^ b) * 0x100000001b3ull;
    }
    uint64_t Value() const { return hash_; }

  private:
    uint64_t hash_ = 0xcbf29ce484222325ull;
};

const char* const kStrategyNames[] = {"", "Basic Strategy", "Card Counting", "ZOK Simple Count",
                                      "ZOK Max Strategy"};

template <typename Array>
void JsonArray(std::ostream& out, const Array& values) {
    out << '[';
    for (size_t i = 0; i < values.size(); ++i) out << (i ? ", " : "") << values[i];
    out << ']';
}

const char* YesNo(bool b) {
    return b ? "true" : "false";
}

}  // namespace

uint64_t StatisticsSignature(const AnalysisResult& r) {
    Fnv1a h;
    h.Add(r.HourBlocks);
    for (int i = 1; i <= 4; ++i) {
        const Statistics& s = r.Stats[static_cast<size_t>(i)];
        for (double v : s.ResultByCount) h.Add(v);
        for (double v : s.StakeByCount) h.Add(v);
        for (int64_t v : s.HourHistogram) h.Add(v);
        for (int64_t v : s.HandsByCount) h.Add(v);
        for (double v :
             {s.HourNet, s.TotalNet, s.TotalStaked, s.BankrollSwing, s.Wins, s.LossUnits})
            h.Add(v);
        for (int64_t v :
             {s.BankrollsLost, s.BankrollsWon, s.HandsPlayed, s.Splits, s.Doubles, s.Blackjacks})
            h.Add(v);
    }
    return h.Value();
}

uint64_t StrategySignature(const StrategyTable& table) {
    static_assert(std::is_trivially_copyable_v<StrategyTable>);
    Fnv1a h;
    h.Add(table);
    return h.Value();
}

std::string RulesLine(const OptionsRecord& o, bool advanced) {
    std::ostringstream out;
    out << o.Decks << (o.Decks == 1 ? " deck, " : " decks, ") << o.Penetration << "/4 dealt, $"
        << o.TableMinimum << " table, " << (o.DealerHitsSoft17 ? "H17" : "S17") << ", "
        << (o.DoubleAnyHand ? "double any hand" : "double on 10 and 11") << ", "
        << (o.DoubleAfterSplit ? "DAS" : "no DAS") << ", "
        << (o.ResplitAllowed ? "re-split" : "no re-split") << ", "
        << (o.SurrenderAllowed ? "surrender" : "no surrender") << ", "
        << (o.BetTwoHands ? "two hands" : "one hand") << ", " << (advanced ? "advanced" : "default")
        << " strategy" << (o.SingleStrategyView ? ", single-strategy view" : "");
    return out.str();
}

std::string RulesJson(const OptionsRecord& o) {
    std::ostringstream out;
    out << "{\"Decks\": " << o.Decks << ", \"Penetration\": " << o.Penetration
        << ", \"TableMinimum\": " << o.TableMinimum
        << ", \"DealerHitsSoft17\": " << YesNo(o.DealerHitsSoft17)
        << ", \"SurrenderAllowed\": " << YesNo(o.SurrenderAllowed)
        << ", \"DoubleAnyHand\": " << YesNo(o.DoubleAnyHand)
        << ", \"DoubleAfterSplit\": " << YesNo(o.DoubleAfterSplit)
        << ", \"ResplitAllowed\": " << YesNo(o.ResplitAllowed)
        << ", \"BetTwoHands\": " << YesNo(o.BetTwoHands)
        << ", \"SingleStrategyView\": " << YesNo(o.SingleStrategyView) << "}";
    return out.str();
}

std::string AnalysisJson(const AnalysisRequest& q, const AnalysisResult& r,
                         std::optional<uint64_t> strategySignature,
                         const std::optional<StrategyReturn>& exact) {
    std::ostringstream out;
    out << std::setprecision(17);
    const OptionsRecord& o = q.Rules;
    out << "{\n  \"rules\": " << RulesJson(o) << ",\n";
    out << "  \"seed\": " << q.Seed << ",\n  \"threads\": " << q.Threads << ",\n";
    out << "  \"strategy_signature\": " << strategySignature.value_or(StrategySignature(q.Strategy))
        << ",\n  \"run_rounds\": " << q.Rounds << ",\n  \"shard\": " << q.ShardIndex + 1
        << ",\n  \"shards\": " << q.ShardCount << ",\n";
    out << "  \"rounds\": " << r.Rounds << ",\n  \"HourBlocks\": " << r.HourBlocks << ",\n";
    out << "  \"seconds\": " << r.Seconds << ",\n  \"rounds_per_second\": " << r.RoundsPerSecond()
        << ",\n";
    out << "  \"strategies\": [\n";
    for (int i = o.SingleStrategyView ? 4 : 1; i <= 4; ++i) {
        const Statistics& s = r.Stats[static_cast<size_t>(i)];
        out << "    {\"name\": \"" << kStrategyNames[i] << "\", \"HandsPlayed\": " << s.HandsPlayed
            << ", \"TotalStaked\": " << s.TotalStaked << ", \"TotalNet\": " << s.TotalNet
            << ", \"Wins\": " << s.Wins << ", \"LossUnits\": " << s.LossUnits
            << ", \"Splits\": " << s.Splits << ", \"Doubles\": " << s.Doubles
            << ", \"Blackjacks\": " << s.Blackjacks << ", \"BankrollsWon\": " << s.BankrollsWon
            << ", \"BankrollsLost\": " << s.BankrollsLost
            << ", \"BankrollSwing\": " << s.BankrollSwing << ",\n";
        const BlockMoments& m = s.Blocks;
        // The advantage and its standard error in percent, over the blocks measured.
        const double advantage = m.Stake != 0 ? 100.0 * double(m.Net) / double(m.Stake) : 0.0;
        out << "     \"AdvantagePercent\": " << advantage
            << ", \"AdvantageStandardErrorPercent\": " << 100.0 * m.AdvantageStandardError();
        if (i == 1 && exact)
            out << ", \"ExactAdvantagePercent\": " << exact->AdvantagePercent()
                << ", \"ExactEdgePercent\": " << exact->EdgePercent();
        out << ",\n     \"BlockMoments\": {\"Blocks\": " << m.Blocks
            << ", \"NetHalfDollars\": " << m.Net << ", \"StakeHalfDollars\": " << m.Stake
            << ", \"NetSquares\": " << m.NetSquares << ", \"StakeSquares\": " << m.StakeSquares
            << ", \"NetTimesStake\": " << m.NetTimesStake << "},\n     \"HourHistogram\": ";
        JsonArray(out, s.HourHistogram);
        out << ",\n     \"ResultByCount\": ";
        JsonArray(out, s.ResultByCount);
        out << ",\n     \"StakeByCount\": ";
        JsonArray(out, s.StakeByCount);
        out << ",\n     \"HandsByCount\": ";
        JsonArray(out, s.HandsByCount);
        out << "}" << (i < 4 ? "," : "") << "\n";
    }
    out << "  ]\n}\n";
    return out.str();
}

std::string ResultsText(const AnalysisRequest& q, const AnalysisResult& r) {
    HeadlessHost host;
    Game game(host);
    game.Options = q.Rules;
    game.TwoHandsThisRound = q.Rules.BetTwoHands;
    game.HourBlocks = r.HourBlocks;
    const auto seconds = static_cast<long>(r.Seconds);
    game.PlayHours = static_cast<uint16_t>(seconds / 3600);
    game.PlayMinutes = static_cast<uint16_t>(seconds / 60 % 60);
    game.PlaySeconds = static_cast<uint16_t>(seconds % 60);
    for (int i = 1; i <= 4; ++i) game.StatsOf(i) = r.Stats[static_cast<size_t>(i)];
    return RenderAllFormats(game);
}

}  // namespace velmora
