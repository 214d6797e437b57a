#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <optional>

// A fresh $XDG_CONFIG_HOME for one test, put back afterwards, with the clock's settings file
// in it to write and read.
class ConfigHome {
public:
    ConfigHome();
    ~ConfigHome();

    void writeSettings(const QByteArray& text) const;
    QByteArray readSettings() const;

private:
    QTemporaryDir dir_;
    std::optional<QByteArray> previous_; // nullopt when it was unset
};
