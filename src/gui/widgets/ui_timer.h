#pragma once

#include <QObject>
#include <QTimer>
#include <optional>

class WallClock;

// A window timer as the clock's handlers use it: an enabled flag and an interval in
// milliseconds, firing on the user-interface thread only while it is enabled and its
// interval is above 0. Changing either restarts the count.
class UiTimer : public QObject {
    Q_OBJECT
public:
    UiTimer(QObject* parent, bool enabled, int interval);

    bool enabled() const { return enabled_; }
    int interval() const { return interval_; }
    void setEnabled(bool enabled);
    void setInterval(int milliseconds);
    // Also fires just after each change of the wall clock's second while enabled, so that a
    // handler counting seconds sees the change within milliseconds, whatever the interval.
    void followSecondsOf(const WallClock* clock);
    // How long after its arming the wake-up for the next change of second comes; none while
    // the timer is stopped or follows no clock.
    std::optional<int> nextSecondWakeUpMs() const;

signals:
    void timer();

private:
    void restart();
    void armForNextSecond();

    QTimer timer_;
    QTimer secondTimer_;
    const WallClock* clock_ = nullptr;
    bool enabled_;
    int interval_;
};
