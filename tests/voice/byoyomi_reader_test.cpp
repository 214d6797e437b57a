#include "platform/ui_timer.h"
#include "support/fakes.h"
#include "voice/byoyomi_reader.h"
#include "voice/sound_player.h"

#include <gtest/gtest.h>
#include <map>

namespace {

constexpr int kUnchanged = 999;

struct Said {
    const char* clip; // "" for silence
    int interval;     // kUnchanged when Timer1's interval is left alone
};

// The announced seconds of each period; every other second is silent and leaves the interval.
using Schedule = std::map<int, Said>;

Schedule countdown(int from) {
    Schedule s;
    for (int i = 1; i <= 9; ++i)
        s[from + i - 1] = {nullptr, i == 1 ? 200 : kUnchanged};
    return s;
}

void check(int L, const Decimal& k, Schedule expected) {
    for (int t = 1; t < L; ++t) {
        RecordingAudioDevice mmctl;
        SoundPlayer player(mmctl);
        UiTimer Timer1(nullptr, false, kUnchanged);
        Byouyomi(player, Timer1, k, t, L);
        const auto it = expected.find(t);
        const Said said = it == expected.end() ? Said{"", kUnchanged} : it->second;
        QString clip = said.clip ? QString::fromUtf8(said.clip) : QString();
        if (!said.clip) // a countdown second: 01 ... 09 by its place in the last ten
            clip = QStringLiteral("%1.wav").arg(t - (L - 10), 2, 10, QLatin1Char('0'));
        std::vector<RecordingAudioDevice::Clip> clips;
        if (!clip.isEmpty())
            clips.push_back({"sound/" + clip, false});
        EXPECT_EQ(mmctl.clips(), clips)
            << "L=" << L << " k=" << k.toText().toStdString() << " t=" << t;
        EXPECT_EQ(Timer1.interval(), said.interval) << "L=" << L << " t=" << t;
    }
}

Schedule merged(Schedule a, const Schedule& b) {
    a.insert(b.begin(), b.end());
    return a;
}

} // namespace

TEST(ByoyomiReader, TenSecondPeriod) {
    check(10, Decimal(0), countdown(1));
    check(10, Decimal(3), {}); // entirely silent while minutes are left
}

TEST(ByoyomiReader, ThirtySecondPeriod) {
    const Schedule marks = {{10, {"10b.wav", 500}}, {20, {"20b.wav", kUnchanged}}};
    check(30, Decimal(0), merged(marks, countdown(21)));
    check(30, Decimal(2), merged(marks, {{25, {"25b.wav", kUnchanged}}}));
}

TEST(ByoyomiReader, SixtySecondPeriod) {
    const Schedule marks = {
        {10, {"", 500}}, {40, {"40b.wav", kUnchanged}}, {50, {"50b.wav", kUnchanged}}};
    check(60, Decimal(0), merged(marks, countdown(51)));
    check(60, Decimal(1), merged(marks, {{55, {"55b.wav", kUnchanged}}}));
}

TEST(ByoyomiReader, NegativeOrFractionalCountsBehaveByTheirSign) {
    const Schedule marks = {{10, {"10b.wav", 500}}, {20, {"20b.wav", kUnchanged}}};
    check(30, *Decimal::parse(u"-0.5"), merged(marks, countdown(21)));
    check(30, *Decimal::parse(u"0.5"), merged(marks, {{25, {"25b.wav", kUnchanged}}}));
}
