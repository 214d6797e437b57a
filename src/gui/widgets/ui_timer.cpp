#include "gui/widgets/ui_timer.h"

#include "core/wall_clock.h"

namespace {

// Wakes this long after the change of second, so the wall clock reads the new second.
constexpr int kAfterSecondMs = 1;

} // namespace

UiTimer::UiTimer(QObject* parent, bool active, int interval)
    : QObject(parent)
    , active_(active)
    , interval_(interval) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &UiTimer::timeout);
    secondTimer_.setTimerType(Qt::PreciseTimer);
    secondTimer_.setSingleShot(true);
    connect(&secondTimer_, &QTimer::timeout, this, [this] {
        armForNextSecond();
        emit timeout();
    });
    restart();
}

void UiTimer::setActive(bool active) {
    active_ = active;
    restart();
}

void UiTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    restart();
}

void UiTimer::followSecondsOf(const WallClock* clock) {
    clock_ = clock;
    restart();
}

std::optional<int> UiTimer::nextSecondWakeUpMs() const {
    if (!secondTimer_.isActive())
        return std::nullopt;
    return secondTimer_.interval();
}

void UiTimer::restart() {
    timer_.stop();
    secondTimer_.stop();
    if (!active_ || interval_ <= 0)
        return;
    timer_.start(interval_);
    if (clock_)
        armForNextSecond();
}

void UiTimer::armForNextSecond() {
    secondTimer_.start(1000 - clock_->timeOfDay().msec() + kAfterSecondMs);
}
