#pragma once

#include "core/random_source.h"

#include <random>

// A Mersenne Twister seeded from the high-resolution clock.
class ClockSeededRandom final : public RandomSource {
public:
    void seedFromClock() override;
    double next() override;

private:
    std::mt19937_64 engine_;
};
