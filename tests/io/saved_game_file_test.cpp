#include "io/saved_game_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "analysis/grid_text.h"
#include "io/options_file.h"
#include "io/real48.h"
#include "tests/io/file_size_limit.h"
#include "tests/io/known_state.h"
#include "tests/io/temp_folder.h"
#include "tests/support/scripted_host.h"

namespace velmora {
namespace {

using testing::FileSizeLimit;
using testing::NoiseBytes;
using testing::ReadAll;
using testing::TempFolder;
using testing::WriteAll;

// Statistics a game could have built: whole and half dollars, and counters.
Statistics SomeStatistics(int seed) {
    Statistics s;
    for (int c = kMinCountIndex; c <= kMaxCountIndex; ++c) {
        s.ResultAt(c) = -1000.5 + 37.5 * c + seed;
        s.StakeAt(c) = 5000 + 25.0 * c * c + seed;
        s.HourAt(c) = c * 3 - seed;
    }
    s.HourNet = 5000 + seed;  // table play starts the block at the bankroll
    s.TotalNet = -12345.5 * seed;
    s.TotalStaked = 987654.0 + seed;
    s.BankrollSwing = -2499.5;
    s.Wins = 4321 + seed;
    s.LossUnits = 4400.5;
    s.BankrollsLost = 3 + seed;
    s.BankrollsWon = 2;
    s.HandsPlayed = 100000 + seed;
    s.Splits = 2500;
    s.Doubles = 9000;
    s.Blackjacks = 4500;
    return s;
}

class SavedGameTest : public ::testing::Test {
  protected:
    testing::ScriptedHost host;
    Game game{host};
    TempFolder dir;

    // A game under way whose every saved part differs from a fresh game.
    void Play(Game& g) {
        g.TableShown = true;
        g.Options.Decks = 6;
        g.Options.Penetration = 2;
        g.Options.TableMinimum = 100;
        g.Options.SurrenderAllowed = true;
        g.Options.AdviceOn = false;
        g.Options.ModeName.Assign("Normal");
        SetStrategyToAdvanced(g.Options.StrategyCopy, false);
        SetStrategyToAdvanced(g.Strategy, true);
        for (int i = 0; i < kHandCount; ++i) g.Hand(i).Stats = SomeStatistics(i);
        g.PlayHours = 12;
        g.PlayMinutes = 34;
        g.PlaySeconds = 56;
        g.HourBlocks = 789;
        g.SavedGameReserved = 0xBEEF;
    }

    // Saves the played game as `name`; the save's confirmation is taken off the boxes.
    std::vector<uint8_t> SavedFile(const std::string& name) {
        Play(game);
        host.pickedNames.push_back(name);
        SaveFileClick(game, dir.Path());
        TakeConfirmation(SavedMessage(game.GameFileName));
        return ReadAll(dir / game.GameFileName);
    }

    // A second game, under way, that loads `name`; a load that went through leaves its
    // confirmation off the boxes.
    void LoadInto(Game& g, const std::string& name) {
        g.TableShown = true;
        host.pickedNames.push_back(name);
        LoadFileClick(g, dir.Path());
        if (g.AnalysisTitleRefresh && !host.boxes.empty() &&
            host.boxes.back() == "message: Loaded " + g.GameFileName)
            host.boxes.pop_back();
    }

