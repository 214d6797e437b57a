#include "core/byoyomi_clips.h"

#include "core/announcer.h"

#include <algorithm>
#include <iterator>

namespace {

// Seconds the sound folder has a mark for.
constexpr int kMarks[] = {10, 20, 25, 30, 40, 50, 55};

bool hasMark(int elapsed) {
    return std::find(std::begin(kMarks), std::end(kMarks), elapsed) != std::end(kMarks);
}

// The ten-second marks of the twenty seconds before the count: 10 and 20 of a 30-second
// period, 40 and 50 of a minute, none of ten seconds.
QString tenSecondMark(int elapsed, int periodLength) {
    const bool marked = elapsed > 0 && elapsed % 10 == 0 && elapsed >= periodLength - 20 &&
                        elapsed <= periodLength - 10;
    return marked ? clip::secondsMark(elapsed) : QString();
}

} // namespace

QString byoyomiClip(int elapsed, int periodLength, const Decimal& considerationLeft) {
    const int countdown = elapsed - (periodLength - 10); // 1 when nine seconds remain
    if (considerationLeft <= Decimal(0)) {
        if (countdown >= 1 && countdown <= 10)
            return clip::countdown(countdown);
    } else if (elapsed == periodLength - 5 && hasMark(elapsed)) {
        return clip::secondsMark(elapsed); // five seconds to go, where a minute follows
    }
    return tenSecondMark(elapsed, periodLength);
}
