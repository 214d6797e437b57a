#pragma once

#include "core/audio_device.h"
#include "core/wall_clock.h"

#include <QDateTime>
#include <cstdlib>

// A property that failed: libFuzzer keeps the input that made it.
inline void require(bool condition) {
    if (!condition)
        std::abort();
}

// A wall clock the target moves by hand.
class SettableWallClock final : public WallClock {
public:
    QDateTime now = QDateTime(QDate(2026, 12, 9), QTime(23, 59, 0));
    QTime timeOfDay() const override { return now.time(); }
    QDate today() const override { return now.date(); }
};

// An audio device that plays nothing, quickly.
class NoAudio final : public AudioDevice {
public:
    void play(const QString&, bool) override {}
    void stop() override {}
};
