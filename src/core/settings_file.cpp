#include "core/settings_file.h"

#include <QDir>
#include <QSettings>
#include <cstdio>

QString settingsFilePath() {
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.config");
    return folder + QStringLiteral("/shogi-clock/shogi-clock.conf");
}

std::unique_ptr<QSettings> openSettingsFile() {
    return std::make_unique<QSettings>(settingsFilePath(), QSettings::IniFormat);
}

std::optional<QString> settingsFileDamage(const QSettings& file) {
    switch (file.status()) {
    case QSettings::NoError:
        return std::nullopt;
    case QSettings::AccessError:
        return QStringLiteral("%1: cannot be read or written").arg(file.fileName());
    case QSettings::FormatError:
        break;
    }
    return QStringLiteral("%1: damaged; what could be read of it is used").arg(file.fileName());
}

void tellSettingsFaults(const QSettings& file, const QStringList& warnings) {
    QStringList lines;
    if (const std::optional<QString> damage = settingsFileDamage(file))
        lines << *damage;
    for (const QString& warning : warnings)
        lines << file.fileName() + QStringLiteral(": ") + warning;
    for (const QString& line : lines)
        std::fprintf(stderr, "shogi-clock: %s\n", line.toLocal8Bit().constData());
}
