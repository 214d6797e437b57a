#include "core/byoyomi_reader.h"

#include "core/announcer.h"

namespace {

constexpr int kMarkPollMs = 500;
constexpr int kCountdownPollMs = 200;

// The marks of a second that no countdown or warning has claimed.
ByoyomiCue tenSecondMark(int elapsed, int periodLength) {
    const bool thirtySeconds = periodLength == 30;
    switch (elapsed) {
    case 10:
        return {thirtySeconds ? clip::secondsMark(10) : QString(), kMarkPollMs};
    case 20:
        return {thirtySeconds ? clip::secondsMark(20) : QString(), std::nullopt};
    case 40:
    case 50:
        return {clip::secondsMark(elapsed), std::nullopt};
    default:
        return {};
    }
}

} // namespace

ByoyomiCue byoyomiCue(int elapsed, int periodLength, const Decimal& considerationLeft) {
    const int countdown = elapsed - (periodLength - 10); // 1 when nine seconds remain
    if (considerationLeft <= Decimal(0)) {
        if (countdown == 1)
            return {clip::countdown(1), kCountdownPollMs};
        if (countdown >= 2 && countdown <= 10)
            return {clip::countdown(countdown), std::nullopt};
    } else if ((elapsed == 25 && periodLength == 30) || elapsed == 55) {
        return {clip::secondsMark(elapsed), std::nullopt};
    }
    return tenSecondMark(elapsed, periodLength);
}
