#include "voice/move_count_reader.h"

#include "voice/sound_player.h"

namespace {

// The clip of a digit 2 ... 9 said on its own or before ten or hundred.
QString digitClip(long long d) {
    return clipPath(QStringLiteral("%1y1.wav").arg(d, 2, 10, QLatin1Char('0')));
}

void sayOneToNineHundredNinetyNine(SoundPlayer& player, long long m) {
    if (m >= 100) {
        const long long h = m / 100;
        if (h >= 2 && h <= 9)
            player.Yomiage2(digitClip(h));
        player.Yomiage2(clipPath("100y1.wav"));
        m -= 100 * h;
    }
    if (m >= 10) {
        const long long t = m / 10;
        if (t >= 2 && t <= 9)
            player.Yomiage2(digitClip(t));
        m -= 10 * t;
        player.Yomiage2(clipPath(m == 0 ? "10yt1.wav" : "10y1.wav"));
    }
    if (m == 1)
        player.Yomiage2(clipPath("01yt1.wav"));
    else if (m >= 2 && m <= 9)
        player.Yomiage2(digitClip(m));
}

} // namespace

void TesuuYomi(SoundPlayer& player, const std::optional<Decimal>& number) {
    if (!number)
        return;
    if (*number >= Decimal(1) && *number < Decimal(1000))
        sayOneToNineHundredNinetyNine(player, number->roundedHalfEven());
    else if (*number == Decimal(0))
        player.Yomiage2(clipPath("00.wav"));
}

void Oshimai(SoundPlayer& player, int c1, const QString& Kekka) {
    TesuuYomi(player, Decimal(c1));
    player.Yomiage2(clipPath("Tenite.wav"));
    const QString result = Kekka == "SK"   ? QStringLiteral("S-kati.wav")
                           : Kekka == "GK" ? QStringLiteral("G-kati.wav")
                           : Kekka == "HW" ? QStringLiteral("Hikiwake.wav")
                                           : QString();
    // An unknown code says nothing after 手にて rather than 手にて again.
    if (!result.isEmpty())
        player.Yomiage2(clipPath(result));
}
