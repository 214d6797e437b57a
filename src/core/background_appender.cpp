#include "core/background_appender.h"

#include "core/text_file.h"

BackgroundAppender::BackgroundAppender(QString path, QByteArray startOfFile,
                                       FailureHandler onFailure)
    : path_(std::move(path))
    , startOfFile_(std::move(startOfFile))
    , onFailure_(std::move(onFailure))
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
        const Item item = std::move(queue_.front());
        queue_.pop_front();
        writing_ = true;
        lock.unlock();
        if (const auto failure = appendToFile(path_, item.bytes, startOfFile_))
            onFailure_(item.what, *failure);
        lock.lock();
        writing_ = false;
        changed_.notify_all();
    }
}
