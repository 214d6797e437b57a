#pragma once

// Uniform pseudo-random numbers in [0, 1), seeded from the clock, behind an interface so
// that tests can fix what comes out.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    virtual double next() = 0;
};
