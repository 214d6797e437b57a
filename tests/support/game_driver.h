#pragma once

#include "support/fakes.h"

#include <functional>
#include <utility>

// The one way tests pass time: it moves the fake wall clock on and fires the tick as the
// program's timer does, just after each change of second. The model's tests tick the game;
// the windows' tests fire the window's tick timer, so that its connection is tested too.
class GameDriver {
public:
    GameDriver(FakeWallClock& clock, std::function<void()> tick)
        : clock_(clock)
        , tick_(std::move(tick)) {}

    // Whole seconds, each seen by a tick.
    void seconds(int n) {
        for (int i = 0; i < n; ++i)
            tickAfter(1000);
    }
    // Any time, a part of a second or a hold-up, then a tick.
    void tickAfter(int ms) {
        pass(ms);
        tick();
    }
    // A tick with no time passed, as a timer firing twice within a second.
    void tick() { tick_(); }
    // Time that passes unseen by any tick.
    void pass(int ms) { clock_.advanceMs(ms); }

private:
    FakeWallClock& clock_;
    std::function<void()> tick_;
};
