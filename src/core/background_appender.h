#pragma once

#include "core/text_file.h"

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// Appends to one file from a thread of its own, in the order given, with appendToFile's
// durability and lock: a slow disk, or another program holding the file's lock, never holds
// up the caller. What queues up meanwhile is appended at once with the next write, so a lock
// held for good costs one lock wait per write rather than one per row. Whatever is queued is
// written before the appender is destroyed.
class BackgroundAppender {
public:
    // Told on the writing thread, as soon as an append has failed, what it was and why.
    using FailureHandler = std::function<void(const QString& what, const QString& reason)>;

    BackgroundAppender(QString path, QByteArray startOfFile, FailureHandler onFailure,
                       std::chrono::milliseconds lockWait = kLockWait);
    ~BackgroundAppender();
    BackgroundAppender(const BackgroundAppender&) = delete;
    BackgroundAppender& operator=(const BackgroundAppender&) = delete;

    void append(QByteArray bytes, QString what);
    // Returns once everything appended so far is written, or has failed.
    void waitUntilWritten();

private:
    struct Item {
        QByteArray bytes;
        QString what;
    };

    void run();

    const QString path_;
    const QByteArray startOfFile_;
    const FailureHandler onFailure_;
    const std::chrono::milliseconds lockWait_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Item> queue_;
    bool writing_ = false;
    bool stopping_ = false;
    std::thread thread_; // last: starts once everything it uses is there
};
