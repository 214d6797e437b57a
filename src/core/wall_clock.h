#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// The wall clock, behind an interface so that tests can set the time by hand.
class WallClock {
public:
    virtual ~WallClock() = default;
    virtual QTime timeOfDay() const = 0;
    virtual QDate today() const = 0;
    // Today's date in the system's short date form.
    QString todayShortText() const;
};
