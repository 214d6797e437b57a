#include "platform/label.h"
#include "platform/ui_timer.h"
#include "support/game.h"
#include "support/working_folder.h"

#include <gtest/gtest.h>

namespace {

using Clip = RecordingAudioDevice::Clip;

class Tick : public testing::Test {
protected:
    Tick() { EXPECT_TRUE(w.Form_Load()); }

    // Counts n seconds and returns the clips they played.
    std::vector<Clip> seconds(int n) {
        fakes.mmctl.log.clear();
        for (int i = 0; i < n; ++i)
            nextSecond(w, fakes.wallClock);
        return fakes.mmctl.clips();
    }

    static Clip quick(const char* file) { return {QStringLiteral("sound/") + file, false}; }
    static Clip waited(const char* file) { return {QStringLiteral("sound/") + file, true}; }

    WorkingFolder folder;
    FakePlatform fakes;
    frmMain w{fakes.platform};
};

} // namespace

TEST_F(Tick, TheWorkedSequenceSecondBySecond) {
    putGameOnClock(w, {.main1 = ClockTime::fromSeconds(2), .byoyomi1 = 30, .minutes1 = 1});
    EXPECT_TRUE(seconds(1).empty());
    EXPECT_EQ(w.Timer1->interval(), 500); // the first counted second since start-up
    EXPECT_EQ(w.Lblt1->text(), "0:00:01");
    seconds(1);
    EXPECT_EQ(w.Lblt1->text(), "0:00:00");
    EXPECT_EQ(w.Lblt11->text(), "0"); // byoyomi starts with the next second

    w.Timer1->setInterval(1000);
    EXPECT_EQ(seconds(1), std::vector<Clip>{quick("Motitu.wav")});
    EXPECT_EQ(w.Lblt11->text(), "1");
    EXPECT_EQ(w.Timer1->interval(), 1000);

    // Seconds 4 to 31: the marks of a 30-second period while a minute is left.
    EXPECT_EQ(seconds(28),
              (std::vector<Clip>{quick("10b.wav"), quick("20b.wav"), quick("25b.wav")}));
    EXPECT_EQ(w.Lblt11->text(), "29");
    EXPECT_EQ(w.Timer1->interval(), 500);

    // Second 32 ends the period and starts the consideration minute.
    EXPECT_EQ(seconds(1), (std::vector<Clip>{waited("01kaime.wav"), quick("Nokori00.wav")}));
    EXPECT_EQ(w.k1.value(), Decimal(0));
    EXPECT_EQ(w.Lblk1->text(), "0");
    EXPECT_EQ(w.ts11, 60);
    EXPECT_EQ(w.t11, 0);
    EXPECT_EQ(w.Lblt11->text(), "0");
    EXPECT_EQ(w.Timer1->interval(), 200);

    // Seconds 33 to 91: the last minute, counted down at its end.
    std::vector<Clip> minute = {quick("40b.wav"), quick("50b.wav")};
    for (const char* n : {"01", "02", "03", "04", "05", "06", "07", "08", "09"})
        minute.push_back({QStringLiteral("sound/%1.wav").arg(n), false});
    EXPECT_EQ(seconds(59), minute);
    EXPECT_EQ(w.Lblt11->text(), "59");
    EXPECT_TRUE(w.Timer1->enabled());

    // Second 92 is the time-out.
    EXPECT_EQ(seconds(1), std::vector<Clip>{waited("10.wav")});
    EXPECT_FALSE(w.Timer1->enabled());
    EXPECT_EQ(w.Lblt11->text(), "60");
    EXPECT_TRUE(w.Jg);
    EXPECT_TRUE(w.Timer2->enabled());
    EXPECT_EQ(w.Timer2->interval(), 3000);
    EXPECT_EQ(w.TT1, ClockTime::fromSeconds(92));
    EXPECT_EQ(w.lblTT1->text(), "0:01:32");
}

TEST_F(Tick, TheSameSecondIsCountedOnce) {
    putGameOnClock(w, {});
    nextSecond(w, fakes.wallClock);
    fakes.wallClock.advanceMs(400);
    w.Timer1_Timer();
    w.Timer1_Timer();
    EXPECT_EQ(w.t1, ClockTime::fromHms(0, 14, 59));
    EXPECT_EQ(w.TT1, kOneSecond);
}

