#pragma once

#include "core/clock_time.h"
#include "core/decimal.h"

// What one counted second did to the side it was charged to.
enum class SecondCounted {
    MainTimeRan,   // taken from the main time
    ByoyomiSecond, // one more second of the current period, which goes on
    MinuteTaken,   // the period ran out and a consideration minute began
    TimeOut,       // the period ran out with no minute left
};

// What follows a side's main time: byoyomi periods (with consideration minutes), nothing
// (切れ負け, sudden death), or nothing but the seconds each move adds (フィッシャー).
enum class TimeControl { Byoyomi, SuddenDeath, Fischer };

// One side's time: its main time, then byoyomi periods; a period that runs out while
// consideration minutes are left becomes a fresh 60-second period. Without byoyomi the side
// runs out with its main time.
struct SideClock {
    ClockTime mainTime;
    int periodElapsed = 0; // seconds used of the current period
    int periodLength = 0;  // the byoyomi length, or 60 in a consideration minute
    int byoyomiLength = 0; // 5 to 60
    TimeControl control = TimeControl::Byoyomi;
    int increment = 0; // seconds a move adds to the main time, under Fischer
    Decimal considerationLeft;
    Decimal considerationGranted;
    // Set by the first byoyomi second of the game, the one that announces it.
    bool mainTimeOverAnnounced = false;

    static SideClock forNewGame(ClockTime mainTime, const Decimal& consideration,
                                int byoyomiLength);

    static SideClock withoutByoyomi(ClockTime mainTime, TimeControl control, int increment);

    SecondCounted countSecond();
    // Adds the increment of a move under Fischer; false when there is none.
    bool addIncrement();
    // True when the move gave the next one a fresh period: only a side in byoyomi that has
    // used some of its period gets one.
    bool moveMade();
    void giveBack(int seconds);

    bool operator==(const SideClock&) const = default;
};
