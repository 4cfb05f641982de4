// Feeds arbitrary bytes to the saved-game loader as the content of a game file
// and checks that nothing of a short file is used, that the game comes out in a
// state its rules know, and that a loaded game saved and loaded again is the same.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/null_host.h"
#include "io/options_file.h"
#include "io/saved_game_file.h"

using namespace velmora;

namespace {

bool StatisticsAreFinite(const Statistics& s) {
    for (size_t i = 0; i < s.ResultByCount.size(); ++i)
        if (!std::isfinite(s.ResultByCount[i]) || !std::isfinite(s.StakeByCount[i])) return false;
    for (double v : {s.HourNet, s.TotalNet, s.TotalStaked, s.BankrollSwing, s.Wins, s.LossUnits})
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto record = ParseSavedGame(std::span<const uint8_t>(data, size));
    fuzz::Require(record.has_value() == (size >= kSavedGameSize));
    if (!record) return 0;

    fuzz::NullHost host;
    Game game(host);
    ApplySavedGame(game, *record);
    const OptionsRecord& o = game.Options;
    fuzz::Require(IsValidDecks(o.Decks));
    fuzz::Require(IsValidPenetration(o.Penetration));
    fuzz::Require(IsValidTableMinimum(o.TableMinimum));
    fuzz::Require(o.ComputerSpeed >= kMinComputerSpeed && o.ComputerSpeed <= kMaxComputerSpeed);
    fuzz::Require(game.Strategy.IsOk() && o.StrategyCopy.IsOk());
    fuzz::Require(game.PlayMinutes < 60 && game.PlaySeconds < 60);
    for (const THand& h : game.Hands) fuzz::Require(StatisticsAreFinite(h.Stats));

    const SavedGameBytes bytes = EncodeSavedGame(BuildSavedGame(game));
    fuzz::Require(ParseSavedGame(bytes) == record);
    return 0;
}
