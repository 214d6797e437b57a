#include "core/clock_time.h"

#include <gtest/gtest.h>

TEST(ClockTime, TextFormHasUnpaddedHoursAndTwoDigitMinutesAndSeconds) {
    const struct {
        long long seconds;
        const char* text;
    } rows[] = {
        {0, "0:00:00"},      {900, "0:15:00"},    {3909, "1:05:09"}, {86399, "23:59:59"},
        {86400, "24:00:00"}, {90190, "25:03:10"}, {59, "0:00:59"},   {3600, "1:00:00"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ClockTime::fromSeconds(row.seconds).toText(), QString(row.text)) << row.seconds;
}

TEST(ClockTime, ArithmeticIsInWholeSecondsAndCarriesPastADay) {
    ClockTime total = ClockTime::fromHms(23, 59, 59);
    total = total + kOneSecond;
    EXPECT_EQ(total.toText(), "24:00:00");
    EXPECT_EQ((ClockTime::fromHms(0, 0, 1) - kOneSecond).seconds(), 0);
    EXPECT_EQ(ClockTime::fromHms(0, 60, 0), ClockTime::fromHms(1, 0, 0)); // minutes carry
    EXPECT_LT(ClockTime::fromSeconds(1), ClockTime::fromSeconds(2));
    EXPECT_FALSE(ClockTime::fromSeconds(1) > kOneSecond);
}
