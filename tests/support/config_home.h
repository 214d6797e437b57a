#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <optional>

// A fresh $XDG_CONFIG_HOME for one test, put back afterwards, with the clock's settings file
// in it to write and read. Each writing moves to a fresh one: QSettings keeps what it read of
// a path, and takes a file of the same size written within the same millisecond for the same.
class ConfigHome {
public:
    ConfigHome();
    ~ConfigHome();

    void writeSettings(const QByteArray& text) const;
    QByteArray readSettings() const;

private:
    QTemporaryDir dir_;
    mutable int writings_ = 0;
    std::optional<QByteArray> previous_; // nullopt when it was unset
};
