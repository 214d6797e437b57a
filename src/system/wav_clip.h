#pragma once

#include <SDL.h>
#include <cstddef>
#include <vector>

// Beyond these a header is broken or hostile, and converting it could take more memory than
// the machine has; real clips last seconds at 8 to 48 kHz.
inline constexpr int kLowestClipRate = 4000;
inline constexpr int kHighestClipRate = 384000;
inline constexpr double kLongestClipSeconds = 300;
// Larger than the longest clip at the highest rate in the widest common format.
inline constexpr std::size_t kLargestClipFileBytes = 512u << 20;

// Whether a clip of that format and length in bytes lies within the limits; an empty one
// has nothing to play.
bool plausibleClip(const SDL_AudioSpec& source, Uint32 length);

// The clip the bytes of a WAV file hold, converted to the device's format; empty when SDL
// can't read it or it lies beyond the limits, which are checked before any buffer is sized:
// a chunk that claims more bytes than the file has is refused, as SDL would allocate what it
// claims. Whole-buffer conversion keeps the clip's last milliseconds, which a streaming
// resampler holds back.
std::vector<Uint8> loadClip(const Uint8* data, std::size_t size, const SDL_AudioSpec& device);
