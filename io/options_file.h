#pragma once
// The options file "VLM.PRM": the options record (rules, preferences, a copy of
// the playing strategy) as one record of 3904 bytes, which also opens every saved
// game. Layout, little-endian: Decks 0, Penetration 2, TableMinimum 4,
// ComputerSpeed 6 (16 bits each); the twelve boolean bytes from SurrenderAllowed
// at 8 to SingleStrategyView at 19; StrategyCopy 20 (3852 bytes); ModeName 3872
// (length byte + 15); VersionTag 3888 (length byte + 11); 4 reserved bytes at 3900.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "engine/game.h"
#include "engine/options.h"
#include "io/byte_io.h"

namespace velmora {

inline constexpr size_t kOptionsRecordSize = 3904;
inline constexpr char kOptionsFileName[] = "VLM.PRM";

// Bounds of the animation speed setting.
inline constexpr uint16_t kMinComputerSpeed = 1000;
inline constexpr uint16_t kMaxComputerSpeed = 25000;

using OptionsBytes = std::array<uint8_t, kOptionsRecordSize>;

// Booleans are written as 0 or 1; short strings and the reserved bytes exactly as
// held, leftover characters after a shorter text included.
OptionsBytes EncodeOptions(const OptionsRecord& options);
// Any nonzero boolean byte reads as true. Nothing is checked here: see
// NormaliseOptions.
OptionsRecord DecodeOptions(std::span<const uint8_t, kOptionsRecordSize> bytes);

void WriteOptions(ByteWriter& out, const OptionsRecord& options);
OptionsRecord ReadOptions(ByteReader& in);

// Brings every value read from a file into the values the rules know, as the
// settings windows would: Decks 1, 2, 4, 6 or 8 (else 8), Penetration 2 or 3
// (else 3), TableMinimum 5, 25 or 100 (else 100), ComputerSpeed into 1000..25000,
// short-string lengths within their capacity, and the strategy copy through
// NormaliseStrategy. The corrected values reach the file at its next save.
void NormaliseOptions(OptionsRecord& options);

// Every byte other than 0 becomes 1, and a mark that the row's cells contradict
// is dropped (both marks when a row carries both), so the table satisfies
// StrategyTable::IsOk(). The cells, which play reads, keep what the file said.
void NormaliseStrategy(StrategyTable& table);

// Writes the options file: the live strategy is copied into StrategyCopy, the
// record is written with the version tag, and then the tag is kept and
// OptionsChanged cleared. When the file cannot be written nothing changes on disk
// and OptionsChanged stays set; returns whether the file was written.
bool SaveOptions(Game& game, const std::filesystem::path& file = kOptionsFileName);

// Reads the options file unless OptionsChanged is set. A file of the current
// version brings its strategy copy into the live table; otherwise the rules and
// preferences take their defaults and the live table the default strategy, while
// the fields without a default keep what the record held. A missing file, or one
// shorter than a record, counts as no file; a longer one is read only as far as
// its first record.
void LoadOptions(Game& game, const std::filesystem::path& file = kOptionsFileName);

// LoadOptions after the file was read: `bytes` is what the file held (empty when
// it could not be read). Nothing of a file shorter than one record is used. Returns
// whether the record was of this version (its strategy was taken) or the defaults
// were applied.
bool ApplyOptionsFile(Game& game, std::span<const uint8_t> bytes);

// The "Save Options" command: clears OptionsChanged, then writes the file.
void SaveOptions1Click(Game& game, const std::filesystem::path& file = kOptionsFileName);

}  // namespace velmora
