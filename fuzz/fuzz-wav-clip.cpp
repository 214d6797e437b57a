// A clip's bytes through SDL's loader and the checks that guard the conversion: nothing
// beyond the sane limits is converted, whatever the header says.
#include "system/wav_clip.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SDL_AudioSpec device{};
    device.freq = 48000;
    device.format = AUDIO_S16SYS;
    device.channels = 1;
    const std::vector<Uint8> clip = loadClip(data, size, device);
    // The longest clip, at the device's rate, with room for the converter's rounding.
    const double longest = (kLongestClipSeconds + 1) * device.freq * 2;
    if (double(clip.size()) > longest)
        std::abort();
    return 0;
}
