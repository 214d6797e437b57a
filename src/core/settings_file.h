#pragma once

#include <QStringList>
#include <memory>
#include <optional>

class QSettings;

// The clock's own settings, kept between runs apart from the working folder's files:
// shogi-clock/shogi-clock.conf in $XDG_CONFIG_HOME, or in ~/.config when that is unset or
// not an absolute path. An INI file in UTF-8, one section for each kind of setting.
QString settingsFilePath();

// The file, opened to read and to write. A missing file reads as empty; a damaged one as what
// can be made of it, which settingsFileDamage() then tells.
std::unique_ptr<QSettings> openSettingsFile();

// Once read or written: what went wrong with the file, in one line, if anything did.
std::optional<QString> settingsFileDamage(const QSettings& file);

// Tells on stderr, one line each, the file's damage and the faults found reading it.
void tellSettingsFaults(const QSettings& file, const QStringList& warnings);
