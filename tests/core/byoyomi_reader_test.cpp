#include "core/byoyomi_reader.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// The cues of the seconds that say something or change the poll interval; every other
// second of the period is silent.
using Schedule = std::map<int, ByoyomiCue>;

Schedule countdown(int from) {
    Schedule s;
    for (int n = 1; n <= 9; ++n) {
        const QString clip = QStringLiteral("0%1.wav").arg(n);
        s[from + n - 1] = {clip, n == 1 ? std::optional(200) : std::nullopt};
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
        const ByoyomiCue cue = it == expected.end() ? ByoyomiCue{} : it->second;
        EXPECT_EQ(byoyomiCue(elapsed, periodLength, left), cue)
            << "L=" << periodLength << " k=" << considerationLeft << " t=" << elapsed;
    }
}

const Schedule kThirtyMarks = {{10, {"10b.wav", 500}}, {20, {"20b.wav", std::nullopt}}};
const Schedule kSixtyMarks = {
    {10, {"", 500}}, {40, {"40b.wav", std::nullopt}}, {50, {"50b.wav", std::nullopt}}};

} // namespace

TEST(ByoyomiReader, ATenSecondPeriodCountsDownOnlyWithoutMinutes) {
    check(10, "0", countdown(1));
    check(10, "3", {});
}

TEST(ByoyomiReader, AThirtySecondPeriodWarnsAt25WhileMinutesAreLeft) {
    check(30, "0", merged(kThirtyMarks, countdown(21)));
    check(30, "2", merged(kThirtyMarks, {{25, {"25b.wav", std::nullopt}}}));
}

TEST(ByoyomiReader, ASixtySecondPeriodPollsFasterAtTenWithoutSayingIt) {
    check(60, "0", merged(kSixtyMarks, countdown(51)));
    check(60, "1", merged(kSixtyMarks, {{55, {"55b.wav", std::nullopt}}}));
}

TEST(ByoyomiReader, NegativeOrFractionalCountsBehaveByTheirSign) {
    check(30, "-0.5", merged(kThirtyMarks, countdown(21)));
    check(30, "0.5", merged(kThirtyMarks, {{25, {"25b.wav", std::nullopt}}}));
}
