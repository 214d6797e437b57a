#include "core/main_time_clips.h"

#include "core/announcer.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kWarnings[] = {300, 180, 60, 30, 20};

} // namespace

QString mainTimeClip(long long secondsLeft) {
    if (secondsLeft >= 1 && secondsLeft <= 9)
        return clip::countdown(int(10 - secondsLeft));
    if (std::find(std::begin(kWarnings), std::end(kWarnings), secondsLeft) != std::end(kWarnings))
        return clip::mainTimeLeft(int(secondsLeft));
    return {};
}
