// The history's failures on real files: damage, a folder that cannot be written, a
// full file system, another program's lock, two programs at once, older and newer
// schemas. None of them stops play.

#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/history/history_fixture.h"

namespace velmora {
namespace {

using testing::Judged;

class HistoryFaults : public testing::HistoryFixture {
  protected:
    // A history of `n` moves, closed.
    void WriteHistory(int n) {
        HistoryWriter writer(File());
        DecisionHistory history = HistoryOn(&writer);
        Judge(history, n, Judged({16}, 10, kHit, kStand));
    }

    static std::string Pragma(const std::filesystem::path& file, const char* sql) {
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        sqlite3_stmt* s = nullptr;
        std::string value;
        if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW)
            value = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
        sqlite3_finalize(s);
        sqlite3_close(db);
        return value;
    }

    static DecisionRecord Record() {
        DecisionRecord r;
        r.day = "2026-03-01";
        r.mode = kNormalMode;
        r.rules = "2D 3/4 S17 DA DAS RS NS";
        r.strategy = "00000000";
        r.cls = ClassOfRow(216);
        r.upCard = 10;
        r.taken = kStand;
        r.asked = kHit;
        return r;
    }
};

struct Damage {
    const char* what;
    std::function<std::vector<uint8_t>(const std::vector<uint8_t>&)> apply;
};

TEST_F(HistoryFaults, ADamagedFileIsMovedAsideAndANewHistoryStarted) {
    const Damage damages[] = {
        {"truncated", [](const auto& bytes) {
             return std::vector<uint8_t>(bytes.begin(), bytes.begin() + bytes.size() * 3 / 5);
         }},
        {"random bytes", [](const auto&) { return testing::NoiseBytes(20000, 5); }},
        {"header overwritten", [](const auto& bytes) {
             std::vector<uint8_t> b = bytes;
             for (size_t i = 0; i < 100; ++i) b[i] = static_cast<uint8_t>(i * 7);
             return b;
         }},
    };
    for (const Damage& damage : damages) {
        std::filesystem::remove_all(dir.Path());
        std::filesystem::create_directory(dir.Path());
        WriteHistory(400);
        const std::vector<uint8_t> damaged = damage.apply(testing::ReadAll(File()));
        testing::WriteAll(File(), damaged);

        OpenedStore opened = HistoryStore::Open(File());
        ASSERT_TRUE(opened.store) << damage.what;
        EXPECT_EQ(opened.fault, HistoryFault::None) << damage.what;
        EXPECT_NE(opened.message.find("was damaged. It was kept as " +
                                      opened.movedAside.filename().string()),
                  std::string::npos)
            << damage.what << ": " << opened.message;
        EXPECT_EQ(testing::ReadAll(opened.movedAside), damaged) << damage.what;
        EXPECT_EQ(opened.store->Count(), 0) << damage.what;
        std::string message;
        const DecisionRecord r = Record();
        EXPECT_EQ(opened.store->Insert({&r, 1}, message), HistoryFault::None) << damage.what;
        EXPECT_EQ(opened.store->Count(), 1) << damage.what;
    }
}

TEST_F(HistoryFaults, AFolderThatCannotBeWrittenTurnsTheHistoryOffAndPlayGoesOn) {
    chmod(dir.Path().c_str(), 0555);
    auto attempt = [this]() -> int {
        HistoryWriter writer(File());
        DecisionHistory history = HistoryOn(&writer);
        for (int i = 0; i < 50; ++i) history.DecisionJudged(Judged({16}, 10, kHit, kStand));
        if (writer.Flush()) return 1;  // off: a flush says so at once
        const std::optional<std::string> message = writer.TakeMessage();
        if (!message || message->find("cannot be written here") == std::string::npos) return 2;
        if (writer.TakeMessage()) return 3;  // one message only
        if (writer.Read([](HistoryStore& s) { return s.Count(); })) return 4;
        return 0;
    };
    if (geteuid() == 0) {
        // Root writes anywhere: the attempt runs as an ordinary user.
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (setgid(65534) != 0 || setuid(65534) != 0) _exit(9);
            _exit(attempt());
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    } else {
        EXPECT_EQ(attempt(), 0);
    }
    chmod(dir.Path().c_str(), 0755);
    EXPECT_TRUE(dir.Names().empty());
}

TEST_F(HistoryFaults, AFullDiskKeepsEveryCommittedBatchAndNoHalfBatch) {
    HistoryStore::Settings small;
    small.maxPages = 12;  // a file system with 48 KB left
    int64_t committed = 0;
    {
        OpenedStore opened = HistoryStore::Open(File(), small);
        ASSERT_TRUE(opened.store);
        const std::vector<DecisionRecord> batch(40, Record());
        std::string message;
        HistoryFault fault = HistoryFault::None;
        for (int i = 0; i < 100 && fault == HistoryFault::None; ++i) {
            fault = opened.store->Insert(batch, message);
            if (fault == HistoryFault::None) committed += 40;
        }
        EXPECT_EQ(fault, HistoryFault::DiskFull);
        EXPECT_NE(message.find("The disk is full"), std::string::npos) << message;
        EXPECT_GT(committed, 0);
    }
    EXPECT_EQ(HistoryStore::Open(File()).store->Count(), committed);

    // Through the writer: the history goes off with one message; play's calls go on.
    HistoryWriter writer(File(), small);
    DecisionHistory history = HistoryOn(&writer);
    bool on = true;
    for (int i = 0; i < 50 && on; ++i) {
        Judge(history, 40, Judged({16}, 10, kHit, kStand));
        on = writer.Flush();
    }
    EXPECT_FALSE(on);
    EXPECT_NE(writer.TakeMessage()->find("The disk is full"), std::string::npos);
    Judge(history, 10, Judged({16}, 10, kHit, kStand));
    EXPECT_FALSE(writer.Flush());
}

TEST_F(HistoryFaults, AHistoryLockedByAnotherProgramTurnsOffWithOneMessage) {
    HistoryStore::Settings impatient;
    impatient.busyTimeoutMs = 50;
    HistoryWriter writer(File(), impatient);
    ASSERT_TRUE(writer.Flush());
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(File().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    DecisionHistory history = HistoryOn(&writer);
    Judge(history, 3, Judged({16}, 10, kHit, kStand));
    EXPECT_FALSE(writer.Flush());
    const std::optional<std::string> message = writer.TakeMessage();
    ASSERT_TRUE(message);
    EXPECT_NE(message->find("is locked by another program"), std::string::npos) << *message;
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}

TEST_F(HistoryFaults, TwoProgramsWritingAtOnceKeepEveryMove) {
    constexpr int kMoves = 300;
    auto play = [this] {
        HistoryWriter writer(File());
        DecisionHistory history = HistoryOn(&writer);
        for (int i = 0; i < kMoves; ++i) {
            history.DecisionJudged(Judged({12}, 4, kStand, kStand));
            if (i % 25 == 0) writer.Flush();
        }
        return writer.Flush();
    };
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(play() ? 0 : 1);
    const bool parentOn = play();
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(parentOn);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(HistoryStore::Open(File()).store->Count(), 2 * kMoves);
    EXPECT_EQ(Pragma(File(), "PRAGMA integrity_check"), "ok");
}

TEST_F(HistoryFaults, AFileOfTheFirstSchemaIsBroughtUpToDateWithItsMoves) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(File().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, HistoryStore::Migrations()[0], nullptr, nullptr, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "PRAGMA user_version = 1;"
                           "INSERT INTO decisions VALUES (1, 0, '2026-01-01', 'Normal', 'r', 's',"
                           " 216, 0, 16, 0, 1, 10, 1, 2, 211, 0, NULL);"
                           "INSERT INTO decisions VALUES (2, 0, '2026-01-01', 'Normal', 'r', 's',"
                           " 216, 0, 16, 0, 1, 10, 2, 2, 211, 1, NULL);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);

    OpenedStore opened = HistoryStore::Open(File());
    ASSERT_TRUE(opened.store);
    EXPECT_EQ(opened.store->SchemaVersion(), HistoryStore::LatestVersion());
    EXPECT_EQ(HistoryStore::LatestVersion(), 2);
    const std::vector<CellStats> cells = opened.store->Cells();
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0].played, 2);
    EXPECT_EQ(cells[0].wrong, 1);
    opened.store.reset();
    EXPECT_EQ(Pragma(File(), "SELECT COUNT(*) FROM sqlite_master WHERE type = 'index'"), "2");
}

TEST_F(HistoryFaults, AFileOfANewerSchemaIsLeftAsItIs) {
    WriteHistory(3);
    sqlite3* db = nullptr;
    sqlite3_open(File().c_str(), &db);
    sqlite3_exec(db, "PRAGMA user_version = 99", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    const std::vector<uint8_t> before = testing::ReadAll(File());
    OpenedStore opened = HistoryStore::Open(File());
    EXPECT_FALSE(opened.store);
    EXPECT_EQ(opened.fault, HistoryFault::Newer);
    EXPECT_NE(opened.message.find("newer version"), std::string::npos);
    EXPECT_EQ(testing::ReadAll(File()), before);
    EXPECT_EQ(Pragma(File(), "SELECT COUNT(*) FROM decisions"), "3");
}

}  // namespace
}  // namespace velmora
