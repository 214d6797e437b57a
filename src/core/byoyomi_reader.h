#pragma once

#include "core/decimal.h"

#include <QString>
#include <optional>

// What one second of a period says, and the poll interval it sets, if any.
struct ByoyomiCue {
    QString clip; // empty: the second is silent
    std::optional<int> pollIntervalMs;

    bool operator==(const ByoyomiCue&) const = default;
};

// Second `elapsed` of a period: the ten-second marks, the warnings at 25 and 55 while
// consideration minutes are left and the final countdown when none are. The clock polls
// the wall clock more often as the end of the period comes near.
ByoyomiCue byoyomiCue(int elapsed, int periodLength, const Decimal& considerationLeft);
