#include "platform/ui_timer.h"

UiTimer::UiTimer(QObject* parent, bool enabled, int interval)
    : QObject(parent)
    , enabled_(enabled)
    , interval_(interval) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &UiTimer::timer);
    restart();
}

void UiTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    restart();
}

void UiTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    restart();
}

void UiTimer::restart() {
    timer_.stop();
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
}