    void TakeConfirmation(const std::string& text) {
        ASSERT_FALSE(host.boxes.empty());
        EXPECT_EQ(host.boxes.back(), "message: " + text);
        host.boxes.pop_back();
    }
};

TEST(GameFileName, IsUpperCasedWithTheExtensionAddedOnce) {
    EXPECT_EQ(NormaliseGameFileName("mygame"), "MYGAME.VLM");
    EXPECT_EQ(NormaliseGameFileName("x.vlm"), "X.VLM");
    EXPECT_EQ(NormaliseGameFileName("lastgame.vlm"), "LASTGAME.VLM");
    EXPECT_EQ(NormaliseGameFileName("game.vlm.old"), "GAME.VLM.OLD");
    EXPECT_EQ(NormaliseGameFileName("a.vlmx"), "A.VLMX");
    EXPECT_EQ(NormaliseGameFileName("game.txt"), "GAME.TXT.VLM");
    // A folder part stays as typed; its name says nothing about the extension.
    EXPECT_EQ(NormaliseGameFileName("saves/old.vlm/game"), "saves/old.vlm/GAME.VLM");
}

TEST_F(SavedGameTest, TheRecordHoldsEachPartAtItsOffset) {
    Play(game);
    const SavedGameBytes b = EncodeSavedGame(BuildSavedGame(game));
    ASSERT_EQ(b.size(), 9748u);

    const OptionsBytes options = EncodeOptions(game.Options);
    EXPECT_TRUE(std::equal(options.begin(), options.end(), b.begin()));

    auto realAt = [&](size_t at) { return Real48ToDouble(std::span<const uint8_t, 6>(&b[at], 6)); };
    auto i32At = [&](size_t at) {
        return static_cast<int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                                    static_cast<uint32_t>(b[at + 3]) << 24);
    };
    for (int h = 0; h < kHandCount; ++h) {
        const size_t block = 3904 + 396 * static_cast<size_t>(h);
        const Statistics& s = game.Hand(h).Stats;
        SCOPED_TRACE(h);
        EXPECT_EQ(realAt(block + 0), s.ResultAt(-10));
        EXPECT_EQ(realAt(block + 6 * 20), s.ResultAt(10));
        EXPECT_EQ(realAt(block + 126), s.StakeAt(-10));
        EXPECT_EQ(realAt(block + 126 + 6 * 13), s.StakeAt(3));
        EXPECT_EQ(i32At(block + 252), s.HourAt(-10));
        EXPECT_EQ(i32At(block + 252 + 4 * 20), s.HourAt(10));
        EXPECT_EQ(realAt(block + 336), s.HourNet);
        EXPECT_EQ(realAt(block + 342), s.TotalNet);
        EXPECT_EQ(realAt(block + 348), s.TotalStaked);
        EXPECT_EQ(realAt(block + 354), s.BankrollSwing);
        EXPECT_EQ(realAt(block + 360), s.Wins);
        EXPECT_EQ(realAt(block + 366), s.LossUnits);
        EXPECT_EQ(i32At(block + 372), s.BankrollsLost);
        EXPECT_EQ(i32At(block + 376), s.BankrollsWon);
        EXPECT_EQ(i32At(block + 380), s.HandsPlayed);
        EXPECT_EQ(i32At(block + 384), s.Splits);
        EXPECT_EQ(i32At(block + 388), s.Doubles);
        EXPECT_EQ(i32At(block + 392), s.Blackjacks);
    }
    EXPECT_EQ(b[5884], 12);
    EXPECT_EQ(b[5885], 0);
    EXPECT_EQ(b[5886], 34);
    EXPECT_EQ(b[5888], 56);
    EXPECT_EQ(b[5890], 0xEF);
    EXPECT_EQ(b[5891], 0xBE);
    EXPECT_EQ(i32At(5892), 789);
    EXPECT_TRUE(
        std::equal(game.Strategy.Bytes().begin(), game.Strategy.Bytes().end(), b.begin() + 5896));
    EXPECT_FALSE(game.Strategy == game.Options.StrategyCopy);  // the live table, not the copy
}

TEST_F(SavedGameTest, AGameSavedAndLoadedBackIsRestoredExactly) {
    const std::vector<uint8_t> b = SavedFile("mygame");
    EXPECT_EQ(game.GameFileName, "MYGAME.VLM");
    EXPECT_EQ(b.size(), 9748u);

    Game other(host);
    other.TableShown = true;
    host.pickedNames.push_back("mygame");
    LoadFileClick(other, dir.Path());
    EXPECT_EQ(host.boxes, std::vector<std::string>{"message: Loaded MYGAME.VLM"});
    EXPECT_EQ(other.Options, game.Options);
    EXPECT_EQ(other.Strategy, game.Strategy);
    for (int h = 0; h < kHandCount; ++h) EXPECT_EQ(other.Hand(h).Stats, game.Hand(h).Stats) << h;
    EXPECT_EQ(other.PlayHours, 12);
    EXPECT_EQ(other.PlayMinutes, 34);
    EXPECT_EQ(other.PlaySeconds, 56);
    EXPECT_EQ(other.HourBlocks, 789u);
    EXPECT_EQ(other.SavedGameReserved, 0xBEEF);
    EXPECT_EQ(other.GameFileName, "MYGAME.VLM");
    EXPECT_TRUE(other.AnalysisTitleRefresh);

    // Saved again, the file is the same byte for byte.
    other.GameFileName = "COPY.VLM";
    SaveFileClick(other, dir.Path());
    EXPECT_EQ(ReadAll(dir / "COPY.VLM"), b);
}

TEST_F(SavedGameTest, SaveProposesLastgameOnceAndThenKeepsTheName) {
    host.pickedNames.push_back("lastgame.vlm");
    SaveFileClick(game, dir.Path());
    EXPECT_EQ(host.proposals, std::vector<std::string>{"lastgame.vlm"});
    EXPECT_EQ(game.GameFileName, "LASTGAME.VLM");
    // The save says it is done, and what a saved game does not keep.
    EXPECT_EQ(host.boxes,
              std::vector<std::string>{
                  "message: Saved LASTGAME.VLM (the bankroll is not part of a saved game)"});
    host.boxes.clear();
    EXPECT_TRUE(game.AnalysisTitleRefresh);
    EXPECT_EQ(dir.Names(), std::set<std::string>{"LASTGAME.VLM"});
    EXPECT_EQ(ReadAll(dir / "LASTGAME.VLM").size(), 9748u);

    game.HourBlocks = 5;
    SaveFileClick(game, dir.Path());  // no picker this time
    EXPECT_EQ(host.proposals.size(), 1u);
    EXPECT_EQ(ReadAll(dir / "LASTGAME.VLM")[5892], 5);
    TakeConfirmation(SavedMessage("LASTGAME.VLM"));

    host.pickedNames.push_back("second");
    SaveAs1Click(game, dir.Path());
    EXPECT_EQ(host.proposals.back(), "LASTGAME.VLM");
    EXPECT_EQ(game.GameFileName, "SECOND.VLM");
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"LASTGAME.VLM", "SECOND.VLM"}));
    TakeConfirmation(SavedMessage("SECOND.VLM"));
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(SavedGameTest, ACancelledOrEmptyPickDoesNothing) {
    game.TableShown = true;
    game.GameFileName = "KEEP.VLM";
    host.pickedNames = {std::nullopt, std::string(), std::nullopt};
    SaveAs1Click(game, dir.Path());
    SaveAs1Click(game, dir.Path());
    LoadFileClick(game, dir.Path());
    EXPECT_EQ(game.GameFileName, "KEEP.VLM");
    EXPECT_FALSE(game.AnalysisTitleRefresh);
    EXPECT_TRUE(dir.Names().empty());
    EXPECT_TRUE(host.boxes.empty());

    Game fresh(host);
    host.pickedNames.push_back(std::nullopt);
    SaveFileClick(fresh, dir.Path());
    EXPECT_TRUE(fresh.GameFileName.empty());
    EXPECT_TRUE(dir.Names().empty());
}

