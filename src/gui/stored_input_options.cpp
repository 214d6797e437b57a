#include "gui/stored_input_options.h"

#include "core/input_layer.h"
#include "core/input_options_file.h"
#include "core/settings_file.h"
#include "gui/qt_key_names.h"

#include <QSettings>
#include <cstdio>

void loadInputOptions(InputLayer& input) {
    const std::unique_ptr<QSettings> file = openSettingsFile();
    ReadInputOptions read = readInputOptions(*file, QtKeyNames(), input);
    for (QString& warning : read.warnings)
        warning.prepend(file->fileName() + QStringLiteral(": "));
    if (const std::optional<QString> damage = settingsFileDamage(*file))
        read.warnings.prepend(*damage);
    for (const QString& warning : read.warnings)
        std::fprintf(stderr, "shogi-clock: %s\n", warning.toLocal8Bit().constData());
    input.setOptions(read.options);
}

bool saveInputOptions(const InputOptions& options) {
    const std::unique_ptr<QSettings> file = openSettingsFile();
    writeInputOptions(*file, QtKeyNames(), options);
    file->sync();
    return file->status() != QSettings::AccessError; // a damaged file is written afresh
}
