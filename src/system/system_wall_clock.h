#pragma once

#include "core/wall_clock.h"

// The system's time of day and date.
class SystemWallClock final : public WallClock {
public:
    QTime timeOfDay() const override;
    QDate today() const override;
};
