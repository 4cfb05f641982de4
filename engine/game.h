#pragma once
// One game: the settings, the mode flags, the round in progress, the shoe and its
// counts, the five hands with the strategies' statistics, the money and the play
// time, and the host it talks to. Every engine operation takes it, so several games
// can run side by side (one per analysis thread) and a test can build one, set a
// few fields and call a single operation.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/block_tally.h"
#include "engine/decision_report.h"
#include "engine/hand.h"
#include "engine/host.h"
#include "engine/options.h"
#include "engine/random.h"
#include "engine/shoe.h"
#include "strategy/strategy_table.h"

namespace velmora {

// Values of PlayerAction.
enum Action : uint16_t {
    kNoAction = 0,
    kStand = 1,
    kHit = 2,
    kDouble = 3,
    kSplit = 4,
    kSurrender = 5,
    kHint = 6,
};

// The four modes of the Run menu.
enum class Mode { Normal, Practice, Simulation, Analysis };

// Chip denominations of the rack, in RackCount order (the half chip is worth 2.50).
constexpr int kChipKinds = 7;

struct Game {
    explicit Game(Host& h) : host(h) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Host& host;
    TableDisplay* Table = nullptr;      // set while the table window exists
    ResultsDisplay* Results = nullptr;  // set while the results window exists
    DecisionReport* Decisions = nullptr;  // told of every judged move of the player

    // Settings.
    StrategyTable Strategy;  // the live playing strategy
    OptionsRecord Options;

    // Mode flags.
    bool TableShown = false;
    bool SimulationMode = false;
    bool PracticeDeckMode = false;
    bool StopRequested = false;
    bool ResultsWindowOpen = false;
    bool ResultsIdle = true;
    bool Closing = false;
    bool OptionsChanged = false;
    bool SaveOptionsRequest = false;
    bool ShoeRebuildRequest = false;
    bool BankrollRestartRequest = false;
    bool ChildWindowClosed = false;
    bool RulesWindowOpen = false;
    bool PrefsWindowOpen = false;
    bool StrategyWindowOpen = false;
    bool StartupDone = false;
    bool AnalysisTitleRefresh = false;

    // Round state.
    uint16_t PlayerAction = kNoAction;
    uint16_t ActiveHand = 0;  // player hand being decided, 1..4; 0 = none
    bool TwoHandsThisRound = false;
    uint16_t CurrentBet = 0;
    uint16_t BetAmount = 0;
    bool BettingOpen = false;
    bool DecisionAwaited = false;  // the round waits for the player's move on ActiveHand
    uint16_t RoundsInBatch = 0;
    uint16_t FlashTime = 1;
    std::string AdviceText;

    // Shoe and counts.
    std::vector<ShoeEntry> Shoe;
    uint16_t ShoeSize = 0;
    int32_t CardsDealt = 0;
    // The cards before this index are in their final order. The table's shuffle
    // orders the whole shoe at once; the analysis's shuffles a few cards ahead of
    // the dealing (see ShuffleAhead).
    uint16_t ShuffledTo = 0;
    uint16_t CutPoint = 0;
    bool ShoeBuilt = false;
    int32_t RunningCount = 0;
    int32_t AceFiveCount = 0;
    uint16_t CardBackChoice = 0;
    int32_t CountIndex = 0;    // RunningCount at the round start, clamped to -10..10
    int32_t AceFiveIndex = 0;  // AceFiveCount at the round start, clamped to -10..10

    // The table's shuffle generator, and the analysis's: while AnalysisShuffleOn the
    // shoe is shuffled from AnalysisRng, seeded once per run.
    LcgRandom Lcg;
    Xoshiro256 AnalysisRng;
    bool AnalysisShuffleOn = false;
    // The analysis seeds its generator from the clock unless a seed is given here
    // (the headless tool gives each of its chunks one).
    std::optional<uint64_t> AnalysisSeed;
    // The analysis measures bankroll swings in units of 100 table minimums, as they
    // were when it started; a run restarted for new rules keeps its unit here.
    std::optional<double> AnalysisBankrollUnit;
    // The analysis's playing loop when the program gives one (the window plays on
    // worker threads); otherwise the run loop plays it on this thread. It returns
    // once StopRequested is set, having ended the run with the game reset.
    std::function<void(Game&)> AnalysisLoop;
    // The seed of the analysis that runs or ran last in the window (for its exports).
    uint64_t RunSeed = 0;
    // An analysis game nobody looks at between the ends of its blocks of 100 rounds
    // (the worker threads' games): its rounds pass no events and book the strategies'
    // statistics in Tally, folded in at each block's end.
    bool Unwatched = false;
    BlockTally Tally;

    // Run dispatch: a mode chosen while a run goes on waits here until that run
    // has returned, so runs never nest.
    bool RunInProgress = false;
    std::optional<Mode> PendingMode;

    std::array<THand, kHandCount> Hands{};

    // Money and time.
    double Bankroll = 0;
    std::array<uint16_t, kChipKinds> RackCount{};
    double BankrollUnit = 0;
    uint16_t PlayHours = 0;
    uint16_t PlayMinutes = 0;
    uint16_t PlaySeconds = 0;
    uint64_t HourBlocks = 0;  // blocks of 100 rounds begun (32 bits in a saved game)
    // The length of a delay unit by the old busy-wait rule, worked out at start-up
    // and by the speed bar as before. The motion no longer reads it: its waits are
    // real time (table/motion_timing.h) and only ComputerSpeed sets their steps.
    double DelayCalibration = 0;

    // Results window and saved games.
    uint8_t ResultsScreen = 3;       // 1 odds, 2 advantage by count, 3 statistics
    std::string GameFileName;        // current saved game, upper case with ".VLM"
    uint16_t SavedGameReserved = 0;  // two reserved bytes of the saved game, kept as read

    Statistics& StatsOf(int strategy) { return Hands[static_cast<size_t>(strategy)].Stats; }
    THand& Hand(int index) { return Hands[static_cast<size_t>(index)]; }
    const THand& Hand(int index) const { return Hands[static_cast<size_t>(index)]; }
    int UpCard() const { return Hands[kDealer].Cards[1].Value; }

    // The table while it is shown; null otherwise. Every table call goes through this,
    // since any event pass may close the window.
    TableDisplay* ShownTable() const { return TableShown ? Table : nullptr; }

    // Debug checks of the shoe, the hands and the strategy table.
    bool ShoeIsOk() const;
    bool IsOk() const;
};

constexpr bool IsHandIndex(int h) {
    return h >= 0 && h < kHandCount;
}
constexpr bool IsPlayerHand(int h) {
    return h >= 1 && h < kHandCount;
}

// Every hand without cards or stakes, all player hands finished, the dealer not.
void ResetRound(Game& game);
// Clears the statistics of Hands[1..4] and the play time.
void ResetStatistics(Game& game);
// The five hands with every field zero (start-up).
void CreateHands(Game& game);

}  // namespace velmora
