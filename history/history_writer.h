#pragma once
// Keeps the decision history on its own thread, so play never waits for the disk:
// Add only queues a record; the thread opens the file, then commits what has
// queued in one transaction at a time (a batch waits at most kBatchDelay for
// company). When the history cannot be kept (the file cannot be written, the disk
// is full, another program holds the lock too long) the history is off for the run
// and one message says why; play goes on.

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "history/history_store.h"

namespace velmora {

class HistoryWriter {
  public:
    static constexpr std::chrono::milliseconds kBatchDelay{200};
    static constexpr size_t kBatchSize = 256;

    HistoryWriter(std::filesystem::path file, HistoryStore::Settings settings = {});
    // Commits what is still queued, then closes the file.
    ~HistoryWriter();
    HistoryWriter(const HistoryWriter&) = delete;
    HistoryWriter& operator=(const HistoryWriter&) = delete;

    // Queues one record; never waits for the disk.
    void Add(DecisionRecord record);
    // Waits until every record added so far is committed (or the history is off).
    // Returns whether the history is on.
    bool Flush();
    // False once the history is off for the run (and until the file is open).
    bool On();
    // The message for the player, once: a damaged file moved aside, or why the
    // history is off.
    std::optional<std::string> TakeMessage();

    // Runs `query` on the open store after everything added so far is committed;
    // nothing when the history is off.
    template <class Query>
    auto Read(Query query) -> std::optional<decltype(query(std::declval<HistoryStore&>()))> {
        if (!Flush()) return std::nullopt;
        std::lock_guard<std::mutex> lock(storeMutex_);
        if (!store_) return std::nullopt;
        return query(*store_);
    }

  private:
    void Run();
    void TurnOff(const std::string& message);

    const std::filesystem::path file_;
    const HistoryStore::Settings settings_;

    std::mutex mutex_;  // guards the queue and the counters below
    std::condition_variable wake_;
    std::condition_variable committed_;
    std::vector<DecisionRecord> queue_;
    uint64_t added_ = 0;
    uint64_t done_ = 0;  // committed or dropped
    bool opened_ = false;
    bool on_ = true;
    bool flushWanted_ = false;
    bool stopping_ = false;
    std::optional<std::string> message_;

    std::mutex storeMutex_;  // held while the thread writes and while a query reads
    std::unique_ptr<HistoryStore> store_;

    std::thread thread_;
};

}  // namespace velmora