TEST_F(Tick, AHoldUpIsNotMadeUp) {
    putGameOnClock(w, {});
    nextSecond(w, fakes.wallClock);
    fakes.wallClock.advanceMs(60'000); // a one-minute pause, or a blocking clip
    w.Timer1_Timer();
    EXPECT_EQ(w.t1, ClockTime::fromHms(0, 14, 58));
    EXPECT_EQ(w.TT1, ClockTime::fromSeconds(2));
}

TEST_F(Tick, TheSideNotToMoveIsNeverCharged) {
    putGameOnClock(w, {.main2 = ClockTime(), .byoyomi2 = 10, .minutes2 = 0});
    seconds(30);
    EXPECT_EQ(w.t1, ClockTime::fromHms(0, 14, 30));
    EXPECT_EQ(w.t2, ClockTime());
    EXPECT_EQ(w.t12, 0);
    EXPECT_EQ(w.Lblt2->text(), "0:15:00");
    EXPECT_EQ(w.Lblt12->text(), "0");
    EXPECT_FALSE(w.tm2);
}

TEST_F(Tick, MainTimeOverIsAnnouncedOncePerSideAndGame) {
    putGameOnClock(w, {.main1 = ClockTime(), .main2 = ClockTime(), .minutes1 = 0, .minutes2 = 0});
    EXPECT_EQ(seconds(1), std::vector<Clip>{quick("Motitu.wav")});
    pressKey(w, Qt::Key_Space);
    EXPECT_EQ(seconds(1), std::vector<Clip>{quick("Motitu.wav")}); // side 2's own
    pressKey(w, Qt::Key_Return);
    EXPECT_TRUE(seconds(1).empty()); // side 1 again: no second announcement
    EXPECT_TRUE(w.tm1);
    EXPECT_TRUE(w.tm2);
}

TEST_F(Tick, TenSecondByoyomiWithoutMinutesRunsOut) {
    putGameOnClock(w, {.main1 = ClockTime(), .byoyomi1 = 10, .minutes1 = 0});
    std::vector<Clip> expected = {quick("Motitu.wav")};
    for (const char* n : {"01", "02", "03", "04", "05", "06", "07", "08", "09"})
        expected.push_back({QStringLiteral("sound/%1.wav").arg(n), false});
    EXPECT_EQ(seconds(9), expected);
    EXPECT_EQ(w.Timer1->interval(), 200);
    EXPECT_EQ(seconds(1), std::vector<Clip>{waited("10.wav")});
    EXPECT_EQ(w.Lblt11->text(), "10");
    EXPECT_FALSE(w.Timer1->enabled());
    EXPECT_TRUE(w.Timer2->enabled());
    EXPECT_EQ(w.TT1, ClockTime::fromSeconds(10));
}

TEST_F(Tick, ASixtySecondPeriodWithMinutesLeftStartsAConsiderationMinute) {
    putGameOnClock(w, {.main1 = ClockTime(), .byoyomi1 = 60, .minutes1 = 3});
    seconds(59);
    EXPECT_EQ(w.Lblt11->text(), "59");
    EXPECT_EQ(seconds(1), (std::vector<Clip>{waited("01kaime.wav"), quick("Nokori02.wav")}));
    EXPECT_EQ(w.Lblt11->text(), "0");
    EXPECT_EQ(w.Lblk1->text(), "2");
    EXPECT_EQ(w.ts11, 60);
    EXPECT_TRUE(w.Timer1->enabled());
}

TEST_F(Tick, OneSecondOfMainTimeGoesToZeroThenByoyomi) {
    putGameOnClock(w, {.main1 = ClockTime::fromSeconds(1)});
    EXPECT_TRUE(seconds(1).empty());
    EXPECT_EQ(w.Lblt1->text(), "0:00:00");
    EXPECT_EQ(seconds(1), std::vector<Clip>{quick("Motitu.wav")});
    EXPECT_EQ(w.Lblt11->text(), "1");
}
