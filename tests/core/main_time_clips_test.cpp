#include "core/main_time_clips.h"

#include <gtest/gtest.h>

TEST(MainTimeClips, WarnAtFiveThreeAndOneMinuteThirtyAndTwentySecondsThenCount) {
    const struct {
        long long left;
        const char* clip;
    } rows[] = {
        {301, ""},
        {300, "Nokori5fun.wav"},
        {180, "Nokori3fun.wav"},
        {120, ""},
        {60, "Nokori1fun.wav"},
        {30, "Nokori30byo.wav"},
        {20, "Nokori20byo.wav"},
        {10, ""},
        {9, "01.wav"},
        {1, "09.wav"},
        {0, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(mainTimeClip(row.left), QString::fromLatin1(row.clip)) << row.left;
}
