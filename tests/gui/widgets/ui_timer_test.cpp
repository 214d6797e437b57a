#include "gui/widgets/ui_timer.h"
#include "support/fakes.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

// Without the wake-up just after each change of second, a second would be counted up to a
// whole poll interval late.
TEST(UiTimer, WakesJustAfterEachChangeOfTheWallClocksSecond) {
    FakeWallClock clock;
    for (const int interval : {1000, 500, 200}) {
        clock.now.setTime(QTime(10, 0, 0, 300));
        UiTimer timer(nullptr, false, interval);
        timer.followSecondsOf(&clock);
        EXPECT_EQ(timer.nextSecondWakeUpMs(), std::nullopt) << interval;
        timer.setActive(true);
        EXPECT_EQ(timer.nextSecondWakeUpMs(), 701) << interval;
        clock.now.setTime(QTime(10, 0, 0, 999));
        timer.setInterval(interval); // as the clock does when a consideration minute starts
        EXPECT_EQ(timer.nextSecondWakeUpMs(), 2) << interval;

        // The wake-up arms the next one from the time it reads then.
        clock.now.setTime(QTime(10, 0, 1, 4));
        QSignalSpy fired(&timer, &UiTimer::timeout);
        EXPECT_TRUE(QTest::qWaitFor([&timer] { return timer.nextSecondWakeUpMs() != 2; }, 5000));
        EXPECT_EQ(timer.nextSecondWakeUpMs(), 997) << interval;
        EXPECT_FALSE(fired.isEmpty());
        timer.setActive(false);
        EXPECT_EQ(timer.nextSecondWakeUpMs(), std::nullopt) << interval;
    }
}
