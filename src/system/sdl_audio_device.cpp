#include "system/sdl_audio_device.h"

#include "system/wav_clip.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

// Small buffers (5 ms) keep the delay between a play request and the first sample heard short.
constexpr int kBufferFrames = 240;
constexpr int kDeviceRate = 48000;
// The clip converted to the device's format; empty when it can't be loaded. A FIFO or a
// device would block the read for good: only a regular file is a clip.
std::vector<Uint8> loadConverted(const QString& path, const SDL_AudioSpec& device) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > qint64(kLargestClipFileBytes) ||
        !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return loadClip(reinterpret_cast<const Uint8*>(bytes.constData()), std::size_t(bytes.size()),
                    device);
}

void sayNoAudio() {
    std::fprintf(stderr, "shogi-clock: no audio device (%s); the clock runs silently\n",
                 SDL_GetError());
}

} // namespace

SdlAudioDevice::SdlAudioDevice() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // Ctrl+C and the like stay Qt's
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        sayNoAudio();
        return;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kDeviceRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = kBufferFrames;
    wanted.callback = &SdlAudioDevice::feed;
    wanted.userdata = this;
    device_ =
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &spec_,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device_ == 0) {
        sayNoAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    SDL_PauseAudioDevice(device_, 0); // runs for good; its callback sleeps between clips
}

SdlAudioDevice::~SdlAudioDevice() {
    closeDevice();
}

void SdlAudioDevice::play(const QString& path, bool wait) {
    if (device_ == 0)
        return;
    const auto requested = std::chrono::steady_clock::now();
    const unsigned long long stops = stopsSeen();
    std::vector<Uint8> clip = loadConverted(path, spec_);
    std::unique_lock lock(mutex_);
    if (stops_ != stops)
        return; // stopped while it loaded
    clip_ = std::move(clip);
    position_ = 0;
    ++clipNumber_;
    firstSample_.reset();
    playing_ = !clip_.empty();
    finished_.notify_all(); // a clip cut off has been heard as far as it goes
    if (!playing_)
        return;
    resumed_.notify_all();
    if (wait)
        waitUntilHeard(lock, requested);
}

void SdlAudioDevice::stop() {
    {
        std::lock_guard lock(mutex_);
        ++stops_;
        playing_ = false;
        clip_.clear();
        position_ = 0;
        ++clipNumber_;
    }
    finished_.notify_all();
}

unsigned long long SdlAudioDevice::stopsSeen() {
    std::lock_guard lock(mutex_);
    return stops_;
}

std::optional<SdlAudioDevice::TimePoint> SdlAudioDevice::firstSampleTime() {
    std::lock_guard lock(mutex_);
    return firstSample_;
}

void SdlAudioDevice::waitUntilHeard(std::unique_lock<std::mutex>& lock, TimePoint requested) {
    const std::size_t frameBytes = std::max<std::size_t>(spec_.size / spec_.samples, 1);
    const auto frames = static_cast<long long>(clip_.size() / frameBytes);
    const auto clipTime = std::chrono::microseconds(1'000'000LL * frames / spec_.freq);
    const auto bufferTime = std::chrono::microseconds(1'000'000LL * spec_.samples / spec_.freq);
    const unsigned long long mine = clipNumber_;
    const auto cutOff = [&] { return clipNumber_ != mine; };
    // A device that stops pulling samples must not hold the clock for ever.
    finished_.wait_for(lock, clipTime + std::chrono::seconds(2),
                       [&] { return !playing_ || cutOff(); });
    // The last samples are now in the device's buffer and are heard when it has played out;
    // and no clip ends sooner than its length after the request, whatever the device's pace.
    finished_.wait_until(
        lock, std::max(std::chrono::steady_clock::now() + bufferTime, requested + clipTime),
        cutOff);
}

void SdlAudioDevice::closeDevice() {
    if (device_ == 0)
        return;
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    resumed_.notify_all(); // SDL waits for its thread, which may be asleep in the callback
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device_ = 0;
}

void SDLCALL SdlAudioDevice::feed(void* self, Uint8* stream, int length) {
    static_cast<SdlAudioDevice*>(self)->feed(stream, length);
}

// Sleeps while nothing plays, so that an idle clock doesn't wake the processor at every
// buffer; SDL's own pause would, as its thread goes on feeding silence. The device runs dry
// meanwhile, which is heard as the same silence.
void SdlAudioDevice::feed(Uint8* stream, int length) {
    std::unique_lock lock(mutex_);
    resumed_.wait(lock, [this] { return playing_ || closing_; });
    std::memset(stream, spec_.silence, static_cast<std::size_t>(length));
    if (!playing_)
        return;
    if (position_ == 0)
        firstSample_ = std::chrono::steady_clock::now();
    const std::size_t count = std::min(clip_.size() - position_, static_cast<std::size_t>(length));
    std::memcpy(stream, clip_.data() + position_, count);
    position_ += count;
    if (position_ >= clip_.size()) {
        playing_ = false;
        finished_.notify_all();
    }
}