TEST_F(SavedGameTest, AMaskOrAFolderIsNeverTakenForAName) {
    game.TableShown = true;
    game.GameFileName = "KEEP.VLM";
    host.pickedNames = {std::string("*.vlm"), std::string("game?.vlm"), std::string("saves/")};
    SaveAs1Click(game, dir.Path());
    SaveAs1Click(game, dir.Path());
    LoadFileClick(game, dir.Path());
    EXPECT_EQ(game.GameFileName, "KEEP.VLM");
    EXPECT_FALSE(game.AnalysisTitleRefresh);
    EXPECT_TRUE(dir.Names().empty());
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(SavedGameTest, SavingOverAnotherSavedGameAsksFirst) {
    SavedFile("first");  // the game is FIRST.VLM now
    game.AnalysisTitleRefresh = false;
    WriteAll(dir / "OTHER.VLM", {1, 2, 3});
    const std::string question = "question: OTHER.VLM already exists - Do You Want to Replace It?";

    host.pickedNames.push_back("other");
    host.answers = {false};
    SaveAs1Click(game, dir.Path());
    EXPECT_EQ(host.boxes, std::vector<std::string>{question});
    EXPECT_EQ(ReadAll(dir / "OTHER.VLM"), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(game.GameFileName, "FIRST.VLM");  // No: as if nothing had been picked
    EXPECT_FALSE(game.AnalysisTitleRefresh);

    // Its own file is replaced without a question.
    host.pickedNames.push_back("first.vlm");
    SaveAs1Click(game, dir.Path());
    TakeConfirmation(SavedMessage("FIRST.VLM"));
    EXPECT_EQ(host.boxes.size(), 1u);

    host.pickedNames.push_back("other");
    host.answers = {true};
    SaveAs1Click(game, dir.Path());
    TakeConfirmation(SavedMessage("OTHER.VLM"));
    EXPECT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(game.GameFileName, "OTHER.VLM");
    EXPECT_EQ(ReadAll(dir / "OTHER.VLM").size(), 9748u);

    // The first Save of a new game asks too when the name it picks is taken.
    Game fresh(host);
    host.pickedNames.push_back("lastgame.vlm");
    WriteAll(dir / "LASTGAME.VLM", {7});
    SaveFileClick(fresh, dir.Path());
    EXPECT_EQ(host.boxes.back(),
              "question: LASTGAME.VLM already exists - Do You Want to Replace It?");
    EXPECT_EQ(ReadAll(dir / "LASTGAME.VLM"), std::vector<uint8_t>{7});
    EXPECT_TRUE(fresh.GameFileName.empty());
}

TEST_F(SavedGameTest, RelativeNamesAreTakenInTheCurrentFolder) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    host.pickedNames.push_back("here");
    SaveFileClick(game);
    std::filesystem::current_path(previous);
    EXPECT_EQ(ReadAll(dir / "HERE.VLM").size(), 9748u);
}

TEST_F(SavedGameTest, LoadBeforeAnyModeIsStartedIsRefused) {
    LoadFileClick(game, dir.Path());
    EXPECT_EQ(host.boxes,
              std::vector<std::string>{"message: Load Game File AFTER You Start Playing"});
    EXPECT_TRUE(host.proposals.empty());

    // The open results window of an analysis is enough.
    SavedFile("game");
    Game analysis(host);
    analysis.ResultsWindowOpen = true;
    host.pickedNames.push_back("game");
    LoadFileClick(analysis, dir.Path());
    EXPECT_EQ(analysis.HourBlocks, 789u);
}

TEST_F(SavedGameTest, TheSingleStrategyViewIsLoadedOnlyIntoAnAnalysis) {
    Play(game);
    game.Options.SingleStrategyView = true;
    host.pickedNames.push_back("single");
    SaveFileClick(game, dir.Path());

    Game analysis(host);
    analysis.ResultsWindowOpen = true;
    host.pickedNames.push_back("single");
    LoadFileClick(analysis, dir.Path());
    EXPECT_TRUE(analysis.Options.SingleStrategyView);

    // At the table the view would leave the player's own results unbooked.
    Game table(host);
    LoadInto(table, "single");
    EXPECT_FALSE(table.Options.SingleStrategyView);
    EXPECT_EQ(table.Options.Decks, 6);
}

TEST_F(SavedGameTest, AMissingFileBeepsWhenSoundIsOnAndKeepsThePickedName) {
    Play(game);
    const SavedGameRecord before = BuildSavedGame(game);
    host.pickedNames.push_back("nothere");
    LoadFileClick(game, dir.Path());
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(host.boxes, std::vector<std::string>{"message: ERROR... File Not Found!"});
    EXPECT_EQ(BuildSavedGame(game), before);
    EXPECT_EQ(game.GameFileName, "NOTHERE.VLM");
    EXPECT_TRUE(game.AnalysisTitleRefresh);

    SaveFileClick(game, dir.Path());  // writes under the picked name, without a picker
    EXPECT_EQ(ReadAll(dir / "NOTHERE.VLM").size(), 9748u);
    TakeConfirmation(SavedMessage("NOTHERE.VLM"));

    game.Options.SoundOn = false;
    host.pickedNames.push_back("gone");
    LoadFileClick(game, dir.Path());
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(host.boxes.size(), 2u);
}

TEST_F(SavedGameTest, AShortFileIsRefusedAndNothingOfItIsApplied) {
    std::vector<uint8_t> b = SavedFile("game");
    b.resize(9747);
    WriteAll(dir / "GAME.VLM", b);

    Game other(host);
    other.TableShown = true;
    const SavedGameRecord before = BuildSavedGame(other);
    host.pickedNames.push_back("game");
    LoadFileClick(other, dir.Path());
    EXPECT_EQ(BuildSavedGame(other), before);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0],
              "message: SORRY ... Saved Game NOT Loaded!\n"
              "GAME.VLM is not a saved game: it holds 9747 of 9748 bytes.");
    EXPECT_EQ(host.beeps, 0);
}

