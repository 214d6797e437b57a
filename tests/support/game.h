#pragma once

#include "core/clock_time.h"
#include "core/decimal.h"
#include "core/side.h"
#include "gui/main_window.h"
#include "support/fake_services.h"
#include "support/game_driver.h"

#include <Qt>

// A game and its record of play, owned beside the window as the program owns them.
struct OwnedGame {
    OwnedGame(const WallClock& wallClock, AudioDevice& audio)
        : game(wallClock, audio)
        , record(game, wallClock) {}

    GameClock game;
    MoveRecord record;
};

// A game as the settings dialog describes it, for tests of the running clock.
struct GameSetup {
    int leftHours = 0;
    int leftMinutes = 15;
    int rightHours = 0;
    int rightMinutes = 15;
    int leftByoyomi = 30;
    int rightByoyomi = 30;
    QString leftConsideration = QStringLiteral("10");
    QString rightConsideration = QStringLiteral("10");
    Side senteSide = Side::Left;
};

// Starts a game through the settings dialog's start button, its fields set as given.
void startGame(MainWindow& w, const GameSetup& setup = {});

// Passes time for the window's game by firing its tick timer, as Qt does while it is active.
GameDriver driverOf(MainWindow& w, FakeWallClock& clock);

// Presses a key as a player does, on whatever has the focus in the window.
void pressKey(QWidget& window, Qt::Key key, bool autoRepeat = false,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier);
