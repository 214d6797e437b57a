#include "clock/main_window.h"
#include "support/fakes.h"
#include "support/working_folder.h"
#include "voice/sound_player.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using Log = std::vector<QString>;

TEST(SoundPlayer, YomiageIssuesTheFiveStepsWithoutWaiting) {
    RecordingAudioDevice mmctl;
    SoundPlayer(mmctl).Yomiage("sound/01.wav");
    EXPECT_EQ(mmctl.log, (Log{"Close", "FileName sound/01.wav", "Open", "Prev", "Play"}));
}

TEST(SoundPlayer, Yomiage2SetsTheWaitFlagBeforeEachStep) {
    RecordingAudioDevice mmctl;
    SoundPlayer(mmctl).Yomiage2("sound/10.wav");
    EXPECT_EQ(mmctl.log, (Log{"Wait", "Close", "Wait", "FileName sound/10.wav", "Wait", "Open",
                              "Wait", "Prev", "Wait", "Play"}));
}

TEST(SoundPlayer, ClipPathsAreRelativeToTheSoundFolder) {
    EXPECT_EQ(clipPath("Nokori00.wav"), "sound/Nokori00.wav");
}

TEST(MainWindowVoice, TestButtonSaysTheTypedNumberThenTheResult) {
    const struct {
        const char* typed;
        std::vector<const char*> clips;
    } rows[] = {
        {"35", {"03y1", "10y1", "05y1", "Tenite", "S-kati"}},
        {"abc", {"Tenite", "S-kati"}},
        {"", {"Tenite", "S-kati"}},
    };
    WorkingFolder folder;
    for (const auto& row : rows) {
        FakePlatform fakes;
        frmMain w(fakes.platform);
        ASSERT_TRUE(w.Form_Load());
        w.Text1->setText(row.typed);
        QTest::mouseClick(w.cmd1, Qt::LeftButton);
        std::vector<RecordingAudioDevice::Clip> expected;
        for (const char* clip : row.clips)
            expected.push_back({QStringLiteral("sound/%1.wav").arg(clip), true});
        EXPECT_EQ(fakes.mmctl.clips(), expected) << row.typed;
    }
}

TEST(MainWindowVoice, ClosingTheWindowClosesTheAudioDevice) {
    WorkingFolder folder;
    FakePlatform fakes;
    frmMain w(fakes.platform);
    ASSERT_TRUE(w.Form_Load());
    w.show();
    w.close();
    EXPECT_EQ(fakes.mmctl.log, Log{"close"});
}
