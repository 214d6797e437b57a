#include "clock/clock_state.h"

void ClockState::startUp() {
    t1 = ClockTime::fromHms(0, 10, 0);
    t2 = ClockTime::fromHms(0, 10, 0);
    TT1 = ClockTime();
    c1 = 0;
    tb = true;
    tbs = true;
    tm1 = false;
    tm2 = false;
}
