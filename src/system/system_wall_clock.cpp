#include "system/system_wall_clock.h"

QTime SystemWallClock::timeOfDay() const {
    return QTime::currentTime();
}

QDate SystemWallClock::today() const {
    return QDate::currentDate();
}
