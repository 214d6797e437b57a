#include "core/move_count_clips.h"

#include "core/announcer.h"

namespace {

QStringList oneToNineHundredNinetyNine(long long n) {
    QStringList clips;
    if (n >= 100) {
        const long long hundreds = n / 100;
        // 999.5 rounds to ten hundreds, which are said as one.
        if (hundreds >= 2 && hundreds <= 9)
            clips << clip::digit(int(hundreds));
        clips << clip::kHundred;
        n -= 100 * hundreds;
    }
    if (n >= 10) {
        const long long tens = n / 10;
        if (tens >= 2)
            clips << clip::digit(int(tens));
        n -= 10 * tens;
        clips << (n == 0 ? clip::kTenLast : clip::kTen);
    }
    if (n == 1)
        clips << clip::kOneLast;
    else if (n >= 2)
        clips << clip::digit(int(n));
    return clips;
}

} // namespace

QStringList moveCountClips(const Decimal& number) {
    if (number >= Decimal(1) && number < Decimal(1000))
        return oneToNineHundredNinetyNine(number.roundedHalfEven());
    if (number == Decimal(0))
        return {clip::kZero};
    return {};
}
