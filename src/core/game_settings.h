#pragma once

#include "core/side.h"
#include "core/side_clock.h"

#include <QString>
#include <array>
#include <variant>

// The number fields of the settings dialog, in the order they are checked.
enum class SettingsField {
    LeftHours,
    LeftMinutes,
    RightHours,
    RightMinutes,
    LeftConsideration,
    RightConsideration,
};

// The largest value a field takes; none takes less than 0.
double fieldMaximum(SettingsField field);

// A game as the settings dialog describes it: the texts of its fields and its choices.
struct GameSettings {
    struct Player {
        QString name;
        QString hours;
        QString minutes;
        QString consideration;
        int byoyomiLength = 0; // 10, 30 or 60
    };

    // The settings once every field holds a number, as the clock takes them.
    struct Checked {
        std::array<QString, 2> names;
        std::array<SideClock, 2> clocks;
        Side senteSide;
    };

    std::array<Player, 2> players; // by indexOf(Side)
    Side senteSide = Side::Left;

    // The checked settings, or the first field that holds no number or one out of its range.
    // Names lose their control characters and line ends, which would break the result
    // file's lines, and the white space around them.
    std::variant<Checked, SettingsField> check() const;
};
