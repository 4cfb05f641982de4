#include "analysis/analysis_export.h"

#include <iomanip>
#include <sstream>

namespace velmora {

namespace {

const char* const kStrategyNames[] = {"", "Basic Strategy", "Card Counting", "ZOK Simple Count",
                                      "ZOK Max Strategy"};

std::string CountColumn(const char* name, int c) {
    return std::string(name) + (c < 0 ? "_minus_" : "_") + std::to_string(c < 0 ? -c : c);
}

}  // namespace

std::string AnalysisCsv(const AnalysisRequest& q, const AnalysisResult& r,
                        const std::optional<StrategyReturn>& exact) {
    std::ostringstream out;
    out << std::setprecision(17);
    out << "Strategy,Decks,Penetration,TableMinimum,DealerHitsSoft17,SurrenderAllowed,"
           "DoubleAnyHand,DoubleAfterSplit,ResplitAllowed,BetTwoHands,SingleStrategyView,"
           "Seed,Rounds,Hours,HandsPlayed,TotalStaked,TotalNet,Wins,LossUnits,Splits,Doubles,"
           "Blackjacks,BankrollsWon,BankrollsLost,AdvantagePercent,"
           "AdvantageStandardErrorPercent,StandardErrorHours";
    for (int k = -9; k <= 9; ++k) out << ',' << CountColumn("HoursAtMultiple", k);
    for (int c = kMinCountIndex; c <= kMaxCountIndex; ++c)
        out << ',' << CountColumn("NetAtCount", c);
    for (int c = kMinCountIndex; c <= kMaxCountIndex; ++c)
        out << ',' << CountColumn("StakedAtCount", c);
    for (int c = kMinCountIndex; c <= kMaxCountIndex; ++c)
        out << ',' << CountColumn("HandsAtCount", c);
    out << ",ExactAdvantagePercent,ExactEdgePercent\r\n";
    const OptionsRecord& o = q.Rules;
    for (int i = o.SingleStrategyView ? 4 : 1; i <= 4; ++i) {
        const Statistics& s = r.Stats[static_cast<size_t>(i)];
        const BlockMoments& m = s.Blocks;
        const double advantage = m.Stake != 0 ? 100.0 * double(m.Net) / double(m.Stake) : 0.0;
        out << kStrategyNames[i] << ',' << o.Decks << ',' << o.Penetration << ',' << o.TableMinimum
            << ',' << o.DealerHitsSoft17 << ',' << o.SurrenderAllowed << ',' << o.DoubleAnyHand
            << ',' << o.DoubleAfterSplit << ',' << o.ResplitAllowed << ',' << o.BetTwoHands << ','
            << o.SingleStrategyView << ',' << q.Seed << ',' << r.Rounds << ',' << r.HourBlocks
            << ',' << s.HandsPlayed << ',' << s.TotalStaked << ',' << s.TotalNet << ',' << s.Wins
            << ',' << s.LossUnits << ',' << s.Splits << ',' << s.Doubles << ',' << s.Blackjacks
            << ',' << s.BankrollsWon << ',' << s.BankrollsLost << ',' << advantage << ','
            << 100.0 * m.AdvantageStandardError() << ',' << m.Blocks;
        for (int k = -9; k <= 9; ++k) out << ',' << s.HourAt(k);
        for (double v : s.ResultByCount) out << ',' << v;
        for (double v : s.StakeByCount) out << ',' << v;
        for (int64_t v : s.HandsByCount) out << ',' << v;
        if (i == 1 && exact)
            out << ',' << exact->AdvantagePercent() << ',' << exact->EdgePercent();
        else
            out << ",,";
        out << "\r\n";
    }
    return out.str();
}

AnalysisRequest RequestOfGame(const Game& g) {
    AnalysisRequest q;
    q.Rules = g.Options;
    q.Strategy = g.Strategy;
    q.Seed = g.RunSeed;
    q.Rounds = g.HourBlocks * 100;
    return q;
}

AnalysisResult ResultOfGame(const Game& g) {
    AnalysisResult r;
    for (int i = 1; i <= kStrategyCount; ++i) r.Stats[static_cast<size_t>(i)] = g.Hand(i).Stats;
    r.HourBlocks = g.HourBlocks;
    r.Rounds = g.HourBlocks * 100;
    r.Seconds = (g.PlayHours * 60.0 + g.PlayMinutes) * 60.0 + g.PlaySeconds;
    return r;
}

std::string WithExtension(std::string name, std::string_view extension) {
    const size_t slash = name.find_last_of('/');
    const size_t start = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = name.find_last_of('.');
    const bool hasDot = dot != std::string::npos && dot > start;
    if (hasDot && dot + 1 < name.size()) return name;
    if (hasDot) name.pop_back();  // "results." ends where its extension goes
    return name.append(extension);
}

}  // namespace velmora
