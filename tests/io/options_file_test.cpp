#include "io/options_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/io/known_state.h"
#include "tests/io/temp_folder.h"
#include "tests/support/scripted_host.h"

namespace velmora {
namespace {

using testing::NoiseBytes;
using testing::ReadAll;
using testing::TempFolder;
using testing::WriteAll;

class OptionsFileTest : public ::testing::Test {
  protected:
    testing::ScriptedHost host;
    Game game{host};
    TempFolder dir;
    std::filesystem::path file = dir / kOptionsFileName;

    // The start-up sequence without an options file: load the defaults, finish the
    // first start and write the file.
    void FirstStart() {
        game.OptionsChanged = false;
        game.Options.FirstStart = true;
        LoadOptions(game, file);
        game.Options.FirstStart = false;
        SaveOptions1Click(game, file);
    }

    // A valid file whose bytes a test then garbles.
    std::vector<uint8_t> ValidFile() {
        FirstStart();
        return ReadAll(file);
    }
};

uint16_t U16At(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
std::string TextAt(const std::vector<uint8_t>& b, size_t at, size_t n) {
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at),
                       b.begin() + static_cast<std::ptrdiff_t>(at + n));
}
size_t RowOffset(int code) {
    return 20 + static_cast<size_t>(code - kFirstRowCode) * kRowBytes;
}

TEST_F(OptionsFileTest, ADefaultsFileHoldsEveryFieldAtItsOffset) {
    FirstStart();
    const std::vector<uint8_t> b = ReadAll(file);
    ASSERT_EQ(b.size(), 3904u);

    EXPECT_EQ(U16At(b, 0), 2);     // Decks
    EXPECT_EQ(U16At(b, 2), 3);     // Penetration
    EXPECT_EQ(U16At(b, 4), 25);    // TableMinimum
    EXPECT_EQ(U16At(b, 6), 8000);  // ComputerSpeed: the start-up value, no default
    const uint8_t flags[12] = {
        0,  // 8 SurrenderAllowed
        0,  // 9 DealerHitsSoft17
        1,  // 10 DoubleAnyHand
        1,  // 11 DoubleAfterSplit
        1,  // 12 ResplitAllowed
        1,  // 13 BetTwoHands
        0,  // 14 AlwaysBetMinimum
        1,  // 15 SoundOn
        1,  // 16 AdviceOn
        0,  // 17 FirstStart, cleared by the end of the first start
        0,  // 18 HideBettingIntro
        0,  // 19 SingleStrategyView
    };
    for (size_t i = 0; i < 12; ++i) EXPECT_EQ(b[8 + i], flags[i]) << "offset " << 8 + i;

    // StrategyCopy at 20: the default strategy, row by row.
    StrategyTable standard;
    ResetStrategyToDefault(standard);
    EXPECT_TRUE(std::equal(standard.Bytes().begin(), standard.Bytes().end(), b.begin() + 20));
    const std::vector<uint8_t> soft17Hit = {1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};  // ALWAYS
    const std::vector<uint8_t> hard12Hit = {0, 0, 1, 1, 0, 0, 0, 1, 1, 1, 1, 1};
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + RowOffset(217), b.begin() + RowOffset(218)),
              soft17Hit);
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + RowOffset(212), b.begin() + RowOffset(213)),
              hard12Hit);

    EXPECT_EQ(b[3872], 0);  // ModeName: no mode started yet
    EXPECT_EQ(b[3888], 11);
    EXPECT_EQ(TextAt(b, 3889, 11), "Version 1.4");
    for (size_t i = 3900; i < 3904; ++i) EXPECT_EQ(b[i], 0) << "reserved " << i;
}

TEST_F(OptionsFileTest, AShorterModeNameKeepsTheLeftoverCharactersOfTheLongerOne) {
    game.Options.ModeName.Assign("Simulation");
    ASSERT_TRUE(SaveOptions(game, file));
    game.Options.ModeName.Assign("Normal");
    ASSERT_TRUE(SaveOptions(game, file));
    const std::vector<uint8_t> b = ReadAll(file);
    EXPECT_EQ(b[3872], 6);
    EXPECT_EQ(TextAt(b, 3873, 10), "Normaltion");
    for (size_t i = 3883; i < 3888; ++i) EXPECT_EQ(b[i], 0);

    // Read back and written again, the leftovers survive.
    Game other(host);
    LoadOptions(other, file);
    EXPECT_EQ(other.Options.ModeName.Text(), "Normal");
    ASSERT_TRUE(SaveOptions(other, dir / "again.prm"));
    EXPECT_EQ(ReadAll(dir / "again.prm"), b);
}

