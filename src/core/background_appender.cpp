#include "core/background_appender.h"

#include <utility>

BackgroundAppender::BackgroundAppender(QString path, QByteArray startOfFile,
                                       FailureHandler onFailure, std::chrono::milliseconds lockWait)
    : path_(std::move(path))
    , startOfFile_(std::move(startOfFile))
    , onFailure_(std::move(onFailure))
    , lockWait_(lockWait)
    , thread_([this] { run(); }) {}

BackgroundAppender::~BackgroundAppender() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void BackgroundAppender::append(QByteArray bytes, QString what) {
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back({std::move(bytes), std::move(what)});
    }
    changed_.notify_all();
}

void BackgroundAppender::waitUntilWritten() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.empty() && !writing_; });
}

void BackgroundAppender::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !queue_.empty() || stopping_; });
        if (queue_.empty())
            return; // stopping, with everything written
        const std::deque<Item> batch = std::exchange(queue_, {});
        writing_ = true;
        lock.unlock();
        QByteArray bytes;
        for (const Item& item : batch)
            bytes += item.bytes;
        if (const auto failure = appendToFile(path_, bytes, startOfFile_, lockWait_))
            for (const Item& item : batch)
                onFailure_(item.what, *failure);
        lock.lock();
        writing_ = false;
        changed_.notify_all();
    }
}
