#include "analysis/exact_report.h"

#include <cstdio>
#include <cstring>
#include <iomanip>
#include <sstream>

#include "analysis/analysis_report.h"
#include "exact/cost_text.h"
#include "strategy/editor_rows.h"

namespace velmora {

namespace {

std::string UpCardName(int up) {
    return up == 11 ? "Ace" : std::to_string(up);
}

// What the table does with a row's action, or does not.
const char* ActionWord(const char* heading, bool takes) {
    if (std::strcmp(heading, "SPLIT") == 0) return takes ? "splits" : "does not split";
    if (std::strcmp(heading, "DOUBLE DOWN") == 0) return takes ? "doubles" : "does not double";
    if (std::strcmp(heading, "HIT") == 0) return takes ? "hits" : "stands";
    return takes ? "surrenders" : "does not surrender";
}

const EditorRow& ClassOf(int code) {
    for (const EditorRow& hc : kEditorRows)
        if (hc.code == code) return hc;
    return kEditorRows[0];
}

std::string Percent(double value, int decimals = 4) {
    char text[32];
    std::snprintf(text, sizeof text, "%+.*f %%", decimals, value);
    return text;
}

std::string RulesOfPlay(const OptionsRecord& o) {
    std::ostringstream out;
    out << o.Decks << (o.Decks == 1 ? " deck, " : " decks, ")
        << (o.DealerHitsSoft17 ? "H17" : "S17") << ", "
        << (o.DoubleAnyHand ? "double any hand" : "double on 10 and 11") << ", "
        << (o.DoubleAfterSplit ? "DAS" : "no DAS") << ", "
        << (o.ResplitAllowed ? "re-split" : "no re-split") << ", "
        << (o.SurrenderAllowed ? "surrender" : "no surrender");
    return out.str();
}

void Grid(std::ostream& out, const StrategyTable& table) {
    out << "               2  3  4  5  6  7  8  9 10  A\n";
    const char* heading = "";
    for (const EditorRow& hc : kEditorRows) {
        if (std::strcmp(heading, hc.heading) != 0) {
            heading = hc.heading;
            out << heading << '\n';
        }
        char caption[16];
        std::snprintf(caption, sizeof caption, "  %-11s", hc.caption);
        out << caption;
        for (int up = 2; up <= 11; ++up) out << "  " << (table.Cell(hc.code, up) ? 'X' : '.');
        out << '\n';
    }
}

}  // namespace

std::string ExactText(const ExactRun& run) {
    const ExactAnalysis& a = run.Analysis;
    std::ostringstream out;
    out << "Exact analysis: " << RulesOfPlay(run.Rules)
        << "; one hand a round, dealt from a fresh shoe\n\n";
    out << "Best strategy for these rules (X: take the action against that up card)\n";
    Grid(out, a.Best);
    out << "\nExpected return            per initial bet    per money staked (Advantage)\n";
    auto line = [&](const std::string& name, const StrategyReturn& r) {
        char text[160];
        std::snprintf(text, sizeof text, "  %-24s %-18s %s\n", name.c_str(),
                      Percent(r.EdgePercent()).c_str(), Percent(r.AdvantagePercent()).c_str());
        out << text;
    };
    line("table in force (" + run.TableName + ")", a.TableReturn);
    line("best strategy", a.BestReturn);
    if (a.Differences.empty()) {
        out << "\nThe table in force plays as the best strategy does.\n";
    } else {
        out << "\nWhere the table in force differs from the best (cost per round, in % of the "
               "initial bet)\n";
        for (const CellCost& c : a.Differences) {
            const EditorRow& hc = ClassOf(c.Row);
            out << "  " << hc.heading << ' ' << hc.caption << " against " << UpCardName(c.Up)
                << ": the table " << ActionWord(hc.heading, c.TableTakes) << ", the best "
                << ActionWord(hc.heading, !c.TableTakes) << "; costs "
                << CostPercentText(c.CostPercent) << " %\n";
        }
    }
    char time[200];
    std::snprintf(time, sizeof time,
                  "\nWorked out in %.2f s (%.2f s of processor time on one core: dealer and "
                  "hands %.2f s, best strategy and its cells' worth %.2f s, returns %.2f s)\n",
                  run.Seconds, run.CpuSeconds, run.ModelSeconds, run.BestSeconds,
                  run.ReturnSeconds);
    out << time;
    return out.str();
}

std::string ExactJson(const ExactRun& run) {
    const ExactAnalysis& a = run.Analysis;
    std::ostringstream out;
    out << std::setprecision(12);
    auto returns = [&](const StrategyReturn& r) {
        out << "\"edge_percent\": " << r.EdgePercent()
            << ", \"advantage_percent\": " << r.AdvantagePercent();
    };
    out << "{\n  \"rules\": " << RulesJson(run.Rules) << ",\n  \"table\": {";
    returns(a.TableReturn);
    out << "},\n  \"best\": {";
    returns(a.BestReturn);
    out << ",\n    \"rows\": {";
    for (size_t i = 0; i < kEditorRows.size(); ++i) {
        const int code = kEditorRows[i].code;
        out << (i ? ",\n      " : "\n      ") << '"' << code << "\": [";
        bool first = true;
        for (int up = 2; up <= 11; ++up) {
            if (!a.Best.Cell(code, up)) continue;
            out << (first ? "" : ", ") << up;
            first = false;
        }
        out << ']';
    }
    out << "}},\n  \"differences\": [";
    for (size_t i = 0; i < a.Differences.size(); ++i) {
        const CellCost& c = a.Differences[i];
        out << (i ? ",\n    " : "\n    ") << "{\"row\": " << c.Row << ", \"up\": " << c.Up
            << ", \"cost_percent\": " << c.CostPercent << '}';
    }
    out << (a.Differences.empty() ? "" : "\n  ") << "],\n  \"seconds\": " << run.Seconds
        << ",\n  \"cpu_seconds\": " << run.CpuSeconds << "\n}\n";
    return out.str();
}

}  // namespace velmora
