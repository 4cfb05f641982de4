#pragma once
// The statistics of one betting strategy, kept in the player-hand object of the
// same index (Hands[1..4]). Amounts are dollars; the count-indexed arrays run over
// the count index -10..+10, entry c at [c + 10]. The counters are 64 bits wide: the
// analysis in the window books more than 2^31 hands in a few minutes, and the
// headless tool sums many games. (A saved game keeps them in 32 bits; see
// ScaleToFit in io/saved_game_file.h.)

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora {

constexpr int kMinCountIndex = -10;
constexpr int kMaxCountIndex = 10;
constexpr int kCountSlots = kMaxCountIndex - kMinCountIndex + 1;  // 21

constexpr size_t CountSlot(int c) { return static_cast<size_t>(c - kMinCountIndex); }

// What the standard error of the advantage needs: over the finished blocks of 100
// rounds, each block's net n and stake s, their sums, and the sums of n*n, s*s and
// n*s. Amounts are counted in half dollars (every stake is whole dollars and every
// result a multiple of half a stake), so the sums are whole numbers that add up to the
// same value in any order: runs split across threads or machines merge exactly. Kept
// in memory only; a saved game has no room for them.
struct BlockMoments {
    int64_t Blocks = 0;
    int64_t Net = 0;
    int64_t Stake = 0;
    int64_t NetSquares = 0;
    int64_t StakeSquares = 0;
    int64_t NetTimesStake = 0;

    // Books one finished block of net `net` and stake `stake` dollars.
    void AddBlock(double net, double stake);
    void Add(const BlockMoments& other);
    // The standard error of the advantage Net/Stake as a fraction, from the spread of
    // the blocks about it (the ratio estimator's variance); 0 with fewer than 2 blocks.
    double AdvantageStandardError() const;

    friend bool operator==(const BlockMoments&, const BlockMoments&) = default;
};

struct Statistics {
    std::array<double, kCountSlots> ResultByCount{};  // net won by count index
    std::array<double, kCountSlots> StakeByCount{};   // money staked by count index
    std::array<int64_t, kCountSlots> HourHistogram{};  // 100-round blocks by result; -9..9 used
    // Hands played by count index (as HandsPlayed, split hands included; not booked in
    // the single-strategy view). In memory only, as the block sums: how often each count
    // comes up, which the charts show beside the advantage there.
    std::array<int64_t, kCountSlots> HandsByCount{};
    double HourNet = 0;        // net of the current block of 100 rounds
    double TotalNet = 0;       // net of all finished blocks
    double TotalStaked = 0;    // every stake, doubles included
    double BankrollSwing = 0;  // running net, folded back by one bankroll at a time
    double Wins = 0;           // results with a positive amount
    double LossUnits = 0;      // 1 per loss, 0.5 per surrender
    int64_t BankrollsLost = 0;
    int64_t BankrollsWon = 0;
    int64_t HandsPlayed = 0;  // stakes placed: one per hand played, split hands included
    int64_t Splits = 0;
    int64_t Doubles = 0;
    int64_t Blackjacks = 0;  // player blackjacks, paid or pushed
    double HourStaked = 0;   // staked in the current block of 100 rounds
    BlockMoments Blocks;     // per block of 100 rounds, for the standard error

    double& ResultAt(int c) { return ResultByCount[CountSlot(c)]; }
    double& StakeAt(int c) { return StakeByCount[CountSlot(c)]; }
    int64_t& HourAt(int k) { return HourHistogram[CountSlot(k)]; }
    int64_t& HandsAt(int c) { return HandsByCount[CountSlot(c)]; }
    double ResultAt(int c) const { return ResultByCount[CountSlot(c)]; }
    double StakeAt(int c) const { return StakeByCount[CountSlot(c)]; }
    int64_t HourAt(int k) const { return HourHistogram[CountSlot(k)]; }
    int64_t HandsAt(int c) const { return HandsByCount[CountSlot(c)]; }

    // Sums another game's statistics into this one (the analysis runs one game per
    // thread). The bankroll swing is per game and is summed only for completeness.
    void Add(const Statistics& other);

    friend bool operator==(const Statistics&, const Statistics&) = default;
};

}  // namespace velmora
