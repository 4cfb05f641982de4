// Feeds arbitrary bytes to the options loader as the content of "VLM.PRM" and
// checks that the game comes out in a state its rules know, and that a loaded
// record written out and read back stays the same.

#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/null_host.h"
#include "io/options_file.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::NullHost host;
    Game game(host);
    ApplyOptionsFile(game, std::span<const uint8_t>(data, size));

    const OptionsRecord& o = game.Options;
    fuzz::Require(IsValidDecks(o.Decks));
    fuzz::Require(IsValidPenetration(o.Penetration));
    fuzz::Require(IsValidTableMinimum(o.TableMinimum));
    fuzz::Require(o.ComputerSpeed >= kMinComputerSpeed && o.ComputerSpeed <= kMaxComputerSpeed);
    fuzz::Require(o.ModeName.Raw[0] <= 15 && o.VersionTag.Raw[0] <= 11);
    fuzz::Require(game.Strategy.IsOk() && o.StrategyCopy.IsOk());
    // A short file is no file: the start-up record with the defaults.
    if (size < kOptionsRecordSize) {
        OptionsRecord startup;
        ApplyDefaultOptions(startup);
        fuzz::Require(o == startup);
    }

    const OptionsBytes bytes = EncodeOptions(o);
    OptionsRecord again = DecodeOptions(bytes);
    NormaliseOptions(again);
    fuzz::Require(again == o);
    return 0;
}
