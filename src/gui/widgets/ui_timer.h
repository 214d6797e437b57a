#pragma once

#include <QObject>
#include <QTimer>
#include <optional>

class WallClock;

// A window timer as the clock's handlers use it: active or not, and an interval in
// milliseconds, firing timeout() on the user-interface thread only while active and its
// interval is above 0. Changing either restarts the count.
class UiTimer : public QObject {
    Q_OBJECT
public:
    UiTimer(QObject* parent, bool active, int interval);

    bool isActive() const { return active_; }
    int interval() const { return interval_; }
    void setActive(bool active);
    void setInterval(int milliseconds);
    // Also fires just after each change of the wall clock's second while active, so that a
    // handler counting seconds sees the change within milliseconds, whatever the interval.
    void followSecondsOf(const WallClock* clock);
    // How long after its arming the wake-up for the next change of second comes; none while
    // the timer is stopped or follows no clock.
    std::optional<int> nextSecondWakeUpMs() const;

signals:
    void timeout();

private:
    void restart();
    void armForNextSecond();

    QTimer timer_;
    QTimer secondTimer_;
    const WallClock* clock_ = nullptr;
    bool active_;
    int interval_;
};
