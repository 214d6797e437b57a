#include "gui/stored_settings.h"

#include "core/input_layer.h"
#include "core/input_options_file.h"
#include "core/settings_file.h"
#include "gui/qt_key_names.h"

#include <QSettings>

namespace {

bool written(QSettings& file) {
    file.sync();
    return file.status() != QSettings::AccessError; // a damaged file is written afresh
}

} // namespace

StoredSettings loadStoredSettings(InputLayer& input) {
    const std::unique_ptr<QSettings> file = openSettingsFile();
    const ReadInputOptions keys = readInputOptions(*file, QtKeyNames(), input);
    ReadGameSettings game = readGameSettings(*file);
    ReadPresets presets = readPresets(*file);
    tellSettingsFaults(*file, keys.warnings + game.warnings + presets.warnings);
    input.setOptions(keys.options);
    return {std::move(game.settings), std::move(presets.presets)};
}

bool saveInputOptions(const InputOptions& options) {
    const std::unique_ptr<QSettings> file = openSettingsFile();
    writeInputOptions(*file, QtKeyNames(), options);
    return written(*file);
}

bool saveGameSettings(const StoredSettings& stored) {
    const std::unique_ptr<QSettings> file = openSettingsFile();
    writeGameSettings(*file, stored.game);
    writePresets(*file, stored.presets);
    return written(*file);
}
