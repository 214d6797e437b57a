#include "platform/label.h"
#include "platform/ui_timer.h"
#include "support/game.h"
#include "support/working_folder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <gtest/gtest.h>
#include <random>

namespace {

class MoveKeys : public testing::Test {
protected:
    MoveKeys() { EXPECT_TRUE(w.Form_Load()); }

    void seconds(int n) {
        for (int i = 0; i < n; ++i)
            nextSecond(w, fakes.wallClock);
    }

    WorkingFolder folder;
    FakePlatform fakes;
    frmMain w{fakes.platform};
};

} // namespace

TEST_F(MoveKeys, SpaceAndEnterPassTheTurnAndCountTheMove) {
    putGameOnClock(w, {});
    pressKey(w, Qt::Key_Space);
    EXPECT_FALSE(w.tb);
    EXPECT_EQ(w.c1, 1);
    EXPECT_EQ(w.Lblteban3->text(), "後手番");
    EXPECT_EQ(w.Lblteme->text(), "2手目");
    pressKey(w, Qt::Key_Return);
    EXPECT_TRUE(w.tb);
    EXPECT_EQ(w.c1, 2);
    EXPECT_EQ(w.Lblteban3->text(), "先手番");
    EXPECT_EQ(w.Lblteme->text(), "3手目");
    EXPECT_EQ(w.Lblteban1->text(), "先手"); // each side's role stays
}

TEST_F(MoveKeys, WithSide1AsGoteTheRolesAreReversed) {
    putGameOnClock(w, {.side1Sente = false});
    w.tb = true; // side 1 to move, as after gote's first move... of side 2
    pressKey(w, Qt::Key_Space);
    EXPECT_EQ(w.Lblteban3->text(), "先手番");
    pressKey(w, Qt::Key_Return);
    EXPECT_EQ(w.Lblteban3->text(), "後手番");
}

TEST_F(MoveKeys, TheOtherSidesKeyOnlyRewritesTheMoveNumber) {
    putGameOnClock(w, {});
    pressKey(w, Qt::Key_Space);
    w.Lblteme->setText("x");
    pressKey(w, Qt::Key_Space); // side 2 is to move
    EXPECT_FALSE(w.tb);
    EXPECT_EQ(w.c1, 1);
    EXPECT_EQ(w.Lblteban3->text(), "後手番");
    EXPECT_EQ(w.Lblteme->text(), "2手目");
}

TEST_F(MoveKeys, NothingHappensWhileTheClockIsStopped) {
    putGameOnClock(w, {});
    w.Timer1->setEnabled(false);
    pressKey(w, Qt::Key_Space);
    pressKey(w, Qt::Key_Return);
    EXPECT_TRUE(w.tb);
    EXPECT_EQ(w.c1, 0);
    EXPECT_EQ(w.Lblteme->text(), "1手目");
}

TEST_F(MoveKeys, AHeldKeyPassesTheTurnOnlyOnce) {
    putGameOnClock(w, {});
    pressKey(w, Qt::Key_Space);
    pressKey(w, Qt::Key_Return);
    pressKey(w, Qt::Key_Space, true); // side 1's key still held from its last move
    EXPECT_TRUE(w.tb);
    EXPECT_EQ(w.c1, 2);
}

TEST_F(MoveKeys, AMoveInByoyomiGivesAFreshPeriod) {
    putGameOnClock(w, {.main1 = ClockTime(), .byoyomi1 = 30, .minutes1 = 0});
    seconds(17);
    pressKey(w, Qt::Key_Space);
    EXPECT_EQ(w.t11, 0);
    EXPECT_EQ(w.Lblt11->text(), "0");
    EXPECT_EQ(w.ts11, 30);
    pressKey(w, Qt::Key_Return);
    seconds(1);
    EXPECT_EQ(w.Lblt11->text(), "1");
}

