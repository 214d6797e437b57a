#pragma once

#include "platform/clock_time.h"
#include "platform/decimal.h"
#include "platform/emptiable.h"

#include <QString>

// The clock state: the main window's public variables, read and written by every window.
// Names ending in 1 belong to side 1 (left, Space), those ending in 2 to side 2 (right,
// Enter). Values that start-up leaves alone hold the empty value until a game starts.
struct ClockState {
    // The values start-up gives; the labels keep their designed captions meanwhile.
    void startUp();

    ClockTime t1; // side 1's remaining main time
    ClockTime t2;
    Emptiable<int> t11;   // seconds side 1 has used of its current period
    Emptiable<int> ts11;  // length of that period: the byoyomi, or 60 in a consideration minute
    Emptiable<int> tbs11; // side 1's byoyomi length: 10, 30 or 60
    Emptiable<int> t12;
    Emptiable<int> ts12;
    Emptiable<int> tbs12;
    ClockTime TT1;         // total time the clock has run in this game
    int c1 = 0;            // moves completed; the move being played is c1 + 1
    Emptiable<Decimal> k1; // side 1's remaining consideration minutes
    Emptiable<Decimal> k2;
    Emptiable<Decimal> k1s; // side 1's consideration minutes at the start of the game
    Emptiable<Decimal> k2s;
    Emptiable<ClockTime> Systmr; // time of day of the last second the tick counted
    bool tb = false;             // side to move: true = side 1
    bool tbs = false;            // true = side 1 plays sente
    bool tm1 = false;            // side 1 has heard that its main time is over
    bool tm2 = false;
    Emptiable<bool> Jg; // a time-out awaits confirmation or recording
    bool Tr = false;    // the game ended by resignation
    QString Kekka;      // result code: "SK", "GK", "HW" or empty
    QString Tkekka;     // result sentence for the result window
};
