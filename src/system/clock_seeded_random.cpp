#include "system/clock_seeded_random.h"

#include <chrono>

void ClockSeededRandom::seedFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<unsigned>(now), static_cast<unsigned>(now >> 32)};
    engine_.seed(seed);
}

double ClockSeededRandom::next() {
    return std::uniform_real_distribution<double>(0, 1)(engine_);
}
