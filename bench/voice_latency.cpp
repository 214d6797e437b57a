// Measures the voice on SDL's dummy driver, which plays at a sound card's pace: the time
// from asking for a clip to its first sample reaching the device, and how long a waited
// clip returns after its end, over every clip in the sound folder; and how often the process
// wakes up while the device is open but nothing plays.
//
//   SDL_AUDIODRIVER=dummy build/bench/voice-latency data

#include "core/announcer.h"
#include "system/sdl_audio_device.h"
#include "wake_ups.h"

#include <QDir>
#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

double clipMilliseconds(const QString& path) {
    SDL_AudioSpec spec{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(QFile::encodeName(path).constData(), &spec, &samples, &length))
        return 0;
    SDL_FreeWAV(samples);
    const double bytesPerSecond = spec.freq * spec.channels * (SDL_AUDIO_BITSIZE(spec.format) / 8);
    return 1000.0 * length / bytesPerSecond;
}

void reportIdleWakeUps(const char* what) {
    constexpr int kSeconds = 10;
    const long long before = contextSwitches();
    std::this_thread::sleep_for(std::chrono::seconds(kSeconds));
    std::printf("%-28s %6.1f wake-ups/s over %d s\n", what,
                double(contextSwitches() - before) / kSeconds, kSeconds);
}

void report(const char* what, std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::printf("%-28s median %6.2f ms   worst %6.2f ms   (%zu clips)\n", what,
                values[values.size() / 2], values.back(), values.size());
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: voice-latency <working folder holding sound/>\n");
        return 2;
    }
    SdlAudioDevice device;
    if (!device.hasDevice()) {
        std::fprintf(stderr, "no audio device (set SDL_AUDIODRIVER=dummy)\n");
        return 1;
    }
    Announcer voice(device);
    reportIdleWakeUps("idle, before any clip");
    std::mt19937 random(1);
    std::uniform_int_distribution<int> phase(0, 10'000);
    std::vector<double> starts;
    std::vector<double> overruns;
    // The dummy driver sleeps a little longer than each buffer lasts, so it plays slower than
    // a sound card and long clips end late by its drift; short clips show the player's own.
    std::vector<double> shortOverruns;
    std::vector<double> longOverruns;
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    const QDir folder(QStringLiteral("sound"));
    for (const QString& name : folder.entryList({"*.wav"}, QDir::Files, QDir::Name)) {
        const QString path = folder.filePath(name);
        // Requests come at any moment of the device's buffer period.
        std::this_thread::sleep_for(std::chrono::microseconds(phase(random)));
        const auto called = Clock::now();
        voice.play(name);
        while (!device.firstSampleTime())
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        starts.push_back(Ms(*device.firstSampleTime() - called).count());

        std::this_thread::sleep_for(std::chrono::microseconds(phase(random)));
        const auto waited = Clock::now();
        voice.playAndWait(name);
        const double length = clipMilliseconds(path);
        const double overrun = Ms(Clock::now() - waited).count() - length;
        overruns.push_back(overrun);
        (length < 500 ? shortOverruns : longOverruns).push_back(overrun);
    }
    report("play to first sample", starts);
    report("waited play past the clip's end", overruns);
    report("  clips under 0.5 s", shortOverruns);
    report("  clips from 0.5 s", longOverruns);
    reportIdleWakeUps("idle, after the clips");
}
