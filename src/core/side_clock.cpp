#include "core/side_clock.h"

#include <algorithm>

namespace {

constexpr int kConsiderationMinuteSeconds = 60;

} // namespace

SideClock SideClock::forNewGame(ClockTime mainTime, const Decimal& consideration,
                                int byoyomiLength) {
    SideClock clock;
    clock.mainTime = mainTime;
    clock.periodLength = byoyomiLength;
    clock.byoyomiLength = byoyomiLength;
    clock.considerationLeft = consideration;
    clock.considerationGranted = consideration;
    return clock;
}

SideClock SideClock::withoutByoyomi(ClockTime mainTime, TimeControl control, int increment) {
    SideClock clock;
    clock.mainTime = mainTime;
    clock.control = control;
    clock.increment = control == TimeControl::Fischer ? increment : 0;
    return clock;
}

SecondCounted SideClock::countSecond() {
    if (mainTime > kOneSecond) {
        mainTime = mainTime - kOneSecond;
        return SecondCounted::MainTimeRan;
    }
    if (control != TimeControl::Byoyomi) {
        mainTime = ClockTime(); // the flag falls with the last second
        return SecondCounted::TimeOut;
    }
    if (mainTime > ClockTime()) {
        mainTime = ClockTime(); // byoyomi starts with the next second
        return SecondCounted::MainTimeRan;
    }
    mainTimeOverAnnounced = true;
    if (periodElapsed < periodLength)
        ++periodElapsed;
    if (periodElapsed < periodLength)
        return SecondCounted::ByoyomiSecond;
    if (considerationLeft > Decimal(0)) {
        // A typed fraction of a minute (0.5) is spent whole: minutes never go below 0.
        considerationLeft = std::max(considerationLeft - 1, Decimal(0));
        periodLength = kConsiderationMinuteSeconds;
        periodElapsed = 0;
        return SecondCounted::MinuteTaken;
    }
    periodElapsed = periodLength;
    return SecondCounted::TimeOut;
}

bool SideClock::addIncrement() {
    if (control != TimeControl::Fischer || increment <= 0)
        return false;
    mainTime = mainTime + ClockTime::fromSeconds(increment);
    return true;
}

bool SideClock::moveMade() {
    if (control != TimeControl::Byoyomi || mainTime > ClockTime() || periodElapsed <= 0)
        return false;
    periodLength = byoyomiLength;
    periodElapsed = 0;
    return true;
}

void SideClock::giveBack(int seconds) {
    // A period shorter than the seconds given back starts afresh: it has no more to give.
    if (control == TimeControl::Byoyomi)
        periodElapsed = std::max(0, periodElapsed - seconds);
    else
        mainTime = mainTime + ClockTime::fromSeconds(seconds);
}
