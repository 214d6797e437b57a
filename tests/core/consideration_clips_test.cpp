#include "core/consideration_clips.h"

#include <gtest/gtest.h>

TEST(ConsiderationClips, TheOrdinalOfTheMinuteTakenThenTheMinutesLeft) {
    const struct {
        const char* left;
        const char* granted;
        ConsiderationClips clips;
    } rows[] = {
        {"9", "10", {"01kaime.wav", "Nokori09.wav"}},
        {"0", "10", {"10kaime.wav", "Nokori00.wav"}},
        {"0", "1", {"01kaime.wav", "Nokori00.wav"}},
        {"4", "7", {"03kaime.wav", "Nokori04.wav"}},
        {"1.5", "2.5", {"01kaime.wav", ""}}, // a typed fraction: no wrong count
        {"0", "11", {"", "Nokori00.wav"}},
        {"10", "10", {"", ""}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(considerationClips(*Decimal::parse(QString::fromLatin1(row.left)),
                                     *Decimal::parse(QString::fromLatin1(row.granted))),
                  row.clips)
            << row.left << " of " << row.granted;
    }
}

TEST(ConsiderationClips, EveryWholeCountTheSettingsAllowFindsBothClips) {
    for (int granted = 1; granted <= 10; ++granted) {
        for (int left = granted - 1; left >= 0; --left) {
            const ConsiderationClips clips = considerationClips(left, granted);
            EXPECT_FALSE(clips.ordinal.isEmpty()) << left << " of " << granted;
            EXPECT_FALSE(clips.minutesLeft.isEmpty()) << left << " of " << granted;
        }
    }
}
