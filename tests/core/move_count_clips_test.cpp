#include "core/move_count_clips.h"
#include "core/number_text.h"

#include <gtest/gtest.h>

namespace {

// The words said for a number typed as text, without ".wav".
QStringList said(const char* typed) {
    const auto number = toDecimal(QString::fromUtf8(typed));
    QStringList words = number ? moveCountClips(*number) : QStringList();
    for (QString& word : words)
        word.chop(4);
    return words;
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

TEST(MoveCountClips, TheExamplesAndBoundaries) {
    const struct {
        const char* typed;
        QStringList words;
    } rows[] = {
        {"1", {"01yt1"}},
        {"10", {"10yt1"}},
        {"11", {"10y1", "01yt1"}},
        {"20", {"02y1", "10yt1"}},
        {"100", {"100y1"}},
        {"110", {"100y1", "10yt1"}},
        {"256", {"02y1", "100y1", "05y1", "10y1", "06y1"}},
        {"0", {"00"}},
        {"1000", {}},
        {"-1", {}},
        {"0.5", {}},
        {"2.5", {"02y1"}}, // halves round to the even neighbour
        {"3.5", {"04y1"}},
        {"999.5", {"100y1"}}, // ten hundreds, said as one
        {"", {}},
        {"abc", {}},
        {"１２", {"10y1", "02y1"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(said(row.typed), row.words) << row.typed;
}

TEST(MoveCountClips, EveryNumberUpTo999ReadsAsATimekeeperWould) {
    for (int n = 1; n <= 999; ++n)
        EXPECT_EQ(said(QByteArray::number(n).constData()), reading(n)) << n;
}
