#include "core/announcer.h"
#include "support/wav.h"
#include "support/working_folder.h"
#include "system/sdl_audio_device.h"
#include "wake_ups.h"

#include <QFile>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

// Upper bounds leave a loaded machine room: they tell "returned at once" from "waited for a
// clip", and "waited for this clip" from "waited for something else".
constexpr double kPromptMs = 500;

template <typename F> double millisecondsOf(F&& action) {
    const auto start = Clock::now();
    action();
    return Ms(Clock::now() - start).count();
}

class SdlAudio : public testing::Test {
protected:
    void SetUp() override {
        qputenv("SDL_AUDIODRIVER", "dummy");
        folder_.write("sound/long.wav", toneWav(1.0));
        folder_.write("sound/short.wav", toneWav(0.3));
        folder_.write("sound/broken.wav", "RIFF nonsense");
        folder_.write("sound/1hz.wav", toneWav(300, 1));
        folder_.write("sound/absurdrate.wav", toneWav(0.01, 4'000'000));
        folder_.write("sound/sixminutes.wav", toneWav(360, 8000));
        folder_.write("sound/empty.wav", toneWav(0)); // found by fuzzing
        // Found by fuzzing: a data chunk claiming 4 GB, which SDL would allocate.
        QByteArray forged = toneWav(0.1);
        forged.replace(40, 4, QByteArray("\x64\xff\xff\xff", 4));
        folder_.write("sound/forged.wav", forged);
    }

    WorkingFolder folder_;
};

} // namespace

TEST_F(SdlAudio, AWaitedClipReturnsWhenItHasBeenHeard) {
    SdlAudioDevice device;
    ASSERT_TRUE(device.hasDevice());
    const double longTook = millisecondsOf([&] { Announcer(device).playAndWait("long.wav"); });
    const double shortTook = millisecondsOf([&] { Announcer(device).playAndWait("short.wav"); });
    EXPECT_GE(longTook, 1000);
    EXPECT_LT(longTook, 2000);
    EXPECT_GE(shortTook, 300);
    EXPECT_LT(shortTook, longTook);
}

TEST_F(SdlAudio, AClipNotWaitedForReturnsAtOnceAndStartsPlaying) {
    SdlAudioDevice device;
    const double took = millisecondsOf([&] { Announcer(device).play("long.wav"); });
    EXPECT_LT(took, kPromptMs);
    const auto deadline = Clock::now() + std::chrono::seconds(1);
    while (!device.firstSampleTime() && Clock::now() < deadline) {
    }
    EXPECT_TRUE(device.firstSampleTime());
}

TEST_F(SdlAudio, MissingBrokenOrUnnamedClipsAreSilentAndImmediate) {
    SdlAudioDevice device;
    // A FIFO would block the read for good.
    folder_.makeFifo("sound/fifo.wav");
    for (const char* clip :
         {"missing.wav", "broken.wav", "", "../nosuchfolder/01.wav", "fifo.wav"}) {
        EXPECT_LT(millisecondsOf([&] { Announcer(device).playAndWait(clip); }), kPromptMs) << clip;
        EXPECT_FALSE(device.firstSampleTime()) << clip;
    }
}

// Converting such a header to the device's rate could take more memory than there is.
TEST_F(SdlAudio, ClipsBeyondSaneRatesOrLengthsAreSilent) {
    SdlAudioDevice device;
    for (const char* clip :
         {"1hz.wav", "absurdrate.wav", "sixminutes.wav", "empty.wav", "forged.wav"}) {
        Announcer(device).play(clip);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EXPECT_FALSE(device.firstSampleTime()) << clip;
    }
}

// The device stays open between clips; it must not wake the processor at every buffer.
TEST_F(SdlAudio, AnIdleDeviceLetsTheProcessorSleep) {
    SdlAudioDevice device;
    Announcer(device).playAndWait("short.wav");
    const long long before = contextSwitches();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_LT(contextSwitches() - before, 20); // feeding every 5 ms would be about 200
}

TEST_F(SdlAudio, AStopFreesTheCallerWaitingForTheClip) {
    SdlAudioDevice device;
    std::thread stopper([&] {
        const auto deadline = Clock::now() + std::chrono::seconds(1);
        while (!device.firstSampleTime() && Clock::now() < deadline) {
        }
        device.stop();
    });
    EXPECT_LT(millisecondsOf([&] { Announcer(device).playAndWait("long.wav"); }), kPromptMs);
    stopper.join();
}

// The disk driver writes what the device plays to a file, so what was heard can be counted.
TEST_F(SdlAudio, ANewRequestCutsTheClipStillPlaying) {
    qputenv("SDL_AUDIODRIVER", "disk");
    const QString output = folder_.path("played.raw");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output));
    {
        SdlAudioDevice device;
        ASSERT_TRUE(device.hasDevice());
        Announcer(device).play("long.wav");
        const auto deadline = Clock::now() + std::chrono::seconds(1);
        while (!device.firstSampleTime() && Clock::now() < deadline) {
        }
        Announcer(device).playAndWait("short.wav");
    }
    const QByteArray played = folder_.read("played.raw");
    ASSERT_FALSE(played.isEmpty());
    // 16-bit mono at 48 kHz; count the samples that are not silence.
    const auto* samples = reinterpret_cast<const qint16*>(played.constData());
    long long sounding = 0;
    for (qsizetype i = 0; i < played.size() / 2; ++i)
        sounding += samples[i] != 0 ? 1 : 0;
    const double seconds = sounding / 48000.0;
    EXPECT_GT(seconds, 0.25); // the short clip was heard whole
    EXPECT_LT(seconds, 0.6);  // and the long one only until it was cut
}