TEST_F(OptionsFileTest, EveryFieldSurvivesEncodingAndDecoding) {
    OptionsRecord o;
    o.Decks = 6;
    o.Penetration = 2;
    o.TableMinimum = 100;
    o.ComputerSpeed = 23456;
    o.SurrenderAllowed = true;
    o.DealerHitsSoft17 = true;
    o.DoubleAnyHand = false;
    o.DoubleAfterSplit = false;
    o.ResplitAllowed = false;
    o.BetTwoHands = false;
    o.AlwaysBetMinimum = true;
    o.SoundOn = false;
    o.AdviceOn = false;
    o.FirstStart = false;
    o.HideBettingIntro = true;
    o.SingleStrategyView = true;
    SetStrategyToAdvanced(o.StrategyCopy, true);
    o.ModeName.Assign("Practice");
    o.VersionTag.Assign("Version 1.4");
    o.Reserved = {9, 8, 7, 6};

    const OptionsBytes bytes = EncodeOptions(o);
    EXPECT_EQ(bytes[0], 6);
    EXPECT_EQ(bytes[6], 23456 & 0xFF);
    EXPECT_EQ(bytes[7], 23456 >> 8);
    EXPECT_EQ(bytes[8], 1);
    EXPECT_EQ(bytes[10], 0);
    EXPECT_EQ(bytes[19], 1);
    EXPECT_EQ(bytes[3900], 9);
    EXPECT_EQ(bytes[3903], 6);
    EXPECT_EQ(DecodeOptions(bytes), o);
}

TEST_F(OptionsFileTest, SaveRefreshesTheStrategyCopyAndClearsOptionsChanged) {
    SetStrategyToAdvanced(game.Strategy, false);
    game.OptionsChanged = true;
    EXPECT_TRUE(SaveOptions(game, file));
    EXPECT_FALSE(game.OptionsChanged);
    EXPECT_EQ(game.Options.StrategyCopy, game.Strategy);
    EXPECT_TRUE(game.Options.VersionTag == kVersionTag);
    const std::vector<uint8_t> b = ReadAll(file);
    EXPECT_TRUE(
        std::equal(game.Strategy.Bytes().begin(), game.Strategy.Bytes().end(), b.begin() + 20));
    EXPECT_EQ(dir.Names(), std::set<std::string>{kOptionsFileName});

    game.OptionsChanged = true;
    SaveOptions1Click(game, dir / "other.prm");
    EXPECT_FALSE(game.OptionsChanged);
    EXPECT_EQ(ReadAll(dir / "other.prm"), b);
}