TEST_F(MoveKeys, AMoveInAConsiderationMinuteGoesBackToTheByoyomiLength) {
    putGameOnClock(w, {.main1 = ClockTime(), .byoyomi1 = 10, .minutes1 = 2});
    seconds(15); // 10 of byoyomi, then 5 of a consideration minute
    ASSERT_EQ(w.ts11, 60);
    ASSERT_EQ(w.t11, 5);
    pressKey(w, Qt::Key_Space);
    EXPECT_EQ(w.ts11, 10);
    EXPECT_EQ(w.t11, 0);
}

TEST_F(MoveKeys, AMoveInTheSecondAConsiderationMinuteBeganKeepsItsPeriod) {
    putGameOnClock(w, {.main1 = ClockTime(), .byoyomi1 = 10, .minutes1 = 2});
    seconds(10);
    pressKey(w, Qt::Key_Space);
    EXPECT_EQ(w.ts11, 60);
}

TEST_F(MoveKeys, AMoveInMainTimeTouchesNoPeriod) {
    putGameOnClock(w, {});
    w.t11 = 3; // as a test would see a stale count
    seconds(5);
    pressKey(w, Qt::Key_Space);
    EXPECT_EQ(w.t11, 3);
    EXPECT_EQ(w.ts11, 30);
}

// A few hundred moves with random thinking times, against a running total kept here: every
// counted second lands on the side to move, in its main time or its byoyomi.
TEST_F(MoveKeys, AWholeGameAddsUp) {
    const ClockTime main = ClockTime::fromHms(0, 5, 0);
    putGameOnClock(w, {.main1 = main, .main2 = main, .byoyomi1 = 30, .byoyomi2 = 60});
    w.Systmr = ClockTime::fromHms(10, 0, 0); // the wall clock's second, already counted
    std::mt19937 random(7);
    long long charged[2] = {0, 0};
    long long total = 0;
    for (int move = 0; move < 300; ++move) {
        const int side = w.tb ? 0 : 1;
        const int limit = side == 0 ? 29 : 59; // always in time
        const int think = std::uniform_int_distribution<int>(0, limit)(random);
        for (int s = 0; s < think; ++s) {
            // Several ticks per second, as the timer polls; only the change counts.
            fakes.wallClock.advanceMs(400);
            w.Timer1_Timer();
            fakes.wallClock.advanceMs(600);
            w.Timer1_Timer();
        }
        charged[side] += think;
        total += think;
        const long long inMain = std::max<long long>(0, main.seconds() - (charged[side] - think));
        const long long byoyomi = std::max<long long>(0, think - inMain);
        EXPECT_EQ((side == 0 ? w.t11 : w.t12).value(), byoyomi) << "move " << move;
        pressKey(w, side == 0 ? Qt::Key_Space : Qt::Key_Return);
    }
    const auto left = [&](int side) {
        return ClockTime::fromSeconds(std::max<long long>(0, main.seconds() - charged[side]));
    };
    EXPECT_EQ(w.t1, left(0));
    EXPECT_EQ(w.t2, left(1));
    EXPECT_EQ(w.TT1, ClockTime::fromSeconds(total));
    EXPECT_EQ(w.c1, 300);
    EXPECT_EQ(w.Lblteme->text(), "301手目");
    EXPECT_TRUE(w.Timer1->enabled());
    EXPECT_EQ(w.k1.value(), Decimal(10));
    EXPECT_EQ(w.k2.value(), Decimal(10));
}

// Alt alone hands the keyboard to the menu bar, which would then take Space and Enter: during
// a game only the mouse opens the menus.
TEST_F(MoveKeys, AltAloneReachesTheMenuBarOnlyWhileNoGameIsOn) {
    w.show();
    QApplication::setActiveWindow(&w);
    const auto tapAlt = [this] {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
        QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        for (QKeyEvent* event : {&override, &press, &release})
            QApplication::sendEvent(target, event);
        return w.menuBar()->activeAction() != nullptr;
    };
    ASSERT_TRUE(tapAlt()); // while idle the menus take the keyboard
    tapAlt();
    ASSERT_EQ(w.menuBar()->activeAction(), nullptr);
    startGame(w);
    EXPECT_FALSE(tapAlt());
    pressKey(w, Qt::Key_Space);
    pressKey(w, Qt::Key_Return);
    EXPECT_EQ(w.c1, 2);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}
