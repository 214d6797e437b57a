#pragma once

#include "core/game_settings.h"

#include <QStringList>
#include <vector>

class QSettings;

// The last started game's time control in the settings file, and the user's presets:
//
//   [game]
//   mode=byoyomi          ; byoyomi | sudden-death | fischer
//   hours=0
//   minutes=10
//   byoyomi=30
//   increment=5
//   consideration=10
//
// The right side's values are written as rightHours, rightMinutes, rightByoyomi and
// rightConsideration only where they differ from the left side's. Each preset is a group
// [presets] 1\name, 1\mode, ... of the same keys. A value missing, unreadable or out of its
// range keeps the default and is told in one warning; names are never kept here.
struct ReadGameSettings {
    GameSettings settings;
    QStringList warnings;
};

struct Preset {
    QString name;
    GameSettings settings;
};

struct ReadPresets {
    std::vector<Preset> presets;
    QStringList warnings;
};

ReadGameSettings readGameSettings(const QSettings& file);
void writeGameSettings(QSettings& file, const GameSettings& settings);
ReadPresets readPresets(const QSettings& file);
void writePresets(QSettings& file, const std::vector<Preset>& presets);
