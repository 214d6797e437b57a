#include "core/settings_file.h"
#include "support/config_home.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(SettingsFile, LivesInTheConfigHomeOrElseInDotConfig) {
    const ConfigHome putBack;
    const QString inHome = QDir::homePath() + "/.config/shogi-clock/shogi-clock.conf";
    const std::pair<const char*, QString> rows[] = {
        {"/srv/config", "/srv/config/shogi-clock/shogi-clock.conf"},
        {nullptr, inHome},
        {"", inHome},
        {"relative/config", inHome}, // only an absolute path counts
    };
    for (const auto& [configHome, path] : rows) {
        if (configHome)
            qputenv("XDG_CONFIG_HOME", configHome);
        else
            qunsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(settingsFilePath(), path) << (configHome ? configHome : "unset");
    }
}