TEST_F(SavedGameTest, ALongerFileIsReadOnlyAsFarAsItsFirstRecord) {
    std::vector<uint8_t> b = SavedFile("game");
    b.insert(b.end(), 3000, 0x77);
    WriteAll(dir / "GAME.VLM", b);
    Game other(host);
    LoadInto(other, "game");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(BuildSavedGame(other), BuildSavedGame(game));
}

TEST_F(SavedGameTest, TheOptionsOfASavedGameApplyWhateverTheirVersionTag) {
    std::vector<uint8_t> b = SavedFile("game");
    b[3888] = 0;  // no tag at all
    WriteAll(dir / "GAME.VLM", b);
    Game other(host);
    LoadInto(other, "game");
    EXPECT_EQ(other.Options.Decks, 6);
    EXPECT_EQ(other.Options.TableMinimum, 100);
    EXPECT_EQ(other.Strategy, game.Strategy);
}

TEST_F(SavedGameTest, DecksOutsideTheirListLoadAsEight) {
    std::vector<uint8_t> b = SavedFile("game");
    for (uint8_t decks : {0, 9, 3}) {
        b[0] = decks;
        WriteAll(dir / "GAME.VLM", b);
        Game other(host);
        LoadInto(other, "game");
        EXPECT_EQ(other.Options.Decks, 8) << int(decks);
    }
}

