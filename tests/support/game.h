#pragma once

#include "clock/main_window.h"
#include "support/fakes.h"

#include <Qt>

// Puts a game on the clock of a loaded main window as the settings dialog's start button
// would, for tests of the running clock.
struct GameSetup {
    ClockTime main1 = ClockTime::fromHms(0, 15, 0);
    ClockTime main2 = ClockTime::fromHms(0, 15, 0);
    int byoyomi1 = 30;
    int byoyomi2 = 30;
    Decimal minutes1 = 10;
    Decimal minutes2 = 10;
    bool side1Sente = true;
};

void putGameOnClock(frmMain& w, const GameSetup& setup);

// Lets the wall clock move on to the next second and the tick notice it.
void nextSecond(frmMain& w, FakeWallClock& clock);

// Presses a key as a player does, on whatever has the focus in the window.
void pressKey(QWidget& window, Qt::Key key, bool autoRepeat = false,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Starts a game through the settings dialog's start button, with whatever its fields hold.
void startGame(frmMain& w);
