#pragma once

#include "core/side.h"
#include "core/side_clock.h"

#include <QString>
#include <array>
#include <variant>

// The fields of the time correction, in the order the correction dialog lays them out and
// checks them: the left side's, the right side's, then the move number.
enum class CorrectionField {
    LeftHours,
    LeftMinutes,
    LeftSeconds,
    LeftPeriod,
    LeftConsideration,
    RightHours,
    RightMinutes,
    RightSeconds,
    RightPeriod,
    RightConsideration,
    MoveNumber,
};

// An arbiter's correction of a paused game, as the texts of the correction dialog's fields.
struct Correction {
    struct SideTimes {
        QString hours;
        QString minutes;
        QString seconds;
        QString periodSeconds; // seconds used of the current period
        QString considerationMinutes;
    };

    // The corrected values once every field holds a number in its range.
    struct Checked {
        std::array<SideClock, 2> clocks;
        int movesPlayed = 0;
        Side sideToMove = Side::Left;
    };

    std::array<SideTimes, 2> sides; // by indexOf(Side)
    QString moveNumber;             // the move being played, from 1
    Side sideToMove = Side::Left;

    // The clocks as corrected from `clocks`, or the first field that holds no number or one
    // out of its range.
    std::variant<Checked, CorrectionField> check(const std::array<SideClock, 2>& clocks) const;
};