TEST_F(OptionsFileTest, AFailedSaveLeavesOptionsChangedSetAndShowsNothing) {
    game.OptionsChanged = true;
    EXPECT_FALSE(SaveOptions(game, dir / "missing-folder" / kOptionsFileName));
    EXPECT_TRUE(game.OptionsChanged);
    EXPECT_EQ(game.Options.VersionTag.Length(), 0u);  // the tag is set only by a real write
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(OptionsFileTest, LoadDoesNothingWhileOptionsChangedIsSet) {
    ValidFile();
    game.Options.Decks = 6;
    SetStrategyToAdvanced(game.Strategy, true);
    const OptionsRecord before = game.Options;
    const StrategyTable strategyBefore = game.Strategy;
    game.OptionsChanged = true;
    LoadOptions(game, file);
    EXPECT_EQ(game.Options, before);
    EXPECT_EQ(game.Strategy, strategyBefore);
}

TEST_F(OptionsFileTest, AValidFileBringsItsValuesAndItsStrategy) {
    game.Options.Decks = 4;
    game.Options.TableMinimum = 5;
    game.Options.SoundOn = false;
    game.Options.FirstStart = false;
    game.Options.ComputerSpeed = 12000;
    SetStrategyToAdvanced(game.Strategy, true);
    ASSERT_TRUE(SaveOptions(game, file));

    Game fresh(host);
    LoadOptions(fresh, file);
    EXPECT_EQ(fresh.Options, game.Options);
    EXPECT_EQ(fresh.Strategy, game.Strategy);
    EXPECT_FALSE(fresh.Options.FirstStart);
}

TEST_F(OptionsFileTest, WithoutAFileTheDefaultsApplyAndFirstStartStaysSet) {
    game.Options.Decks = 6;
    game.Options.SoundOn = false;
    game.Options.ComputerSpeed = 17000;
    game.Options.ModeName.Assign("Analysis");
    SetStrategyToAdvanced(game.Strategy, true);
    LoadOptions(game, file);

    OptionsRecord expected;  // the defaults, and the start-up values of the others
    expected.ComputerSpeed = 17000;
    expected.ModeName.Assign("Analysis");
    EXPECT_EQ(game.Options, expected);
    EXPECT_TRUE(game.Options.FirstStart);
    StrategyTable standard;
    ResetStrategyToDefault(standard);
    EXPECT_EQ(game.Strategy, standard);
}

TEST_F(OptionsFileTest, AShortFileCountsAsNoFile) {
    std::vector<uint8_t> b = ValidFile();
    b[0] = 6;  // Decks 6, and the file's speed, which a partial read would bring
    b[6] = 0x39;
    b[7] = 0x30;
    b.resize(3903);
    WriteAll(file, b);

    Game fresh(host);
    fresh.Options.ComputerSpeed = 9000;
    LoadOptions(fresh, file);
    EXPECT_EQ(fresh.Options.Decks, 2);
    EXPECT_EQ(fresh.Options.ComputerSpeed, 9000);
    EXPECT_TRUE(fresh.Options.FirstStart);

    WriteAll(file, {});
    Game empty(host);
    LoadOptions(empty, file);
    EXPECT_EQ(empty.Options, OptionsRecord{});
}

TEST_F(OptionsFileTest, ALongerFileIsReadOnlyAsFarAsItsFirstRecord) {
    std::vector<uint8_t> b = ValidFile();
    b[0] = 4;
    const std::vector<uint8_t> record = b;
    b.insert(b.end(), 500, 0xEE);
    WriteAll(file, b);

    Game fresh(host);
    LoadOptions(fresh, file);
    EXPECT_EQ(fresh.Options.Decks, 4);
    const OptionsBytes again = EncodeOptions(fresh.Options);
    EXPECT_TRUE(std::equal(record.begin(), record.end(), again.begin()));
}

TEST_F(OptionsFileTest, AnotherVersionGivesDefaultsButKeepsTheFieldsWithoutOne) {
    std::vector<uint8_t> b = ValidFile();
    b[0] = 6;                    // Decks: has a default
    b[6] = 0x10, b[7] = 0x27;    // ComputerSpeed 10000: kept
    b[15] = 0;                   // SoundOn: has a default
    b[17] = 1;                   // FirstStart: kept
    b[19] = 1;                   // SingleStrategyView: kept
    b[RowOffset(218) + 10] = 1;  // StrategyCopy: kept, but not used
    b[3872] = 8;
    std::copy_n("Practice", 8, b.begin() + 3873);
    b[3899] = '3';   // "Version 1.3"
    b[3901] = 0x5A;  // reserved: kept
    WriteAll(file, b);

    Game fresh(host);
    LoadOptions(fresh, file);
    EXPECT_EQ(fresh.Options.Decks, 2);
    EXPECT_TRUE(fresh.Options.SoundOn);
    EXPECT_EQ(fresh.Options.ComputerSpeed, 10000);
    EXPECT_TRUE(fresh.Options.FirstStart);
    EXPECT_TRUE(fresh.Options.SingleStrategyView);
    EXPECT_EQ(fresh.Options.StrategyCopy.Cell(218, 10), 1);
    EXPECT_EQ(fresh.Options.ModeName.Text(), "Practice");
    EXPECT_EQ(fresh.Options.VersionTag.Text(), "Version 1.3");
    EXPECT_EQ(fresh.Options.Reserved[1], 0x5A);
    StrategyTable standard;
    ResetStrategyToDefault(standard);
    EXPECT_EQ(fresh.Strategy, standard);
}

TEST_F(OptionsFileTest, TheTagsLengthByteIsPartOfTheVersion) {
    // "Version 1.4" followed by more characters, or a length byte no tag can have,
    // is another version: defaults, but the fields without a default keep the file's.
    const std::vector<uint8_t> valid = ValidFile();
    for (uint8_t length : {12, 255}) {
        SCOPED_TRACE(int(length));
        std::vector<uint8_t> b = valid;
        b[0] = 6;                  // Decks: has a default
        b[6] = 0x10, b[7] = 0x27;  // ComputerSpeed 10000: kept
        b[3888] = length;
        b[3900] = '5';  // the twelfth character, in the reserved bytes: "Version 1.45"
        WriteAll(file, b);
        Game fresh(host);
        SetStrategyToAdvanced(fresh.Strategy, false);
        EXPECT_FALSE(ApplyOptionsFile(fresh, ReadAll(file)));
        EXPECT_EQ(fresh.Options.Decks, 2);
        EXPECT_EQ(fresh.Options.ComputerSpeed, 10000);
        EXPECT_EQ(fresh.Options.Reserved[0], '5');
        StrategyTable standard;
        ResetStrategyToDefault(standard);
        EXPECT_EQ(fresh.Strategy, standard);
    }
    // The tag as written is this version's.
    Game fresh(host);
    EXPECT_TRUE(ApplyOptionsFile(fresh, valid));
}

TEST_F(OptionsFileTest, GarbledValuesAreBroughtIntoTheirListsAndWrittenBackOnlyAtTheNextSave) {
    std::vector<uint8_t> b = ValidFile();
    b[0] = 3;                             // Decks 3 -> 8
    b[2] = 7;                             // Penetration 7 -> 3
    b[4] = 50;                            // TableMinimum 50 -> 100
    b[6] = 5, b[7] = 0;                   // ComputerSpeed 5 -> 1000
    b[9] = 0xC3;                          // DealerHitsSoft17: true
    b[14] = 2;                            // AlwaysBetMinimum: true
    b[RowOffset(213) + 3] = 7;            // a cell byte 7 -> 1
    b[RowOffset(420) + kAlwaysMark] = 1;  // NEVER row with both marks -> neither
    b[RowOffset(308) + kAlwaysMark] = 1;  // ALWAYS on a row with clear cells -> dropped
    b[3872] = 200;                        // ModeName longer than it can be
    WriteAll(file, b);

    Game fresh(host);
    LoadOptions(fresh, file);
    EXPECT_EQ(fresh.Options.Decks, 8);
    EXPECT_EQ(fresh.Options.Penetration, 3);
    EXPECT_EQ(fresh.Options.TableMinimum, 100);
    EXPECT_EQ(fresh.Options.ComputerSpeed, 1000);
    EXPECT_TRUE(fresh.Options.DealerHitsSoft17);
    EXPECT_TRUE(fresh.Options.AlwaysBetMinimum);
    EXPECT_TRUE(fresh.Strategy.IsOk());
    EXPECT_TRUE(fresh.Options.StrategyCopy.IsOk());
    EXPECT_EQ(fresh.Strategy.Cell(213, 3), 1);
    EXPECT_FALSE(fresh.Strategy.HasAlwaysMark(420));
    EXPECT_FALSE(fresh.Strategy.HasNeverMark(420));
    EXPECT_FALSE(fresh.Strategy.Takes(420, 5));
    EXPECT_FALSE(fresh.Strategy.HasAlwaysMark(308));
    EXPECT_TRUE(fresh.Strategy.Takes(308, 5));  // the cells, which play reads, stay
    EXPECT_EQ(fresh.Options.ModeName.Length(), 15u);
    EXPECT_EQ(ReadAll(file), b);  // loading writes nothing

    ASSERT_TRUE(SaveOptions(fresh, file));
    const std::vector<uint8_t> saved = ReadAll(file);
    EXPECT_EQ(U16At(saved, 0), 8);
    EXPECT_EQ(U16At(saved, 4), 100);
    EXPECT_EQ(saved[9], 1);
    EXPECT_EQ(saved[14], 1);
    EXPECT_EQ(saved[RowOffset(213) + 3], 1);
    EXPECT_EQ(saved[3872], 15);

    b[6] = 0x60, b[7] = 0xEA;  // 60000 -> 25000
    WriteAll(file, b);
    LoadOptions(fresh, file);
    EXPECT_EQ(fresh.Options.ComputerSpeed, 25000);
}

// The state a loaded options file may leave: the values the settings windows know.
void ExpectKnownState(const Game& g) {
    testing::ExpectKnownRules(g);
    EXPECT_LE(g.Options.ModeName.Raw[0], 15);
    EXPECT_LE(g.Options.VersionTag.Raw[0], 11);
}

TEST_F(OptionsFileTest, RandomBytesNeverLeaveAStateTheRulesDoNotKnow) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        std::vector<uint8_t> b = NoiseBytes(3904 + seed * 13, seed);
        if (seed % 2 == 0) {  // half of them carry the right tag, so they are used
            b[3888] = 11;
            std::copy_n("Version 1.4", 11, b.begin() + 3889);
        }
        WriteAll(file, b);
        Game fresh(host);
        LoadOptions(fresh, file);
        ExpectKnownState(fresh);
        if (seed % 2 == 0) {
            EXPECT_EQ(fresh.Strategy, fresh.Options.StrategyCopy);
        }
    }
}

}  // namespace
}  // namespace velmora
