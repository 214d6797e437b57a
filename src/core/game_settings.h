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

// A number field's rule, shared by the settings and correction windows and the clock: the
// text it starts with, its largest value (none takes less than 0), and the text put back in
// place of a value beyond its range.
struct FieldRule {
    const char* initial;
    int maximum;
    const char* reset;
};

const FieldRule& ruleOf(SettingsField field);
// Whether the text is a number beyond the field's range as the clock reads it: hours and
// minutes rounded half to even, consideration minutes exactly as typed.
bool outOfRange(SettingsField field, const QString& text);

// A game as the settings dialog describes it: the texts of its fields and its choices.
struct GameSettings {
    struct Player {
        QString name;
        QString hours;
        QString minutes;
        QString consideration;
        int byoyomiLength = 0; // seconds, kShortestByoyomi to kLongestByoyomi
    };

    static constexpr int kShortestByoyomi = 5;
    static constexpr int kLongestByoyomi = 60;
    static constexpr int kLargestIncrement = 60; // seconds; the smallest is 1

    // The settings once every field holds a number, as the clock takes them.
    struct Checked {
        std::array<QString, 2> names;
        std::array<SideClock, 2> clocks;
        Side senteSide;
    };

    std::array<Player, 2> players; // by indexOf(Side)
    Side senteSide = Side::Left;
    TimeControl control = TimeControl::Byoyomi;
    int increment = 5; // seconds, under Fischer

    // Each field as it starts, names aside.
    static GameSettings defaults();

    // The checked settings, or the first field that holds no number or one out of its range.
    // Names lose their control characters and line ends, which would break the result
    // file's lines, and the white space around them. A byoyomi length or an increment
    // beyond its range is taken as its nearest end.
    std::variant<Checked, SettingsField> check() const;
};
