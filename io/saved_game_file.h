#pragma once
// Saved games: one record of 9748 bytes that keeps a game for later. Layout,
// little-endian: the options record 0 (3904 bytes); the statistics blocks of
// Hands[0..4] at 3904, 4300, 4696, 5092 and 5488 (396 bytes each); PlayHours
// 5884, PlayMinutes 5886, PlaySeconds 5888 (16 bits each); 2 reserved bytes at
// 5890; HourBlocks 5892 (32 bits); the live strategy table 5896 (3852 bytes).
// The bankroll, the chips and a round in progress are not part of it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/game.h"
#include "engine/options.h"
#include "engine/statistics.h"
#include "strategy/strategy_table.h"

namespace velmora {

inline constexpr size_t kSavedGameSize = 9748;
// What the picker proposes while the game has no file name yet.
inline constexpr char kDefaultGameFileName[] = "lastgame.vlm";
inline constexpr char kGameFileExtension[] = ".VLM";

inline constexpr char kLoadTooEarlyMessage[] = "Load Game File AFTER You Start Playing";
inline constexpr char kFileNotFoundMessage[] = "ERROR... File Not Found!";
// Asked, after the file's name, before a save replaces another saved game.
inline constexpr char kReplaceQuestion[] = " already exists - Do You Want to Replace It?";
// The confirmations of a save and a load. A saved game holds the rules, strategy and
// statistics, not the bankroll and chips: a player must not think the money is kept.
inline constexpr char kLoadedMessage[] = "Loaded ";
inline std::string SavedMessage(const std::string& name) {
    return std::string("Saved ").append(name).append(" (the bankroll is not part of a saved game)");
}

struct SavedGameRecord {
    OptionsRecord Options;
    std::array<Statistics, kHandCount> Stats{};  // of Hands[0..4]; [0] is unused but kept
    uint16_t PlayHours = 0;
    uint16_t PlayMinutes = 0;
    uint16_t PlaySeconds = 0;
    uint16_t Reserved = 0;
    uint64_t HourBlocks = 0;  // 32 bits in the file
    StrategyTable Strategy;   // the live table, not the options' copy

    friend bool operator==(const SavedGameRecord&, const SavedGameRecord&) = default;
};

using SavedGameBytes = std::array<uint8_t, kSavedGameSize>;

SavedGameRecord BuildSavedGame(const Game& game);
// Puts a record into the game as it stands: options, statistics, play time,
// HourBlocks, the reserved bytes and the live strategy. Loading changes no window.
void ApplySavedGame(Game& game, const SavedGameRecord& record);

// The file keeps HourBlocks and the statistics' counters in 32 bits, which a long
// analysis outgrows (it books 2^31 hands in minutes). Such a game is saved as the
// same game made smaller: every count and amount of the statistics, and HourBlocks,
// divided by the smallest power of two that makes every counter fit, counts rounded
// to the nearest whole number. So every figure of the results window that is a share,
// a rate or an average (per hand, per hour, by count, the advantage, the ratio) stays
// what it was; only the totals shrink. HourNet and BankrollSwing, the hour and the
// bankroll under way, are left as they are. Returns the divisor, 1 when all fitted.
uint64_t ScaleToFit(SavedGameRecord& record);

// The statistics are written as 6-byte reals, so an amount the format cannot hold
// exactly is rounded to the nearest one it can (whole and half dollars below 2^37
// are exact). A counter too large for its field is written as the largest value the
// field holds, never wrapped; ScaleToFit first keeps that from happening.
SavedGameBytes EncodeSavedGame(const SavedGameRecord& record);
SavedGameRecord DecodeSavedGame(std::span<const uint8_t, kSavedGameSize> bytes);

// Brings a record read from a file into the values the rules know: the options
// through NormaliseOptions, the live strategy through NormaliseStrategy, and a
// play time of 60 or more seconds or minutes carried into the next unit.
void NormaliseSavedGame(SavedGameRecord& record);

// A decoded and normalised record, or nothing when `bytes` is shorter than one
// record. Only the first record of a longer file is used.
std::optional<SavedGameRecord> ParseSavedGame(std::span<const uint8_t> bytes);

// The name rule of saved games: the file name is upper-cased and gets ".VLM"
// unless the upper-cased name already contains ".VLM" anywhere (so game.vlm.old
// stays as it is). A folder part is left as typed, since folder names can be case
// sensitive; only the last part of the path is changed.
std::string NormaliseGameFileName(std::string name);

// Whether a name the picker returned can name a saved game: not empty, no "*" or "?"
// (those make a mask of the picker's list) and not ending in a folder separator.
bool NamesAGameFile(std::string_view name);

// Asks the host's picker for a name, proposing GameFileName (or "lastgame.vlm"
// when there is none). An accepted name that names a game file is normalised into
// GameFileName; returns whether that happened.
bool PickGameFileName(Game& game);

// The File menu commands. A relative GameFileName is taken in `folder` (the
// current folder when empty). A name picked for saving that is another existing file
// than the game's own is written only after the player agreed to replace it. A game
// loaded while no analysis shows its results leaves the single-strategy view off,
// whatever the file says.
void SaveFileClick(Game& game, const std::filesystem::path& folder = {});
void SaveAs1Click(Game& game, const std::filesystem::path& folder = {});
void LoadFileClick(Game& game, const std::filesystem::path& folder = {});

}  // namespace velmora
