#include "io/options_file.h"

#include <algorithm>
#include <cassert>

#include "io/atomic_file.h"

namespace velmora {

namespace {

template <size_t N>
void ClampLength(ShortString<N>& s) {
    s.Raw[0] = static_cast<uint8_t>(s.Length());
}

// The boolean fields in file order, offsets 8 to 19.
template <typename Record, typename Visit>
void ForEachFlag(Record& o, Visit visit) {
    for (auto* flag :
         {&o.SurrenderAllowed, &o.DealerHitsSoft17, &o.DoubleAnyHand, &o.DoubleAfterSplit,
          &o.ResplitAllowed, &o.BetTwoHands, &o.AlwaysBetMinimum, &o.SoundOn, &o.AdviceOn,
          &o.FirstStart, &o.HideBettingIntro, &o.SingleStrategyView})
        visit(*flag);
}

}  // namespace

void WriteOptions(ByteWriter& out, const OptionsRecord& o) {
    [[maybe_unused]] const size_t start = out.Position();
    out.U16(o.Decks);
    out.U16(o.Penetration);
    out.U16(o.TableMinimum);
    out.U16(o.ComputerSpeed);
    ForEachFlag(o, [&](const bool& flag) { out.Bool(flag); });
    out.Bytes(o.StrategyCopy.Bytes());
    out.Bytes(o.ModeName.Raw);
    out.Bytes(o.VersionTag.Raw);
    out.Bytes(o.Reserved);
    assert(out.Position() - start == kOptionsRecordSize);
}

OptionsRecord ReadOptions(ByteReader& in) {
    [[maybe_unused]] const size_t start = in.Position();
    OptionsRecord o;
    o.Decks = in.U16();
    o.Penetration = in.U16();
    o.TableMinimum = in.U16();
    o.ComputerSpeed = in.U16();
    ForEachFlag(o, [&](bool& flag) { flag = in.Bool(); });
    in.Bytes(o.StrategyCopy.Bytes());
    in.Bytes(o.ModeName.Raw);
    in.Bytes(o.VersionTag.Raw);
    in.Bytes(o.Reserved);
    assert(in.Position() - start == kOptionsRecordSize);
    return o;
}

OptionsBytes EncodeOptions(const OptionsRecord& options) {
    OptionsBytes bytes{};
    ByteWriter out(bytes);
    WriteOptions(out, options);
    return bytes;
}

OptionsRecord DecodeOptions(std::span<const uint8_t, kOptionsRecordSize> bytes) {
    ByteReader in(bytes);
    return ReadOptions(in);
}

void NormaliseStrategy(StrategyTable& table) {
    for (uint8_t& b : table.Bytes()) b = b != 0 ? 1 : 0;
    for (int code = kFirstRowCode; code <= kLastRowCode; ++code) {
        bool all = true, none = true;
        for (int up = 2; up <= 11; ++up) {
            const bool set = table.Takes(code, up);
            all = all && set;
            none = none && !set;
        }
        const bool always = table.HasAlwaysMark(code), never = table.HasNeverMark(code);
        const bool both = always && never;
        if (always && (both || !all)) table.SetCell(code, kAlwaysMark, false);
        if (never && (both || !none)) table.SetCell(code, kNeverMark, false);
    }
}

void NormaliseOptions(OptionsRecord& o) {
    if (!IsValidDecks(o.Decks)) o.Decks = 8;
    if (!IsValidPenetration(o.Penetration)) o.Penetration = 3;
    if (!IsValidTableMinimum(o.TableMinimum)) o.TableMinimum = 100;
    o.ComputerSpeed = std::clamp(o.ComputerSpeed, kMinComputerSpeed, kMaxComputerSpeed);
    NormaliseStrategy(o.StrategyCopy);
    ClampLength(o.ModeName);
    ClampLength(o.VersionTag);
}

bool SaveOptions(Game& game, const std::filesystem::path& file) {
    game.Options.StrategyCopy = game.Strategy;
    OptionsRecord written = game.Options;
    written.VersionTag.Assign(kVersionTag);
    if (WriteFileAtomically(file, EncodeOptions(written))) return false;
    game.Options.VersionTag = written.VersionTag;
    game.OptionsChanged = false;
    return true;
}

bool ApplyOptionsFile(Game& game, std::span<const uint8_t> bytes) {
    if (bytes.size() >= kOptionsRecordSize)
        game.Options = DecodeOptions(bytes.first<kOptionsRecordSize>());
    // The tag is compared as the record holds it, length byte and characters, before
    // the lengths are brought within their capacity: cut to 11 characters, a tag of
    // length 12 ("Version 1.45") would read as this version's.
    const bool current = game.Options.VersionTag == kVersionTag;
    NormaliseOptions(game.Options);
    if (current) {
        game.Strategy = game.Options.StrategyCopy;
        return true;
    }
    ApplyDefaultOptions(game.Options);
    ResetStrategyToDefault(game.Strategy);
    return false;
}

void LoadOptions(Game& game, const std::filesystem::path& file) {
    if (game.OptionsChanged) return;
    const FilePrefix read = ReadFilePrefix(file, kOptionsRecordSize);
    ApplyOptionsFile(game, read.bytes);
}

void SaveOptions1Click(Game& game, const std::filesystem::path& file) {
    game.OptionsChanged = false;
    SaveOptions(game, file);
}

}  // namespace velmora
