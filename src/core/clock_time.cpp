#include "core/clock_time.h"

QString ClockTime::toText() const {
    const long long h = seconds_ / 3600;
    const long long m = seconds_ / 60 % 60;
    const long long s = seconds_ % 60;
    return QStringLiteral("%1:%2:%3")
        .arg(h)
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(s, 2, 10, QLatin1Char('0'));
}