TEST_F(SavedGameTest, GarbledValuesAreBroughtIntoTheirLists) {
    std::vector<uint8_t> b = SavedFile("game");
    b[2] = 9;                  // Penetration -> 3
    b[4] = 1;                  // TableMinimum -> 100
    b[6] = 0xFF, b[7] = 0xFF;  // ComputerSpeed -> 25000
    b[13] = 0x80;              // BetTwoHands -> true
    b[20 + 5] = 3;             // a strategy copy byte -> 1
    const size_t row416 = 5896 + (416 - kFirstRowCode) * kRowBytes;
    b[row416 + kNeverMark] = 1;      // both marks on the live table -> neither
    b[5896 + 100] = 0xFE;            // a live strategy byte -> 1
    b[5884] = 1, b[5885] = 0;        // 1 hour,
    b[5886] = 125, b[5887] = 0;      // 125 minutes,
    b[5888] = 0x2C, b[5889] = 0x01;  // 300 seconds: 3 hours 10 minutes
    WriteAll(dir / "GAME.VLM", b);

    Game other(host);
    LoadInto(other, "game");
    EXPECT_EQ(other.Options.Penetration, 3);
    EXPECT_EQ(other.Options.TableMinimum, 100);
    EXPECT_EQ(other.Options.ComputerSpeed, 25000);
    EXPECT_TRUE(other.Options.BetTwoHands);
    EXPECT_TRUE(other.Options.StrategyCopy.IsOk());
    EXPECT_TRUE(other.Strategy.IsOk());
    EXPECT_FALSE(other.Strategy.HasAlwaysMark(416));
    EXPECT_FALSE(other.Strategy.HasNeverMark(416));
    EXPECT_EQ(other.Strategy.Bytes()[100], 1);
    EXPECT_EQ(other.PlayHours, 3);
    EXPECT_EQ(other.PlayMinutes, 10);
    EXPECT_EQ(other.PlaySeconds, 0);
    EXPECT_EQ(ReadAll(dir / "GAME.VLM"), b);  // loading writes nothing
}

