#include "support/config_home.h"

#include "core/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

ConfigHome::ConfigHome() {
    if (qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
        previous_ = qgetenv("XDG_CONFIG_HOME");
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path()));
}

ConfigHome::~ConfigHome() {
    if (previous_)
        qputenv("XDG_CONFIG_HOME", *previous_);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

void ConfigHome::writeSettings(const QByteArray& text) const {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath(QString::number(++writings_))));
    const QString path = settingsFilePath();
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        throw std::runtime_error("can't write the settings file");
}

QByteArray ConfigHome::readSettings() const {
    QFile file(settingsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
