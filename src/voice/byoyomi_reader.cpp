#include "voice/byoyomi_reader.h"

#include "platform/ui_timer.h"
#include "voice/sound_player.h"

namespace {

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// The ten-second marks, reached when no countdown or warning was said this second.
void tenSecondMarks(SoundPlayer& player, UiTimer& Timer1, int t, int L) {
    if (t == 10) {
        Timer1.setInterval(500);
        if (L == 30)
            player.Yomiage(clipPath("10b.wav"));
    } else if (t == 20) {
        if (L == 30)
            player.Yomiage(clipPath("20b.wav"));
    } else if (t == 40) {
        player.Yomiage(clipPath("40b.wav"));
    } else if (t == 50) {
        player.Yomiage(clipPath("50b.wav"));
    }
}

} // namespace

void Byouyomi(SoundPlayer& player, UiTimer& Timer1, const Decimal& k, int t, int L) {
    const int x = t - (L - 10); // 1 when nine seconds remain
    if (k <= Decimal(0)) {
        if (x == 1) {
            player.Yomiage(clipPath("01.wav"));
            Timer1.setInterval(200);
            return;
        }
        if (x >= 2 && x <= 10) {
            player.Yomiage(clipPath(twoDigits(x) + ".wav"));
            return;
        }
    } else if (t == 25 && L == 30) {
        player.Yomiage(clipPath("25b.wav"));
        return;
    } else if (t == 55) {
        player.Yomiage(clipPath("55b.wav"));
        return;
    }
    tenSecondMarks(player, Timer1, t, L);
}
