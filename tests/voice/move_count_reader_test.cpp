#include "platform/number_text.h"
#include "support/fakes.h"
#include "voice/move_count_reader.h"
#include "voice/sound_player.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// The clip names said for a number typed as text, all waited for.
QStringList said(const QString& typed) {
    RecordingAudioDevice mmctl;
    SoundPlayer player(mmctl);
    TesuuYomi(player, toDecimal(typed));
    QStringList names;
    for (const auto& clip : mmctl.clips()) {
        EXPECT_TRUE(clip.waited) << typed.toStdString();
        names << clip.path.mid(6).chopped(4); // "sound/" ... ".wav"
    }
    return names;
}

// How a timekeeper reads 1 ... 999, written digit by digit from the number's text.
QStringList reading(int n) {
    const QString digits = QString::number(n).rightJustified(3, u'0');
    const int h = digits[0].digitValue();
    const int t = digits[1].digitValue();
    const int u = digits[2].digitValue();
    const auto digit = [](int d) { return QStringLiteral("0%1y1").arg(d); };
    QStringList words;
    if (h > 1)
        words << digit(h);
    if (h > 0)
        words << "100y1";
    if (t > 1)
        words << digit(t);
    if (t > 0)
        words << (u == 0 ? "10yt1" : "10y1");
    if (u == 1)
        words << "01yt1";
    if (u > 1)
        words << digit(u);
    return words;
}

} // namespace

TEST(MoveCountReader, TheExamplesAndBoundaries) {
    const struct {
        const char* typed;
        QStringList clips;
    } rows[] = {
        {"1", {"01yt1"}},
        {"7", {"07y1"}},
        {"9", {"09y1"}},
        {"10", {"10yt1"}},
        {"11", {"10y1", "01yt1"}},
        {"19", {"10y1", "09y1"}},
        {"20", {"02y1", "10yt1"}},
        {"35", {"03y1", "10y1", "05y1"}},
        {"97", {"09y1", "10y1", "07y1"}},
        {"99", {"09y1", "10y1", "09y1"}},
        {"100", {"100y1"}},
        {"101", {"100y1", "01yt1"}},
        {"110", {"100y1", "10yt1"}},
        {"199", {"100y1", "09y1", "10y1", "09y1"}},
        {"200", {"02y1", "100y1"}},
        {"256", {"02y1", "100y1", "05y1", "10y1", "06y1"}},
        {"990", {"09y1", "100y1", "09y1", "10yt1"}},
        {"999", {"09y1", "100y1", "09y1", "10y1", "09y1"}},
        {"0", {"00"}},
        {"1000", {}},
        {"-1", {}},
        {"0.5", {}},
        {"2.5", {"02y1"}}, // halves round to the even neighbour
        {"3.5", {"04y1"}},
        {"", {}},
        {"abc", {}},
        {"１２", {"10y1", "02y1"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(said(QString::fromUtf8(row.typed)), row.clips) << row.typed;
}

TEST(MoveCountReader, EveryNumberUpTo999ReadsAsATimekeeperWould) {
    for (int n = 1; n <= 999; ++n)
        EXPECT_EQ(said(QString::number(n)), reading(n)) << n;
}

TEST(ResultAnnouncement, SaysTheCountTeniteAndTheResult) {
    const struct {
        int moves;
        const char* code;
        QStringList clips;
    } rows[] = {
        {97, "SK", {"09y1", "10y1", "07y1", "Tenite", "S-kati"}},
        {120, "GK", {"100y1", "02y1", "10yt1", "Tenite", "G-kati"}},
        {0, "HW", {"00", "Tenite", "Hikiwake"}},
        {1000, "SK", {"Tenite", "S-kati"}},
        {5, "", {"05y1", "Tenite"}}, // no result: nothing after 手にて
    };
    for (const auto& row : rows) {
        RecordingAudioDevice mmctl;
        SoundPlayer player(mmctl);
        Oshimai(player, row.moves, row.code);
        QStringList names;
        for (const auto& clip : mmctl.clips()) {
            EXPECT_TRUE(clip.waited);
            names << clip.path.mid(6).chopped(4);
        }
        EXPECT_EQ(names, row.clips) << row.moves << row.code;
    }
}
