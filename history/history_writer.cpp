#include "history/history_writer.h"

namespace velmora {

HistoryWriter::HistoryWriter(std::filesystem::path file, HistoryStore::Settings settings)
    : file_(std::move(file)), settings_(settings), thread_([this] { Run(); }) {}

HistoryWriter::~HistoryWriter() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void HistoryWriter::Add(DecisionRecord record) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!on_) return;
        queue_.push_back(std::move(record));
        ++added_;
    }
    wake_.notify_one();
}

bool HistoryWriter::Flush() {
    std::unique_lock<std::mutex> lock(mutex_);
    const uint64_t target = added_;
    flushWanted_ = true;
    wake_.notify_one();
    committed_.wait(lock, [&] { return !on_ || (opened_ && done_ >= target); });
    return on_;
}

bool HistoryWriter::On() {
    std::lock_guard<std::mutex> lock(mutex_);
    return on_ && opened_;
}

std::optional<std::string> HistoryWriter::TakeMessage() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::optional<std::string> message;
    message.swap(message_);
    return message;
}

void HistoryWriter::TurnOff(const std::string& message) {
    std::lock_guard<std::mutex> lock(mutex_);
    on_ = false;
    done_ = added_;
    queue_.clear();
    if (!message_) message_ = message;
    committed_.notify_all();
}

void HistoryWriter::Run() {
    {
        OpenedStore opened = HistoryStore::Open(file_, settings_);
        std::lock_guard<std::mutex> storeLock(storeMutex_);
        store_ = std::move(opened.store);
        std::lock_guard<std::mutex> lock(mutex_);
        opened_ = true;
        if (!opened.message.empty()) message_ = opened.message;
        if (!store_) {
            on_ = false;
            done_ = added_;
            queue_.clear();
        }
        committed_.notify_all();
    }
    std::vector<DecisionRecord> batch;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [&] { return stopping_ || !queue_.empty() || flushWanted_; });
            // Let a batch gather for a moment unless someone waits for it.
            wake_.wait_for(lock, kBatchDelay, [&] {
                return stopping_ || flushWanted_ || queue_.size() >= kBatchSize;
            });
            flushWanted_ = false;
            batch.swap(queue_);
            if (batch.empty()) {
                committed_.notify_all();
                if (stopping_) break;
                continue;
            }
        }
        std::string message;
        HistoryFault fault = HistoryFault::CannotWrite;
        {
            std::lock_guard<std::mutex> storeLock(storeMutex_);
            if (store_) fault = store_->Insert(batch, message);
        }
        if (fault != HistoryFault::None) {
            TurnOff(message);
            std::lock_guard<std::mutex> storeLock(storeMutex_);
            store_.reset();
        } else {
            std::lock_guard<std::mutex> lock(mutex_);
            done_ += batch.size();
            committed_.notify_all();
        }
        batch.clear();
    }
    std::lock_guard<std::mutex> storeLock(storeMutex_);
    store_.reset();
}

}  // namespace velmora
