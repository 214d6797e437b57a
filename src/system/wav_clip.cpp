#include "system/wav_clip.h"

#include <algorithm>
#include <cstring>
#include <memory>

bool plausibleClip(const SDL_AudioSpec& source, Uint32 length) {
    if (length == 0 || source.freq < kLowestClipRate || source.freq > kHighestClipRate ||
        source.channels == 0)
        return false;
    const double frameBytes = SDL_AUDIO_BITSIZE(source.format) / 8.0 * source.channels;
    return frameBytes > 0 && length / frameBytes / source.freq <= kLongestClipSeconds;
}

namespace {

// Whether every chunk of the RIFF file lies within its bytes.
bool chunksFit(const Uint8* data, std::size_t size) {
    constexpr std::size_t kHeader = 12; // "RIFF", its length, "WAVE"
    constexpr std::size_t kChunkHeader = 8;
    if (size < kHeader || size > kLargestClipFileBytes || std::memcmp(data, "RIFF", 4) != 0)
        return false;
    for (std::size_t at = kHeader; at + kChunkHeader <= size;) {
        Uint32 length = 0;
        std::memcpy(&length, data + at + 4, sizeof length);
        length = SDL_SwapLE32(length);
        if (length > size - at - kChunkHeader)
            return false;
        at += kChunkHeader + length + (length & 1); // chunks are padded to even lengths
    }
    return true;
}

} // namespace

std::vector<Uint8> loadClip(const Uint8* data, std::size_t size, const SDL_AudioSpec& device) {
    SDL_AudioSpec spec{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!chunksFit(data, size) ||
        !SDL_LoadWAV_RW(SDL_RWFromConstMem(data, int(size)), 1, &spec, &samples, &length))
        return {};
    const std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> owned(samples, SDL_FreeWAV);
    if (!plausibleClip(spec, length))
        return {};
    SDL_AudioCVT cvt{};
    if (SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, device.format,
                          device.channels, device.freq) < 0)
        return {};
    std::vector<Uint8> buffer(static_cast<std::size_t>(length) *
                              static_cast<std::size_t>(std::max(cvt.len_mult, 1)));
    std::memcpy(buffer.data(), samples, length);
    cvt.buf = buffer.data();
    cvt.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&cvt) != 0)
        return {};
    buffer.resize(static_cast<std::size_t>(cvt.len_cvt));
    return buffer;
}
