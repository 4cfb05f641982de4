#include "io/saved_game_file.h"

#include <algorithm>
#include <cassert>
#include <cctype>

#include "io/atomic_file.h"
#include "io/byte_io.h"
#include "io/options_file.h"
#include "io/statistics_block.h"

namespace velmora {

namespace {

constexpr uint32_t kMaxPlayHours = 0xFFFF;
constexpr uint64_t kLargestSavedBlocks = UINT32_MAX;

std::filesystem::path GamePath(const Game& game, const std::filesystem::path& folder) {
    return folder / game.GameFileName;
}

std::string ScaledSaveMessage(const std::string& name, uint64_t divisor) {
    const std::string d = std::to_string(divisor);
    return SavedMessage(name) +
           "\nIts statistics were larger than a saved game holds: every count and amount "
           "was saved divided by " +
           d +
           ". Every share, rate and average (and the advantage) is kept; the totals of "
           "hands, hours and bankrolls read 1/" +
           d + " of the game's.";
}

// Save and Save As write the same record the same way. The player must never
// believe a game is saved when it is not, so a failure is always told, and so is a
// game that had to be made smaller to fit.
void WriteGame(Game& game, const std::filesystem::path& folder) {
    SavedGameRecord record = BuildSavedGame(game);
    const uint64_t divisor = ScaleToFit(record);
    if (auto error = WriteFileAtomically(GamePath(game, folder), EncodeSavedGame(record))) {
        game.host.ShowMessage("SORRY ... Game NOT Saved!\n" + game.GameFileName + ": " + *error);
        return;
    }
    // Saved: said so, with what a saved game does not keep.
    game.host.ShowMessage(divisor > 1 ? ScaledSaveMessage(game.GameFileName, divisor)
                                      : SavedMessage(game.GameFileName));
}

uint64_t Magnitude(int64_t v) {
    return v < 0 ? uint64_t{0} - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
}

// m / divisor rounded to the nearest whole number, halves up.
uint64_t DivideRounded(uint64_t m, uint64_t divisor) {
    return m / divisor + ((m % divisor) * 2 >= divisor ? 1 : 0);
}

int64_t DivideCount(int64_t v, uint64_t divisor) {
    const auto q = static_cast<int64_t>(DivideRounded(Magnitude(v), divisor));
    return v < 0 ? -q : q;
}

// The smallest power of two, and at least `divisor`, that brings `magnitude` to at
// most `limit` (m / d <= limit exactly, so the rounded quotient fits too).
uint64_t DivisorFor(uint64_t magnitude, uint64_t limit, uint64_t divisor) {
    while (magnitude / divisor > limit || (magnitude / divisor == limit && magnitude % divisor))
        divisor *= 2;
    return divisor;
}

template <typename Visit>
void ForEachCount(Statistics& s, Visit visit) {
    for (int64_t& v : s.HourHistogram) visit(v);
    for (int64_t* v :
         {&s.BankrollsLost, &s.BankrollsWon, &s.HandsPlayed, &s.Splits, &s.Doubles, &s.Blackjacks})
        visit(*v);
}

template <typename Visit>
void ForEachTotal(Statistics& s, Visit visit) {
    for (double& v : s.ResultByCount) visit(v);
    for (double& v : s.StakeByCount) visit(v);
    for (double* v : {&s.TotalNet, &s.TotalStaked, &s.Wins, &s.LossUnits}) visit(*v);
}

void CarryPlayTime(SavedGameRecord& r) {
    uint32_t minutes = r.PlayMinutes + r.PlaySeconds / 60u;
    const uint32_t hours = std::min(r.PlayHours + minutes / 60u, kMaxPlayHours);
    r.PlaySeconds = static_cast<uint16_t>(r.PlaySeconds % 60u);
    r.PlayMinutes = static_cast<uint16_t>(minutes % 60u);
    r.PlayHours = static_cast<uint16_t>(hours);
}

}  // namespace

uint64_t ScaleToFit(SavedGameRecord& r) {
    uint64_t divisor = DivisorFor(r.HourBlocks, kLargestSavedBlocks, 1);
    for (Statistics& s : r.Stats) {
        ForEachCount(s, [&](int64_t& v) {
            divisor = DivisorFor(Magnitude(v), kLargestSavedCount, divisor);
        });
    }
    if (divisor == 1) return 1;
    // A power of two divides the amounts exactly.
    const double scale = 1.0 / static_cast<double>(divisor);
    for (Statistics& s : r.Stats) {
        ForEachCount(s, [&](int64_t& v) { v = DivideCount(v, divisor); });
        ForEachTotal(s, [&](double& v) { v *= scale; });
    }
    r.HourBlocks = DivideRounded(r.HourBlocks, divisor);
    return divisor;
}

SavedGameRecord BuildSavedGame(const Game& game) {
    SavedGameRecord r;
    r.Options = game.Options;
    for (size_t i = 0; i < r.Stats.size(); ++i) r.Stats[i] = game.Hands[i].Stats;
    r.PlayHours = game.PlayHours;
    r.PlayMinutes = game.PlayMinutes;
    r.PlaySeconds = game.PlaySeconds;
    r.Reserved = game.SavedGameReserved;
    r.HourBlocks = game.HourBlocks;
    r.Strategy = game.Strategy;
    return r;
}

void ApplySavedGame(Game& game, const SavedGameRecord& r) {
    game.Options = r.Options;
    for (size_t i = 0; i < r.Stats.size(); ++i) game.Hands[i].Stats = r.Stats[i];
    game.PlayHours = r.PlayHours;
    game.PlayMinutes = r.PlayMinutes;
    game.PlaySeconds = r.PlaySeconds;
    game.SavedGameReserved = r.Reserved;
    game.HourBlocks = r.HourBlocks;
    game.Strategy = r.Strategy;
}

SavedGameBytes EncodeSavedGame(const SavedGameRecord& r) {
    SavedGameBytes bytes{};
    ByteWriter out(bytes);
    WriteOptions(out, r.Options);
    for (const Statistics& s : r.Stats) WriteStatistics(out, s);
    out.U16(r.PlayHours);
    out.U16(r.PlayMinutes);
    out.U16(r.PlaySeconds);
    out.U16(r.Reserved);
    out.U32(static_cast<uint32_t>(std::min(r.HourBlocks, kLargestSavedBlocks)));
    out.Bytes(r.Strategy.Bytes());
    assert(out.Position() == kSavedGameSize);
    return bytes;
}

SavedGameRecord DecodeSavedGame(std::span<const uint8_t, kSavedGameSize> bytes) {
    ByteReader in(bytes);
    SavedGameRecord r;
    r.Options = ReadOptions(in);
    for (Statistics& s : r.Stats) s = ReadStatistics(in);
    r.PlayHours = in.U16();
    r.PlayMinutes = in.U16();
    r.PlaySeconds = in.U16();
    r.Reserved = in.U16();
    r.HourBlocks = in.U32();
    in.Bytes(r.Strategy.Bytes());
    assert(in.Position() == kSavedGameSize);
    return r;
}

void NormaliseSavedGame(SavedGameRecord& r) {
    NormaliseOptions(r.Options);
    NormaliseStrategy(r.Strategy);
    CarryPlayTime(r);
}

std::optional<SavedGameRecord> ParseSavedGame(std::span<const uint8_t> bytes) {
    if (bytes.size() < kSavedGameSize) return std::nullopt;
    SavedGameRecord r = DecodeSavedGame(bytes.first<kSavedGameSize>());
    NormaliseSavedGame(r);
    return r;
}

std::string NormaliseGameFileName(std::string name) {
    const size_t cut = name.find_last_of('/');
    const size_t start = cut == std::string::npos ? 0 : cut + 1;
    std::transform(name.begin() + static_cast<std::ptrdiff_t>(start), name.end(),
                   name.begin() + static_cast<std::ptrdiff_t>(start),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (name.find(kGameFileExtension, start) == std::string::npos) name += kGameFileExtension;
    return name;
}

bool NamesAGameFile(std::string_view name) {
    return !name.empty() && name.find_first_of("*?") == std::string_view::npos &&
           name.back() != '/';
}

bool PickGameFileName(Game& game) {
    const std::string proposal =
        game.GameFileName.empty() ? kDefaultGameFileName : game.GameFileName;
    const std::optional<std::string> picked = game.host.PickFileName(proposal);
    if (!picked || !NamesAGameFile(*picked)) return false;
    game.GameFileName = NormaliseGameFileName(*picked);
    return true;
}

namespace {

// A pick for saving. A slip in the picker's list must not silently overwrite another
// saved game: a name of an existing file other than the game's own asks first. On
// No the game keeps its old name and nothing is written. (A folder of that name is
// left to the save, which fails and says so.)
bool PickNameToSave(Game& game, const std::filesystem::path& folder) {
    const std::string current = game.GameFileName;
    if (!PickGameFileName(game)) return false;
    std::error_code ec;
    const std::filesystem::path picked = GamePath(game, folder);
    if (!std::filesystem::is_regular_file(picked, ec)) return true;
    if (!current.empty() && std::filesystem::equivalent(picked, folder / current, ec)) return true;
    if (game.host.AskYesNo(game.GameFileName + kReplaceQuestion)) return true;
    game.GameFileName = current;
    return false;
}

}  // namespace

void SaveFileClick(Game& game, const std::filesystem::path& folder) {
    if (game.GameFileName.empty() && !PickNameToSave(game, folder)) return;
    game.AnalysisTitleRefresh = true;
    WriteGame(game, folder);
}

void SaveAs1Click(Game& game, const std::filesystem::path& folder) {
    if (!PickNameToSave(game, folder)) return;
    game.AnalysisTitleRefresh = true;
    WriteGame(game, folder);
}

void LoadFileClick(Game& game, const std::filesystem::path& folder) {
    if (!game.TableShown && !game.ResultsWindowOpen) {
        game.host.ShowMessage(kLoadTooEarlyMessage);
        return;
    }
    if (!PickGameFileName(game)) return;
    game.AnalysisTitleRefresh = true;

    const FilePrefix read = ReadFilePrefix(GamePath(game, folder), kSavedGameSize);
    switch (read.status) {
        case FilePrefix::Status::CannotOpen:
            if (game.Options.SoundOn) game.host.Beep();
            game.host.ShowMessage(kFileNotFoundMessage);
            return;
        case FilePrefix::Status::ReadError:
            game.host.ShowMessage("SORRY ... Saved Game NOT Loaded!\n" + game.GameFileName + ": " +
                                  read.error);
            return;
        case FilePrefix::Status::Short:
            game.host.ShowMessage("SORRY ... Saved Game NOT Loaded!\n" + game.GameFileName +
                                  " is not a saved game: it holds " +
                                  std::to_string(read.bytes.size()) + " of " +
                                  std::to_string(kSavedGameSize) + " bytes.");
            return;
        case FilePrefix::Status::Complete:
            ApplySavedGame(game, *ParseSavedGame(read.bytes));
            // The single-strategy view is a view of the analysis's results: a game loaded
            // into table play must not switch it on, or the player's results would go
            // unbooked.
            if (!game.ResultsWindowOpen) game.Options.SingleStrategyView = false;
            game.host.ShowMessage(std::string(kLoadedMessage).append(game.GameFileName));
            return;
    }
}

}  // namespace velmora