TEST_F(SavedGameTest, RandomBytesLoadIntoAStateTheRulesKnow) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        WriteAll(dir / "NOISE.VLM", NoiseBytes(9748 + seed, seed));
        Game other(host);
        LoadInto(other, "noise");
        testing::ExpectKnownRules(other);
        EXPECT_LT(other.PlayMinutes, 60);
        EXPECT_LT(other.PlaySeconds, 60);
        for (const THand& h : other.Hands) {
            for (double v : h.Stats.ResultByCount) ASSERT_TRUE(std::isfinite(v));
            ASSERT_TRUE(std::isfinite(h.Stats.TotalNet));
        }
    }
}

TEST_F(SavedGameTest, AFailedSaveTellsThePlayerAndKeepsTheOldFile) {
    const std::vector<uint8_t> old = SavedFile("game");
    game.HourBlocks = 1;
    {
        FileSizeLimit limit(4096);
        SaveFileClick(game, dir.Path());
    }
    EXPECT_EQ(ReadAll(dir / "GAME.VLM"), old);
    EXPECT_EQ(dir.Names(), std::set<std::string>{"GAME.VLM"});
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0], "message: SORRY ... Game NOT Saved!\nGAME.VLM: " +
                                 std::generic_category().message(EFBIG));

    // Save As to a name that is a folder.
    std::filesystem::create_directory(dir / "FOLDER.VLM");
    host.pickedNames.push_back("folder");
    SaveAs1Click(game, dir.Path());
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].rfind("message: SORRY ... Game NOT Saved!\nFOLDER.VLM: ", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "FOLDER.VLM"));
}

TEST_F(SavedGameTest, AGameTooLargeForTheFileIsSavedSmallerWithEveryRateKept) {
    // Hours of analysis: 5 billion hands and more for every strategy.
    Play(game);
    game.ResultsWindowOpen = true;
    constexpr int64_t kTimes = 50'000;  // a multiple of the divisor: no rounding below
    for (int h = 0; h < kHandCount; ++h) {
        Statistics& s = game.Hand(h).Stats;
        for (int c = kMinCountIndex; c <= kMaxCountIndex; ++c) {
            s.ResultAt(c) *= kTimes;
            s.StakeAt(c) *= kTimes;
            s.HourAt(c) *= kTimes;
        }
        for (double* v : {&s.TotalNet, &s.TotalStaked, &s.Wins, &s.LossUnits}) *v *= kTimes;
        for (int64_t* v : {&s.BankrollsLost, &s.BankrollsWon, &s.HandsPlayed, &s.Splits, &s.Doubles,
                           &s.Blackjacks})
            *v *= kTimes;
    }
    game.HourBlocks = 789 * kTimes;
    host.pickedNames.push_back("big");
    SaveFileClick(game, dir.Path());
    const std::string shown = RenderAllFormats(game);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0],
              "message: Saved BIG.VLM (the bankroll is not part of a saved game)\nIts statistics "
              "were larger than a saved game "
              "holds: every count and amount was saved divided by 4. Every share, rate and "
              "average (and the advantage) is kept; the totals of hands, hours and bankrolls "
              "read 1/4 of the game's.");
    const std::vector<uint8_t> b = ReadAll(dir / "BIG.VLM");
    const size_t handsPlayed1 = 3904 + 396 + 380;
    EXPECT_EQ(b[handsPlayed1] | b[handsPlayed1 + 1] << 8 | b[handsPlayed1 + 2] << 16 |
                  int64_t{b[handsPlayed1 + 3]} << 24,
              game.StatsOf(1).HandsPlayed / 4);

    Game other(host);
    LoadInto(other, "big");
    EXPECT_EQ(other.HourBlocks, game.HourBlocks / 4);
    EXPECT_EQ(other.StatsOf(2).Splits, game.StatsOf(2).Splits / 4);
    EXPECT_EQ(other.StatsOf(3).TotalNet, game.StatsOf(3).TotalNet / 4);
    // The current hour and bankroll are not totals: they stay.
    EXPECT_EQ(other.StatsOf(4).HourNet, game.StatsOf(4).HourNet);
    EXPECT_EQ(other.StatsOf(4).BankrollSwing, game.StatsOf(4).BankrollSwing);

    // What the results window shows: every line the same but the totals.
    std::istringstream before(shown), after(RenderAllFormats(other));
    std::string was, is;
    int totals = 0;
    while (std::getline(before, was) && std::getline(after, is)) {
        const bool total = was.find(" Total Hands") != std::string::npos ||
                           was.find(" Won $") != std::string::npos ||
                           was.find(" Lost $") != std::string::npos;
        if (total) {
            ++totals;
            EXPECT_NE(was, is);
        } else {
            EXPECT_EQ(was, is);
        }
    }
    EXPECT_EQ(totals, 3);
    EXPECT_FALSE(std::getline(after, is));
}

