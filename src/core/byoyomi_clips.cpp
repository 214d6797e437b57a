#include "core/byoyomi_clips.h"

#include "core/announcer.h"

namespace {

// The marks of a second that no countdown or warning has claimed.
QString tenSecondMark(int elapsed, int periodLength) {
    const bool thirtySeconds = periodLength == 30;
    switch (elapsed) {
    case 10:
    case 20:
        return thirtySeconds ? clip::secondsMark(elapsed) : QString();
    case 40:
    case 50:
        return clip::secondsMark(elapsed);
    default:
        return {};
    }
}

} // namespace

QString byoyomiClip(int elapsed, int periodLength, const Decimal& considerationLeft) {
    const int countdown = elapsed - (periodLength - 10); // 1 when nine seconds remain
    if (considerationLeft <= Decimal(0)) {
        if (countdown >= 1 && countdown <= 10)
            return clip::countdown(countdown);
    } else if ((elapsed == 25 && periodLength == 30) || elapsed == 55) {
        return clip::secondsMark(elapsed);
    }
    return tenSecondMark(elapsed, periodLength);
}
