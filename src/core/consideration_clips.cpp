#include "core/consideration_clips.h"

#include "core/announcer.h"

#include <optional>

namespace {

// A fraction typed in the settings (2.5) has no clip: nothing rather than a wrong number.
std::optional<int> wholeWithin(const Decimal& n, int lowest, int highest) {
    if (!n.isWhole() || n.truncated() < lowest || n.truncated() > highest)
        return std::nullopt;
    return int(n.truncated());
}

} // namespace

ConsiderationClips considerationClips(const Decimal& left, const Decimal& granted) {
    const auto ordinal = wholeWithin(granted - left, 1, 10);
    const auto remaining = wholeWithin(left, 0, 9);
    return {ordinal ? clip::minuteOrdinal(*ordinal) : QString(),
            remaining ? clip::minutesLeft(*remaining) : QString()};
}
