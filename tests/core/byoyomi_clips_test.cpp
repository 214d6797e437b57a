#include "core/byoyomi_clips.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// The clips of the seconds that say something; every other second of the period is silent.
using Schedule = std::map<int, QString>;

Schedule countdown(int from) {
    Schedule s;
    for (int n = 1; n <= 9; ++n) {
        const QString clip = QStringLiteral("0%1.wav").arg(n);
        s[from + n - 1] = clip;
    }
    return s;
}

Schedule merged(Schedule a, const Schedule& b) {
    a.insert(b.begin(), b.end());
    return a;
}

void check(int periodLength, const char* considerationLeft, const Schedule& expected) {
    const Decimal left = *Decimal::parse(QString::fromLatin1(considerationLeft));
    for (int elapsed = 1; elapsed < periodLength; ++elapsed) {
        const auto it = expected.find(elapsed);
        EXPECT_EQ(byoyomiClip(elapsed, periodLength, left),
                  it == expected.end() ? QString() : it->second)
            << "L=" << periodLength << " k=" << considerationLeft << " t=" << elapsed;
    }
}

const Schedule kThirtyMarks = {{10, "10b.wav"}, {20, "20b.wav"}};
const Schedule kSixtyMarks = {{40, "40b.wav"}, {50, "50b.wav"}};

} // namespace

TEST(ByoyomiClips, ATenSecondPeriodCountsDownOnlyWithoutMinutes) {
    check(10, "0", countdown(1));
    check(10, "3", {});
}

TEST(ByoyomiClips, AThirtySecondPeriodWarnsAt25WhileMinutesAreLeft) {
    check(30, "0", merged(kThirtyMarks, countdown(21)));
    check(30, "2", merged(kThirtyMarks, {{25, "25b.wav"}}));
}

TEST(ByoyomiClips, ASixtySecondPeriodIsSilentAtTenAndTwenty) {
    check(60, "0", merged(kSixtyMarks, countdown(51)));
    check(60, "1", merged(kSixtyMarks, {{55, "55b.wav"}}));
}

TEST(ByoyomiClips, NegativeOrFractionalCountsBehaveByTheirSign) {
    check(30, "-0.5", merged(kThirtyMarks, countdown(21)));
    check(30, "0.5", merged(kThirtyMarks, {{25, "25b.wav"}}));
}

// Other lengths follow the pattern of 30 and 60: the ten-second marks of the twenty seconds
// before the last ten, then the count, or the mark five seconds before the end while a
// minute follows and the sound folder has one.
TEST(ByoyomiClips, OtherLengthsFollowThePattern) {
    check(5, "0", {{1, "06.wav"}, {2, "07.wav"}, {3, "08.wav"}, {4, "09.wav"}});
    check(5, "1", {});
    check(20, "0", merged({{10, "10b.wav"}}, countdown(11)));
    check(40, "0", merged({{20, "20b.wav"}, {30, "30b.wav"}}, countdown(31)));
    check(40, "2", {{20, "20b.wav"}, {30, "30b.wav"}});
    check(45, "1", {{30, "30b.wav"}, {40, "40b.wav"}});
    check(55, "0", merged({{40, "40b.wav"}}, countdown(46)));
}
