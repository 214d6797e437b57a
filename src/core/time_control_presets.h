#pragma once

#include "core/game_settings_file.h"

// A time control's name as its values say it: "10分 秒読み30秒 考慮10回", "10分 切れ負け",
// "5分 +5秒", "持ち時間なし 30秒"; sides that differ are named left, then right.
QString presetName(const GameSettings& settings);

// A few common time controls, each named by its values.
std::vector<Preset> builtInPresets();
