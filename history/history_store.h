#pragma once
// The decision history on disk: one SQLite database (write-ahead log, a schema
// version and its migrations) and the queries behind the heat map, the progress
// window and the drill. One object is one connection; it is not shared between
// threads without a lock (HistoryWriter holds that lock).

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "history/decision_record.h"

struct sqlite3;
struct sqlite3_stmt;

namespace velmora {

inline constexpr char kHistoryFileName[] = "VLMHIST.DB";

// Why the history cannot be kept (None: it can).
enum class HistoryFault { None, Damaged, CannotWrite, DiskFull, Locked, Newer };

// One (class, up card) cell of the heat map.
struct CellStats {
    HandClass cls;
    int upCard = 0;
    int64_t played = 0;
    int64_t wrong = 0;
    std::optional<double> costEach;  // mean cost of a wrong move, in bets
    std::optional<double> costTotal; // summed cost of the wrong moves, in bets
};

// The moves of one day in one mode.
struct DayAccuracy {
    std::string day;
    std::string mode;
    int64_t played = 0;
    int64_t right = 0;
};

// One judged move, as the drill replays the history.
struct CellOutcome {
    HandClass cls;
    int upCard = 0;
    bool right = false;
};

class HistoryStore;

struct OpenedStore {
    std::unique_ptr<HistoryStore> store;  // null when the history cannot be kept
    HistoryFault fault = HistoryFault::None;
    // For the player: why the history is off, or that a damaged file was moved aside
    // (then the store is open on a new file).
    std::string message;
    std::filesystem::path movedAside;
};

class HistoryStore {
  public:
    struct Settings {
        int busyTimeoutMs = 5000;  // how long a write waits for another program's lock
        int maxPages = 0;          // a cap on the file's size in pages (0: none)
    };

    // Opens the history in `file`, creating it or bringing an older schema up to
    // date. A damaged file is renamed to a new name beside it and a new one started.
    static OpenedStore Open(const std::filesystem::path& file, const Settings& settings);
    static OpenedStore Open(const std::filesystem::path& file) { return Open(file, Settings{}); }

    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // All records in one transaction: all are kept or none.
    HistoryFault Insert(std::span<const DecisionRecord> records, std::string& message);

    std::vector<CellStats> Cells();
    std::vector<DayAccuracy> AccuracyByDay();
    // The `count` cells whose wrong moves cost most (while costs are unknown: the
    // cells missed most often).
    std::vector<CellStats> CostliestMistakes(int count);
    // The last `count` moves, oldest first.
    std::vector<CellOutcome> Outcomes(int64_t count);
    int64_t Count();
    bool Clear();
    // Every move as a line of comma-separated values, with a heading line.
    bool ExportCsv(const std::filesystem::path& file, std::string& error);

    int SchemaVersion();
    // The schema's steps: step k brings a file of version k to version k + 1.
    static std::span<const char* const> Migrations();
    static int LatestVersion() { return static_cast<int>(Migrations().size()); }

  private:
    HistoryStore(sqlite3* db, std::filesystem::path file);

    sqlite3* db_;
    std::filesystem::path file_;
    sqlite3_stmt* insert_ = nullptr;
};

// The message for the player when the history stops for `fault`.
std::string HistoryFaultMessage(HistoryFault fault, const std::filesystem::path& file,
                                const std::string& detail);

}  // namespace velmora