TEST(SavedGameRecord, ScaleToFitHalvesUntilEveryCounterFitsAndNeverWraps) {
    SavedGameRecord r;
    r.Stats[1].HandsPlayed = INT32_MAX;
    r.HourBlocks = UINT32_MAX;
    EXPECT_EQ(ScaleToFit(r), 1u);  // the largest values that fit are kept
    EXPECT_EQ(r.Stats[1].HandsPlayed, INT32_MAX);

    r.Stats[1].HandsPlayed = int64_t{INT32_MAX} + 1;
    r.Stats[1].Blackjacks = 7;  // 3.5: halves round away from zero
    r.Stats[1].HourAt(-3) = -7;
    r.Stats[1].TotalNet = -1234.5;
    r.Stats[1].HourNet = 99;
    EXPECT_EQ(ScaleToFit(r), 2u);
    EXPECT_EQ(r.Stats[1].HandsPlayed, 1 << 30);
    EXPECT_EQ(r.Stats[1].Blackjacks, 4);
    EXPECT_EQ(r.Stats[1].HourAt(-3), -4);
    EXPECT_EQ(r.Stats[1].TotalNet, -617.25);
    EXPECT_EQ(r.Stats[1].HourNet, 99);
    EXPECT_EQ(r.HourBlocks, uint64_t{1} << 31);

    SavedGameRecord blocks;
    blocks.HourBlocks = uint64_t{UINT32_MAX} * 3;
    EXPECT_EQ(ScaleToFit(blocks), 4u);

    // A damaged game's negative counts fit by their size too.
    SavedGameRecord negative;
    negative.Stats[0].Splits = -5'000'000'000;
    EXPECT_EQ(ScaleToFit(negative), 4u);
    EXPECT_EQ(negative.Stats[0].Splits, -1'250'000'000);

    // Written without scaling, a counter is held at the largest value, never wrapped.
    SavedGameRecord unscaled;
    unscaled.Stats[2].Doubles = 5'000'000'000;
    unscaled.HourBlocks = uint64_t{1} << 33;
    const auto loaded = ParseSavedGame(EncodeSavedGame(unscaled));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Stats[2].Doubles, INT32_MAX);
    EXPECT_EQ(loaded->HourBlocks, UINT32_MAX);
}

TEST(SavedGameRecord, EveryPatternDecodedAndNormalisedEncodesToAFixedPoint) {
    // Normalising twice changes nothing, so a loaded game saved and loaded again
    // stays what the first load made of it.
    for (uint32_t seed = 100; seed < 110; ++seed) {
        const std::vector<uint8_t> noise = NoiseBytes(kSavedGameSize, seed);
        const auto first = ParseSavedGame(noise);
        ASSERT_TRUE(first);
        const SavedGameBytes again = EncodeSavedGame(*first);
        EXPECT_EQ(ParseSavedGame(again), first);
    }
    EXPECT_FALSE(ParseSavedGame(std::vector<uint8_t>(kSavedGameSize - 1)));
}

}  // namespace
}  // namespace velmora
