#include "platform/wall_clock.h"

#include <QLocale>

QString WallClock::todayShortText() const {
    return QLocale::system().toString(today(), QLocale::ShortFormat);
}

QTime SystemWallClock::timeOfDay() const {
    return QTime::currentTime();
}

QDate SystemWallClock::today() const {
    return QDate::currentDate();
}
