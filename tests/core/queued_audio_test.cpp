#include "core/queued_audio.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QStringList>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

namespace {

// A device whose waited clips are heard when the test says so (or after five seconds, so
// that a fault can't hang the tests).
class GatedDevice final : public AudioDevice {
public:
    void play(const QString& path, bool wait) override {
        std::unique_lock lock(mutex_);
        log_ << (wait ? "wait " : "play ") + path;
        if (wait)
            heard_.wait_for(lock, std::chrono::seconds(5), [this] { return open_; });
    }
    void stop() override { hear(); }
    void hear() {
        std::lock_guard lock(mutex_);
        open_ = true;
        heard_.notify_all();
    }
    QStringList log() {
        std::lock_guard lock(mutex_);
        return log_;
    }

private:
    std::mutex mutex_;
    std::condition_variable heard_;
    QStringList log_;
    bool open_ = false;
};

// Runs the caller's events until done, for at most the time given.
void processEventsUntil(const std::function<bool()>& done, int ms = 2000) {
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

const auto never = [] { return false; };

} // namespace

TEST(QueuedAudio, AWaitedClipHoldsTheClipsAndCallsAfterItButNotTheCaller) {
    GatedDevice device;
    QueuedAudio audio(device);
    QObject context;
    QStringList called;
    audio.play("sound/a.wav", true);
    audio.play("sound/b.wav", false);
    audio.afterClips(&context, [&] { called << "after b"; });
    processEventsUntil([&] { return !device.log().isEmpty(); });
    processEventsUntil(never, 200);
    EXPECT_EQ(device.log(), QStringList{"wait sound/a.wav"});
    EXPECT_TRUE(called.isEmpty());
    device.hear();
    processEventsUntil([&] { return !called.isEmpty(); });
    EXPECT_EQ(device.log(), (QStringList{"wait sound/a.wav", "play sound/b.wav"}));
    EXPECT_EQ(called, QStringList{"after b"});
}

TEST(QueuedAudio, AStopDropsTheClipsLeftButNotTheCallsAfterThem) {
    GatedDevice device;
    QueuedAudio audio(device);
    QObject context;
    auto gone = std::make_unique<QObject>();
    QStringList called;
    audio.play("sound/a.wav", true);
    audio.play("sound/b.wav", true);
    audio.afterClips(&context, [&] { called << "kept"; });
    audio.afterClips(gone.get(), [&] { called << "gone"; });
    gone.reset();
    processEventsUntil([&] { return !device.log().isEmpty(); });
    audio.stop();
    processEventsUntil([&] { return !called.isEmpty(); });
    processEventsUntil(never, 200);
    EXPECT_EQ(device.log(), QStringList{"wait sound/a.wav"});
    EXPECT_EQ(called, QStringList{"kept"});
}
