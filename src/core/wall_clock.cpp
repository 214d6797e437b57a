#include "core/wall_clock.h"

#include <QLocale>

QString WallClock::todayShortText() const {
    return QLocale::system().toString(today(), QLocale::ShortFormat);
}
