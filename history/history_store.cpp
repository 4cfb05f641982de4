#include "history/history_store.h"

#include <sqlite3.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <system_error>
#include <thread>

namespace velmora {

namespace {

// Step 1: the decisions. Step 2: the indexes the heat map and the progress use.
constexpr std::array<const char*, 2> kMigrations = {
    "CREATE TABLE decisions ("
    " id INTEGER PRIMARY KEY,"
    " at INTEGER NOT NULL,"       // milliseconds since 1970, UTC
    " day TEXT NOT NULL,"         // local date, YYYY-MM-DD
    " mode TEXT NOT NULL,"        // Normal, Practice, Drill
    " rules TEXT NOT NULL,"       // digest of the casino rules
    " strategy TEXT NOT NULL,"    // digest of the strategy table
    " row_code INTEGER NOT NULL," // the class's strategy row; 0: the rules of play decide
    " soft INTEGER NOT NULL,"
    " total INTEGER NOT NULL,"
    " pair INTEGER NOT NULL,"
    " hand INTEGER NOT NULL,"
    " up_card INTEGER NOT NULL,"  // 2..11
    " taken INTEGER NOT NULL,"    // 1 stand, 2 hit, 3 double, 4 split, 5 surrender
    " asked INTEGER NOT NULL,"
    " advice INTEGER NOT NULL,"
    " correct INTEGER NOT NULL,"
    " cost REAL"                  // in bets; NULL where not known
    ");",
    // Covering: the heat map and the costliest mistakes read the index alone.
    "CREATE INDEX decisions_by_cell ON decisions(row_code, soft, total, up_card, correct, cost);"
    "CREATE INDEX decisions_by_day ON decisions(day, mode, correct);",
};

constexpr char kCellColumns[] = "row_code, soft, total, up_card";

int Primary(int rc) { return rc & 0xff; }

HistoryFault FaultOf(int rc) {
    switch (Primary(rc)) {
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB: return HistoryFault::Damaged;
        case SQLITE_FULL: return HistoryFault::DiskFull;
        case SQLITE_BUSY:
        case SQLITE_LOCKED: return HistoryFault::Locked;
        default: return HistoryFault::CannotWrite;
    }
}

class Statement {
  public:
    Statement(sqlite3* db, const char* sql) { rc_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool Ok() const { return rc_ == SQLITE_OK; }
    // SQLITE_OK while all is well (a row in hand included).
    int Error() const { return rc_ == SQLITE_ROW ? SQLITE_OK : rc_; }
    // True while there is a row; the error stays in Error().
    bool Step() {
        if (!stmt_) return false;
        rc_ = sqlite3_step(stmt_);
        if (rc_ == SQLITE_ROW) return true;
        if (rc_ == SQLITE_DONE) rc_ = SQLITE_OK;
        return false;
    }
    sqlite3_stmt* Get() { return stmt_; }
    int64_t Int(int column) { return sqlite3_column_int64(stmt_, column); }
    std::optional<double> Real(int column) {
        if (sqlite3_column_type(stmt_, column) == SQLITE_NULL) return std::nullopt;
        return sqlite3_column_double(stmt_, column);
    }
    std::string Text(int column) {
        const unsigned char* t = sqlite3_column_text(stmt_, column);
        return t ? reinterpret_cast<const char*>(t) : "";
    }

  private:
    sqlite3_stmt* stmt_ = nullptr;
    int rc_ = SQLITE_OK;
};

// A whole number from SQLite's text; 0 for none.
int ToInt(const std::string& text) { return std::atoi(text.c_str()); }

int Exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

// The first column of the first row of `sql` as text (empty on error, rc set).
std::string Single(sqlite3* db, const char* sql, int& rc) {
    Statement s(db, sql);
    std::string value;
    if (s.Ok() && s.Step()) value = s.Text(0);
    rc = s.Error();
    return value;
}

HandClass ClassAt(Statement& s, int column) {
    return {static_cast<int>(s.Int(column)), s.Int(column + 1) != 0,
            static_cast<int>(s.Int(column + 2))};
}

std::string LocalStamp(int64_t atMs, const char* format) {
    const std::time_t t = static_cast<std::time_t>(atMs / 1000);
    std::tm tm{};
    localtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, format, &tm);
    return text;
}

const char* ActionName(int64_t action) {
    switch (action) {
        case 1: return "Stand";
        case 2: return "Hit";
        case 3: return "Double";
        case 4: return "Split";
        case 5: return "Surrender";
        default: return "";
    }
}

// A field of a comma-separated line, quoted when it holds a comma, quote or break.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// A name beside `file` that is not taken yet, for a damaged history.
std::filesystem::path AsideName(const std::filesystem::path& file) {
    const auto now = std::chrono::system_clock::now();
    const int64_t ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
    const std::string stem = file.filename().string() + ".damaged-" + LocalStamp(ms, "%Y%m%d-%H%M%S");
    std::filesystem::path aside = file.parent_path() / stem;
    for (int n = 2; std::filesystem::exists(aside); ++n)
        aside = file.parent_path() / (stem + "-" + std::to_string(n));
    return aside;
}

// The file and its write-ahead log go aside together; the shared-memory index is
// rebuilt from the log by whoever opens it.
bool MoveAside(const std::filesystem::path& file, const std::filesystem::path& aside) {
    std::error_code ec;
    std::filesystem::rename(file, aside, ec);
    if (ec) return false;
    const std::string wal = file.string() + "-wal";
    if (std::filesystem::exists(wal)) std::filesystem::rename(wal, aside.string() + "-wal", ec);
    std::filesystem::remove(file.string() + "-shm", ec);
    return true;
}

struct Attempt {
    sqlite3* db = nullptr;
    int rc = SQLITE_OK;
    HistoryFault fault = HistoryFault::None;
    std::string detail;
};

// Brings the schema to the latest version inside one write transaction, so that two
// programs opening a new file at once do not both create it.
int Migrate(sqlite3* db, HistoryFault& fault) {
    int rc = Exec(db, "BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) return rc;
    const int version = ToInt(Single(db, "PRAGMA user_version", rc));
    if (rc == SQLITE_OK && version > HistoryStore::LatestVersion()) {
        fault = HistoryFault::Newer;
        Exec(db, "ROLLBACK");
        return SQLITE_OK;
    }
    for (int v = version; rc == SQLITE_OK && v < HistoryStore::LatestVersion(); ++v) {
        rc = Exec(db, kMigrations[static_cast<size_t>(v)]);
        if (rc == SQLITE_OK)
            rc = Exec(db, ("PRAGMA user_version = " + std::to_string(v + 1)).c_str());
    }
    if (rc == SQLITE_OK) rc = Exec(db, "COMMIT");
    if (rc != SQLITE_OK) Exec(db, "ROLLBACK");
    return rc;
}

constexpr int kBusyRetryMs = 10;

Attempt TryOpen(const std::filesystem::path& file, const HistoryStore::Settings& settings) {
    Attempt a;
    a.rc = sqlite3_open_v2(file.c_str(), &a.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                           nullptr);
    auto fail = [&a](int rc) {
        a.rc = rc;
        a.fault = FaultOf(rc);
        a.detail = a.db ? sqlite3_errmsg(a.db) : sqlite3_errstr(rc);
        sqlite3_close(a.db);
        a.db = nullptr;
        return a;
    };
    if (a.rc != SQLITE_OK) return fail(a.rc);
    sqlite3_extended_result_codes(a.db, 1);
    sqlite3_busy_timeout(a.db, settings.busyTimeoutMs);
    int rc = SQLITE_OK;
    // A write-ahead log lets another program read while this one writes, and a
    // commit is one append; FULL makes a commit survive a power cut as well.
    // Turning a new file to the log needs the file alone for a moment; when another
    // program opens it at that moment SQLite answers "busy" at once instead of
    // waiting its busy timeout, so the wait is done here.
    std::string mode;
    for (int waited = 0;; waited += kBusyRetryMs) {
        rc = SQLITE_OK;
        mode = Single(a.db, "PRAGMA journal_mode=WAL", rc);
        if ((rc & 0xff) != SQLITE_BUSY || waited >= settings.busyTimeoutMs) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(kBusyRetryMs));
    }
    if (rc != SQLITE_OK) return fail(rc);
    if (mode != "wal") return fail(SQLITE_CANTOPEN);
    if ((rc = Exec(a.db, "PRAGMA synchronous=FULL")) != SQLITE_OK) return fail(rc);
    if (settings.maxPages > 0)
        Exec(a.db, ("PRAGMA max_page_count=" + std::to_string(settings.maxPages)).c_str());
    const std::string check = Single(a.db, "PRAGMA quick_check", rc);
    if (rc != SQLITE_OK) return fail(rc);
    if (check != "ok") return fail(SQLITE_CORRUPT);
    if ((rc = Migrate(a.db, a.fault)) != SQLITE_OK) return fail(rc);
    if (a.fault == HistoryFault::Newer) {
        sqlite3_close(a.db);
        a.db = nullptr;
    }
    return a;
}

}  // namespace

std::string LocalDay(int64_t atMs) { return LocalStamp(atMs, "%Y-%m-%d"); }

std::string HistoryFaultMessage(HistoryFault fault, const std::filesystem::path& file,
                                const std::string& detail) {
    const std::string name = file.filename().string();
    const std::string off = " Play goes on; your moves are not recorded until the next start.";
    switch (fault) {
        case HistoryFault::None: return "";
        case HistoryFault::Damaged:
            return "The decision history " + name + " is damaged." + off;
        case HistoryFault::CannotWrite:
            return "The decision history " + name + " cannot be written here (" + detail + ")." + off;
        case HistoryFault::DiskFull:
            return "The disk is full: the decision history " + name + " cannot grow." + off;
        case HistoryFault::Locked:
            return "The decision history " + name + " is locked by another program." + off;
        case HistoryFault::Newer:
            return "The decision history " + name +
                   " was written by a newer version of the program and is left as it is." + off;
    }
    return "";
}

std::span<const char* const> HistoryStore::Migrations() { return kMigrations; }

OpenedStore HistoryStore::Open(const std::filesystem::path& file, const Settings& settings) {
    OpenedStore opened;
    Attempt a = TryOpen(file, settings);
    if (a.fault == HistoryFault::Damaged) {
        const std::filesystem::path aside = AsideName(file);
        if (!MoveAside(file, aside)) {
            opened.fault = HistoryFault::CannotWrite;
            opened.message = HistoryFaultMessage(HistoryFault::Damaged, file, a.detail);
            return opened;
        }
        opened.movedAside = aside;
        a = TryOpen(file, settings);
        if (a.db)
            opened.message = "The decision history " + file.filename().string() +
                             " was damaged. It was kept as " + aside.filename().string() +
                             ", and a new history was started.";
    }
    if (!a.db) {
        opened.fault = a.fault == HistoryFault::None ? HistoryFault::CannotWrite : a.fault;
        opened.message = HistoryFaultMessage(opened.fault, file, a.detail);
        return opened;
    }
    opened.store.reset(new HistoryStore(a.db, file));
    return opened;
}

HistoryStore::HistoryStore(sqlite3* db, std::filesystem::path file)
    : db_(db), file_(std::move(file)) {}

HistoryStore::~HistoryStore() {
    sqlite3_finalize(insert_);
    sqlite3_close(db_);
}

HistoryFault HistoryStore::Insert(std::span<const DecisionRecord> records, std::string& message) {
    static constexpr char kInsert[] =
        "INSERT INTO decisions (at, day, mode, rules, strategy, row_code, soft, total, pair,"
        " hand, up_card, taken, asked, advice, correct, cost)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
    int rc = insert_ ? SQLITE_OK : sqlite3_prepare_v2(db_, kInsert, -1, &insert_, nullptr);
    if (rc == SQLITE_OK) rc = Exec(db_, "BEGIN IMMEDIATE");
    for (size_t i = 0; rc == SQLITE_OK && i < records.size(); ++i) {
        const DecisionRecord& r = records[i];
        sqlite3_stmt* s = insert_;
        sqlite3_bind_int64(s, 1, r.atMs);
        sqlite3_bind_text(s, 2, r.day.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 3, r.mode.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 4, r.rules.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 5, r.strategy.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(s, 6, r.cls.row);
        sqlite3_bind_int(s, 7, r.cls.soft);
        sqlite3_bind_int(s, 8, r.cls.total);
        sqlite3_bind_int(s, 9, r.pair);
        sqlite3_bind_int(s, 10, r.hand);
        sqlite3_bind_int(s, 11, r.upCard);
        sqlite3_bind_int(s, 12, r.taken);
        sqlite3_bind_int(s, 13, r.asked);
        sqlite3_bind_int(s, 14, r.advice);
        sqlite3_bind_int(s, 15, r.Right());
        if (r.cost)
            sqlite3_bind_double(s, 16, *r.cost);
        else
            sqlite3_bind_null(s, 16);
        rc = sqlite3_step(s);
        sqlite3_reset(s);
        if (rc == SQLITE_DONE) rc = SQLITE_OK;
    }
    if (rc == SQLITE_OK) rc = Exec(db_, "COMMIT");
    if (rc == SQLITE_OK) return HistoryFault::None;
    const std::string detail = sqlite3_errmsg(db_);
    if (!sqlite3_get_autocommit(db_)) Exec(db_, "ROLLBACK");
    const HistoryFault fault = FaultOf(rc);
    message = HistoryFaultMessage(fault, file_, detail);
    return fault;
}

std::vector<CellStats> HistoryStore::Cells() {
    const std::string sql = std::string("SELECT ") + kCellColumns +
                            ", COUNT(*), SUM(1 - correct),"
                            " AVG(CASE WHEN correct = 0 THEN cost END),"
                            " SUM(CASE WHEN correct = 0 THEN cost END)"
                            " FROM decisions GROUP BY " + kCellColumns;
    Statement s(db_, sql.c_str());
    std::vector<CellStats> cells;
    while (s.Step())
        cells.push_back({ClassAt(s, 0), static_cast<int>(s.Int(3)), s.Int(4), s.Int(5), s.Real(6),
                         s.Real(7)});
    return cells;
}

std::vector<DayAccuracy> HistoryStore::AccuracyByDay() {
    Statement s(db_,
                "SELECT day, mode, COUNT(*), SUM(correct) FROM decisions"
                " GROUP BY day, mode ORDER BY day, mode");
    std::vector<DayAccuracy> days;
    while (s.Step()) days.push_back({s.Text(0), s.Text(1), s.Int(2), s.Int(3)});
    return days;
}

std::vector<CellStats> HistoryStore::CostliestMistakes(int count) {
    const std::string sql = std::string("SELECT ") + kCellColumns +
                            ", COUNT(*) AS played, SUM(1 - correct) AS wrong,"
                            " AVG(CASE WHEN correct = 0 THEN cost END),"
                            " SUM(CASE WHEN correct = 0 THEN cost END) AS lost"
                            " FROM decisions GROUP BY " + kCellColumns +
                            " HAVING wrong > 0"
                            " ORDER BY lost IS NULL, lost DESC, wrong DESC, played DESC, " +
                            kCellColumns + " LIMIT ?";
    Statement s(db_, sql.c_str());
    sqlite3_bind_int(s.Get(), 1, count);
    std::vector<CellStats> cells;
    while (s.Step())
        cells.push_back({ClassAt(s, 0), static_cast<int>(s.Int(3)), s.Int(4), s.Int(5), s.Real(6),
                         s.Real(7)});
    return cells;
}

std::vector<CellOutcome> HistoryStore::Outcomes(int64_t count) {
    const std::string sql = std::string("SELECT ") + kCellColumns +
                            ", correct FROM (SELECT * FROM decisions ORDER BY id DESC LIMIT ?)"
                            " ORDER BY id";
    Statement s(db_, sql.c_str());
    sqlite3_bind_int64(s.Get(), 1, count);
    std::vector<CellOutcome> outcomes;
    while (s.Step()) outcomes.push_back({ClassAt(s, 0), static_cast<int>(s.Int(3)), s.Int(4) != 0});
    return outcomes;
}

int64_t HistoryStore::Count() {
    Statement s(db_, "SELECT COUNT(*) FROM decisions");
    return s.Step() ? s.Int(0) : 0;
}

bool HistoryStore::Clear() { return Exec(db_, "DELETE FROM decisions") == SQLITE_OK; }

bool HistoryStore::ExportCsv(const std::filesystem::path& file, std::string& error) {
    // Written beside the file and renamed over it, so a failed export leaves the
    // old file as it was.
    const std::filesystem::path temporary = file.string() + ".tmp";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
        error = "cannot be created";
        return false;
    }
    out << "time,mode,rules,strategy,row,hand class,up card,taken,asked,right,cost\n";
    Statement s(db_,
                "SELECT at, mode, rules, strategy, row_code, soft, total, up_card, taken, asked,"
                " correct, cost FROM decisions ORDER BY id");
    while (s.Step()) {
        const HandClass cls = ClassAt(s, 4);
        const std::optional<double> cost = s.Real(11);
        char costText[32] = "";
        if (cost) std::snprintf(costText, sizeof costText, "%.6f", *cost);
        out << LocalStamp(s.Int(0), "%Y-%m-%d %H:%M:%S") << ',' << CsvField(s.Text(1)) << ','
            << CsvField(s.Text(2)) << ',' << CsvField(s.Text(3)) << ',' << cls.row << ','
            << CsvField(ClassName(cls)) << ',' << UpCardCaption(static_cast<int>(s.Int(7))) << ','
            << ActionName(s.Int(8)) << ',' << ActionName(s.Int(9)) << ','
            << (s.Int(10) ? "yes" : "no") << ',' << costText << '\n';
    }
    out.close();
    std::error_code ec;
    if (s.Error() != SQLITE_OK || !out) {
        error = s.Error() != SQLITE_OK ? sqlite3_errstr(s.Error()) : "cannot be written";
        std::filesystem::remove(temporary, ec);
        return false;
    }
    std::filesystem::rename(temporary, file, ec);
    if (ec) {
        error = ec.message();
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

int HistoryStore::SchemaVersion() {
    int rc = SQLITE_OK;
    const std::string v = Single(db_, "PRAGMA user_version", rc);
    return rc == SQLITE_OK ? ToInt(v) : -1;
}

}  // namespace velmora
