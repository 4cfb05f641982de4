// velmora-engine-ratio: the bench workload played by the engine (the analysis on one
// thread, four betting strategies booked) and by the minimal flat-bet loop beside it,
// in alternating passes, with both rates and their ratio. The machine's speed cancels
// out of the ratio, so a change that slows the engine shows as a falling ratio on any
// machine. Both play the same cards, so the loop's totals must equal the engine's
// "Basic Strategy" column: the command says so, and fails when they differ.
//
//   velmora-engine-ratio [rounds] [passes]     (default: the --bench workload, 3 passes)

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "analysis/analysis_report.h"
#include "analysis/analyze_options.h"
#include "bench/minimal_loop.h"

using namespace velmora;

namespace {

double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct Rate {
    double cpu = 0;   // rounds per second of processor time
    double wall = 0;  // rounds per second
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void PrintTotals(const char* who, const FlatBetTotals& t) {
    std::printf("  %-8s hands %lld, staked %.1f, net %.1f, wins %lld, losses %.1f, doubles %lld, "
                "splits %lld, blackjacks %lld\n",
                who, static_cast<long long>(t.Hands), t.Staked, t.Net,
                static_cast<long long>(t.Wins), t.LossUnits, static_cast<long long>(t.Doubles),
                static_cast<long long>(t.Splits), static_cast<long long>(t.Blackjacks));
}

}  // namespace

int main(int argc, char** argv) {
    AnalysisRequest q = BenchRequest();
    if (argc > 1) q.Rounds = std::strtoull(argv[1], nullptr, 10);
    const int passes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    if (q.Rounds == 0) {
        std::fprintf(stderr, "usage: velmora-engine-ratio [rounds] [passes]\n");
        return 2;
    }
    std::printf("workload: %s, seed %llu, %llu rounds, one thread\n",
                RulesLine(q.Rules, false).c_str(), static_cast<unsigned long long>(q.Seed),
                static_cast<unsigned long long>(q.Rounds));
    std::printf("engine: the analysis, four betting strategies; minimal: one flat bet\n");
    std::printf("million rounds per second (of processor time / of the clock)\n");
    std::printf("pass   engine cpu  engine wall  minimal cpu  minimal wall\n");

    std::vector<double> engineCpu, engineWall, minimalCpu, minimalWall;
    FlatBetTotals engineTotals, minimalTotals;
    for (int pass = 1; pass <= passes; ++pass) {
        const AnalysisResult r = RunAnalysis(q);
        engineTotals = FlatBetTotalsOf(r.Stats[1]);
        engineCpu.push_back(r.RoundsPerCpuSecond() / 1e6);
        engineWall.push_back(r.RoundsPerSecond() / 1e6);

        const auto start = std::chrono::steady_clock::now();
        const double cpuBefore = ThreadCpuSeconds();
        minimalTotals = PlayMinimalLoop(q);
        const double cpu = ThreadCpuSeconds() - cpuBefore;
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double rounds = static_cast<double>(r.Rounds);
        minimalCpu.push_back(rounds / cpu / 1e6);
        minimalWall.push_back(rounds / wall / 1e6);
        std::printf("%4d  %11.2f  %11.2f  %11.2f  %12.2f\n", pass, engineCpu.back(),
                    engineWall.back(), minimalCpu.back(), minimalWall.back());
    }
    const double ec = Median(engineCpu), ew = Median(engineWall);
    const double mc = Median(minimalCpu), mw = Median(minimalWall);
    std::printf("median%11.2f  %11.2f  %11.2f  %12.2f\n", ec, ew, mc, mw);
    std::printf("ratio engine/minimal: %.3f of processor time, %.3f of the clock\n", ec / mc,
                ew / mw);
    const bool same = engineTotals == minimalTotals;
    std::printf("same results (engine's Basic Strategy = minimal loop): %s\n", same ? "yes" : "NO");
    PrintTotals("engine", engineTotals);
    if (!same) PrintTotals("minimal", minimalTotals);
    return same ? 0 : 1;
}
