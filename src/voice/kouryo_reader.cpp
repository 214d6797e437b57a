#include "voice/kouryo_reader.h"

#include "voice/sound_player.h"

namespace {

// The whole number 0 ... 99 as two digits, or empty for anything else.
QString twoDigitsOrEmpty(const Decimal& n, int lowest, int highest) {
    if (!n.isWhole() || n.truncated() < lowest || n.truncated() > highest)
        return {};
    return QStringLiteral("%1").arg(n.truncated(), 2, 10, QLatin1Char('0'));
}

} // namespace

void KouryoYomi(SoundPlayer& player, const Decimal& remaining, const Decimal& initial) {
    // The ordinal is waited for so that the count follows it instead of cutting it off.
    const QString ordinal = twoDigitsOrEmpty(initial - remaining, 1, 10);
    player.Yomiage2(ordinal.isEmpty() ? QString() : clipPath(ordinal + "kaime.wav"));
    // A fractional count (2.5 typed in the settings) has no clip: nothing rather than a
    // wrong number.
    const QString left = twoDigitsOrEmpty(remaining, 0, 9);
    if (!left.isEmpty())
        player.Yomiage(clipPath("Nokori" + left + ".wav"));
}
