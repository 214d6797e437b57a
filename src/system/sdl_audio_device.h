#pragma once

#include "core/audio_device.h"

#include <SDL.h>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

// The wave player on SDL2's audio subsystem. The output device is opened once for the
// program's life, because opening one per clip costs tens of milliseconds on a desktop sound
// server; clips are converted to its format when opened and fed from its callback, which
// sleeps while no clip plays.
class SdlAudioDevice final : public AudioDevice {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    SdlAudioDevice();
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    void play(const QString& path, bool wait) override;
    void stop() override;

    bool hasDevice() const { return device_ != 0; }
    // When the first sample of the clip now playing was handed to the device, if it was.
    std::optional<TimePoint> firstSampleTime();

private:
    static void SDLCALL feed(void* self, Uint8* stream, int length);
    void feed(Uint8* stream, int length);
    unsigned long long stopsSeen();
    void waitUntilHeard(std::unique_lock<std::mutex>& lock, TimePoint requested);
    void closeDevice();

    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};

    // Shared with the device's callback thread.
    std::mutex mutex_;
    std::condition_variable finished_; // a clip has been handed over to its end, or cut off
    std::condition_variable resumed_;  // a clip plays, or the device closes
    std::vector<Uint8> clip_;
    std::size_t position_ = 0;
    bool playing_ = false;
    unsigned long long clipNumber_ = 0; // which clip a waiter waits for, as others cut it off
    unsigned long long stops_ = 0;      // a stop that came while a clip loaded cuts it too
    bool closing_ = false;
    std::optional<TimePoint> firstSample_;
};
