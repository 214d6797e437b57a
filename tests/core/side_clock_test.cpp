#include "core/side_clock.h"

#include <gtest/gtest.h>

namespace {

SideClock inByoyomi(int periodLength, const char* considerationLeft) {
    return SideClock::forNewGame(
        ClockTime(), *Decimal::parse(QString::fromLatin1(considerationLeft)), periodLength);
}

SideClock period(ClockTime mainTime, int elapsed, int length, int byoyomiLength) {
    SideClock clock = SideClock::forNewGame(mainTime, Decimal(0), byoyomiLength);
    clock.periodElapsed = elapsed;
    clock.periodLength = length;
    return clock;
}

} // namespace

TEST(SideClock, MainTimeRunsToZeroAndByoyomiStartsWithTheNextSecond) {
    SideClock clock = SideClock::forNewGame(ClockTime::fromSeconds(2), Decimal(0), 10);
    EXPECT_EQ(clock.countSecond(), SecondCounted::MainTimeRan);
    EXPECT_EQ(clock.mainTime, kOneSecond);
    EXPECT_EQ(clock.countSecond(), SecondCounted::MainTimeRan);
    EXPECT_EQ(clock.mainTime, ClockTime());
    EXPECT_EQ(clock.periodElapsed, 0);
    EXPECT_FALSE(clock.mainTimeOverAnnounced);
    EXPECT_EQ(clock.countSecond(), SecondCounted::ByoyomiSecond);
    EXPECT_EQ(clock.periodElapsed, 1);
    EXPECT_TRUE(clock.mainTimeOverAnnounced);
}

TEST(SideClock, APeriodThatRunsOutTakesAMinuteWhileAnyIsLeft) {
    const struct {
        int periodLength;
        const char* considerationLeft;
        SecondCounted last;
        int periodElapsedAfter;
        int periodLengthAfter;
        const char* considerationAfter;
    } rows[] = {
        {10, "0", SecondCounted::TimeOut, 10, 10, "0"},
        {30, "-1", SecondCounted::TimeOut, 30, 30, "-1"},
        {10, "2", SecondCounted::MinuteTaken, 0, 60, "1"},
        {60, "0.5", SecondCounted::MinuteTaken, 0, 60, "0"}, // a typed fraction is spent whole
    };
    for (const auto& row : rows) {
        SideClock clock = inByoyomi(row.periodLength, row.considerationLeft);
        for (int s = 1; s < row.periodLength; ++s)
            ASSERT_EQ(clock.countSecond(), SecondCounted::ByoyomiSecond) << s;
        EXPECT_EQ(clock.countSecond(), row.last) << row.periodLength << row.considerationLeft;
        EXPECT_EQ(clock.periodElapsed, row.periodElapsedAfter);
        EXPECT_EQ(clock.periodLength, row.periodLengthAfter);
        EXPECT_EQ(clock.considerationLeft.toText(), row.considerationAfter);
        EXPECT_EQ(clock.byoyomiLength, row.periodLength);
    }
}

TEST(SideClock, OnlyAMoveInAStartedPeriodGetsAFreshOne) {
    const struct {
        const char* what;
        SideClock before;
        bool reset;
        int periodLengthAfter;
    } rows[] = {
        {"in main time with a stale count", period(ClockTime::fromSeconds(5), 3, 30, 30), false,
         30},
        {"17 seconds into a 30-second period", period(ClockTime(), 17, 30, 30), true, 30},
        {"5 seconds into a consideration minute", period(ClockTime(), 5, 60, 10), true, 10},
        {"in the second a minute began", period(ClockTime(), 0, 60, 10), false, 60},
    };
    for (const auto& row : rows) {
        SideClock clock = row.before;
        EXPECT_EQ(clock.moveMade(), row.reset) << row.what;
        EXPECT_EQ(clock.periodElapsed, row.reset ? 0 : row.before.periodElapsed) << row.what;
        EXPECT_EQ(clock.periodLength, row.periodLengthAfter) << row.what;
    }
}

TEST(SideClock, GivingSecondsBackLowersTheCount) {
    SideClock clock = inByoyomi(60, "0");
    clock.periodElapsed = 60;
    clock.giveBack(10);
    EXPECT_EQ(clock.periodElapsed, 50);
}
