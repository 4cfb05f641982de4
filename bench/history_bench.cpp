// How the decision history keeps up: the cost of recording one judged move on the
// player's side (it only queues), how fast the writer commits, and how long the
// start-up check and the queries take on a large history. Figures only; the
// machine's load should be noted beside them.
//
//   velmora-history-bench [moves] [folder]   (default 200000 moves, a temporary folder)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "engine/game.h"
#include "engine/headless_host.h"
#include "history/decision_history.h"
#include "history/history_writer.h"

using namespace velmora;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

template <class F>
double Time(F f) {
    const auto start = Clock::now();
    f();
    return Ms(Clock::now() - start);
}

// A spread of moves: every up card, totals 5..20, hard and soft, a third wrong.
JudgedDecision MoveNumber(int i) {
    JudgedDecision d;
    d.hand = 1;
    d.soft = i % 5 == 0;
    d.total = d.soft ? 13 + i % 8 : 5 + i % 16;
    d.pair = i % 11 == 0 && !d.soft && d.total % 2 == 0;
    d.canSplit = d.pair;
    d.canDouble = i % 3 != 0;
    d.canSurrender = !d.soft;
    d.upCard = 2 + i % 10;
    d.asked = kHit;
    d.taken = i % 3 == 0 ? kStand : kHit;
    return d;
}

}  // namespace

int main(int argc, char** argv) {
    const int moves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200000;
    std::filesystem::path folder =
        argc > 2 ? std::filesystem::path(argv[2])
                 : std::filesystem::temp_directory_path() / "velmora-history-bench";
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / kHistoryFileName;
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(file.string() + suffix);

    HeadlessHost host;
    Game game(host);
    ApplyDefaultOptions(game.Options);
    ResetStrategyToDefault(game.Strategy);

    double recordMs = 0, commitMs = 0;
    std::vector<double> callUs(static_cast<size_t>(moves));
    {
        HistoryWriter writer(file);
        writer.Flush();  // the file is open
        DecisionHistory history(game, &writer);
        const auto start = Clock::now();
        for (int i = 0; i < moves; ++i) {
            const auto before = Clock::now();
            history.DecisionJudged(MoveNumber(i));
            callUs[static_cast<size_t>(i)] = Ms(Clock::now() - before) * 1000;
        }
        recordMs = Ms(Clock::now() - start);
        commitMs = Time([&] { writer.Flush(); }) + recordMs;
    }
    std::printf("moves recorded:          %d\n", moves);
    std::sort(callUs.begin(), callUs.end());
    auto at = [&](double q) { return callUs[static_cast<size_t>(q * (moves - 1))]; };
    std::printf("player's side per move:  %.2f us mean, %.1f us median, %.1f us 99.9%%, %.1f us worst\n",
                recordMs * 1000 / moves, at(0.5), at(0.999), callUs.back());
    std::printf("writer, all committed:   %.0f ms (%.0f moves/s)\n", commitMs,
                moves / (commitMs / 1000));
    std::printf("file size:               %.1f MB\n",
                static_cast<double>(std::filesystem::file_size(file)) / 1e6);

    // At a pace nearer play's (one move a millisecond, a fast player makes one a second).
    {
        HistoryWriter writer(file);
        writer.Flush();
        DecisionHistory history(game, &writer);
        constexpr int kPaced = 1000;
        std::vector<double> paced;
        for (int i = 0; i < kPaced; ++i) {
            const auto before = Clock::now();
            history.DecisionJudged(MoveNumber(i));
            paced.push_back(Ms(Clock::now() - before) * 1000);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::sort(paced.begin(), paced.end());
        std::printf("paced, 1 move per ms:    %.1f us median, %.1f us 99%%, %.1f us worst (%d moves)\n",
                    paced[kPaced / 2], paced[kPaced * 99 / 100], paced.back(), kPaced);
    }

    OpenedStore opened;
    const double openMs = Time([&] { opened = HistoryStore::Open(file); });
    if (!opened.store) {
        std::printf("cannot reopen: %s\n", opened.message.c_str());
        return 1;
    }
    HistoryStore& s = *opened.store;
    std::printf("open with check:         %.0f ms\n", openMs);
    size_t n = 0;
    double ms = Time([&] { n = s.Cells().size(); });
    std::printf("heat map cells:          %.0f ms (%zu cells)\n", ms, n);
    ms = Time([&] { n = s.AccuracyByDay().size(); });
    std::printf("accuracy by day:         %.0f ms\n", ms);
    ms = Time([&] { n = s.CostliestMistakes(10).size(); });
    std::printf("ten costliest:           %.0f ms\n", ms);
    ms = Time([&] { n = s.Outcomes(DecisionHistory::kDrillMemory).size(); });
    std::printf("drill's last %lld moves:  %.0f ms\n",
                static_cast<long long>(DecisionHistory::kDrillMemory), ms);
    return 0;
}
