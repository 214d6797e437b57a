#pragma once

#include "core/game_settings_file.h"
#include "core/input_options.h"

class InputLayer;

// What the clock keeps between runs in its settings file: the last started game's time
// control and the user's presets, held here for the settings window.
struct StoredSettings {
    GameSettings game = GameSettings::defaults();
    std::vector<Preset> presets;
};

// Reads the file once at start-up, the move keys and the tap into the input layer, each fault
// told in one line on stderr.
StoredSettings loadStoredSettings(InputLayer& input);
// Each false when the file could not be written.
bool saveInputOptions(const InputOptions& options);
bool saveGameSettings(const StoredSettings& stored);
