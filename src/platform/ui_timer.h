#pragma once

#include <QObject>
#include <QTimer>

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

signals:
    void timer();

private:
    void restart();

    QTimer timer_;
    bool enabled_;
    int interval_;
};
