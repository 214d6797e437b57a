#include "support/fakes.h"
#include "voice/kouryo_reader.h"
#include "voice/sound_player.h"

#include <gtest/gtest.h>

using Clips = std::vector<RecordingAudioDevice::Clip>;

TEST(KouryoReader, SaysTheOrdinalWaitedForThenTheMinutesLeft) {
    const struct {
        const char* remaining;
        const char* initial;
        Clips clips;
    } rows[] = {
        {"9", "10", {{"sound/01kaime.wav", true}, {"sound/Nokori09.wav", false}}},
        {"0", "10", {{"sound/10kaime.wav", true}, {"sound/Nokori00.wav", false}}},
        {"0", "1", {{"sound/01kaime.wav", true}, {"sound/Nokori00.wav", false}}},
        {"4", "7", {{"sound/03kaime.wav", true}, {"sound/Nokori04.wav", false}}},
        // A fraction typed in the settings: the ordinal, and no wrong count.
        {"1.5", "2.5", {{"sound/01kaime.wav", true}}},
        // An ordinal without a clip plays the empty path, silently cutting what sounded.
        {"0", "11", {{"", true}, {"sound/Nokori00.wav", false}}},
        {"10", "10", {{"", true}}},
    };
    for (const auto& row : rows) {
        RecordingAudioDevice mmctl;
        SoundPlayer player(mmctl);
        KouryoYomi(player, *Decimal::parse(QString::fromUtf8(row.remaining)),
                   *Decimal::parse(QString::fromUtf8(row.initial)));
        EXPECT_EQ(mmctl.clips(), row.clips) << row.remaining << " of " << row.initial;
    }
}

TEST(KouryoReader, EveryWholeCountTheSettingsAllowFindsBothClips) {
    for (int initial = 1; initial <= 10; ++initial) {
        for (int remaining = initial - 1; remaining >= 0; --remaining) {
            RecordingAudioDevice mmctl;
            SoundPlayer player(mmctl);
            KouryoYomi(player, Decimal(remaining), Decimal(initial));
            const Clips clips = mmctl.clips();
            ASSERT_EQ(clips.size(), 2u);
            EXPECT_FALSE(clips[0].path.isEmpty());
            EXPECT_FALSE(clips[1].path.isEmpty());
        }
    }
}
