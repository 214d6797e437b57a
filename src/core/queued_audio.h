#pragma once

#include "core/audio_device.h"

#include <QObject>
#include <QPointer>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Plays a device's clips on a thread of its own, in the order they were asked for, so that a
// clip waited for holds neither the windows nor the clock. As on the device, a clip waited
// for is heard whole before the next request, and one not waited for is cut off by it.
class QueuedAudio final : public AudioDevice {
public:
    explicit QueuedAudio(AudioDevice& device);
    ~QueuedAudio() override;
    QueuedAudio(const QueuedAudio&) = delete;
    QueuedAudio& operator=(const QueuedAudio&) = delete;

    void play(const QString& path, bool wait) override;
    // Drops the clips not yet played; the calls after them still come, at once.
    void stop() override;
    void afterClips(QObject* context, std::function<void()> then) override;

private:
    // A clip, or a call to make when the clips before it have been heard.
    struct Request {
        QString path;
        bool wait = false;
        QPointer<QObject> context;
        std::function<void()> then;
    };

    void run();
    void push(Request request);

    AudioDevice& device_;
    QObject home_; // lives on the caller's thread, where the calls are made
    std::mutex mutex_;
    std::condition_variable requested_;
    std::deque<Request> requests_;
    bool ending_ = false;
    std::thread worker_;
};
