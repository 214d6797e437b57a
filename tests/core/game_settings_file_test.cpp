#include "core/game_settings_file.h"
#include "core/time_control_presets.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A file of its own for each text: QSettings keeps what it read of a path.
class GameSettingsFile : public testing::Test {
protected:
    QSettings& file(const QByteArray& text) {
        const QString path = dir.filePath(QStringLiteral("%1.conf").arg(++files));
        QFile written(path);
        EXPECT_TRUE(written.open(QIODevice::WriteOnly) && written.write(text) == text.size());
        written.close();
        settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        return *settings;
    }

    QTemporaryDir dir;
    int files = 0;
    std::unique_ptr<QSettings> settings;
};

// The settings a row expects: the defaults with the row's changes.
GameSettings with(const std::function<void(GameSettings&)>& change) {
    GameSettings settings = GameSettings::defaults();
    change(settings);
    return settings;
}

void bothSides(GameSettings& s, QString GameSettings::Player::*text, const char* value) {
    for (GameSettings::Player& player : s.players)
        player.*text = QString::fromLatin1(value);
}

const struct {
    const char* file;
    std::function<void(GameSettings&)> expected;
    QStringList warnings;
} kRows[] = {
    {"", [](GameSettings&) {}, {}},
    {"[game]\nmode=fischer\nhours=1\nminutes=5\nincrement=7\n",
     [](GameSettings& s) {
         s.control = TimeControl::Fischer;
         s.increment = 7;
         bothSides(s, &GameSettings::Player::hours, "1");
         bothSides(s, &GameSettings::Player::minutes, "5");
     },
     {}},
    {"[game]\nmode=sudden-death\nbyoyomi=40\nrightByoyomi=20\nrightConsideration=3\n",
     [](GameSettings& s) {
         s.control = TimeControl::SuddenDeath;
         s.players[0].byoyomiLength = 40;
         s.players[1] = {{}, "0", "15", "3", 20};
     },
     {}},
    {"[game]\nmode=blitz\nminutes=75\nbyoyomi=4\nincrement=x\nconsideration=11\n",
     [](GameSettings&) {},
     {R"([game] mode: "blitz" is not byoyomi, sudden-death or fischer; byoyomi kept)",
      R"([game] minutes: "75" is not a number from 0 to 59; 15 kept)",
      R"([game] consideration: "11" is not a number from 0 to 10; 10 kept)",
      R"([game] byoyomi: "4" is not a whole number from 5 to 60; 30 kept)",
      R"([game] increment: "x" is not a whole number from 1 to 60; 5 kept)"}},
};

} // namespace

TEST_F(GameSettingsFile, ReadsTheGameAndTellsEachBadValueInOneLine) {
    for (const auto& row : kRows) {
        const ReadGameSettings read = readGameSettings(file(row.file));
        const GameSettings expected = with(row.expected);
        EXPECT_EQ(read.settings.control, expected.control) << row.file;
        EXPECT_EQ(read.settings.increment, expected.increment) << row.file;
        for (std::size_t i = 0; i < 2; ++i) {
            const GameSettings::Player &got = read.settings.players[i], &want = expected.players[i];
            EXPECT_EQ(std::tie(got.hours, got.minutes, got.consideration, got.byoyomiLength),
                      std::tie(want.hours, want.minutes, want.consideration, want.byoyomiLength))
                << row.file << " side " << i;
        }
        EXPECT_EQ(read.warnings, row.warnings) << row.file;
    }
}

// Presets go back as they were written, each named by its values unless the user named it.
TEST_F(GameSettingsFile, PresetsReadBackAsWritten) {
    std::vector<Preset> presets = builtInPresets();
    presets.push_back({"駒落ち", with([](GameSettings& s) {
                           s.players[1].minutes = "30";
                           s.players[1].byoyomiLength = 60;
                       })});
    writePresets(file("[game]\nminutes=3\n"), presets);
    settings->sync();
    const ReadPresets read = readPresets(*settings);
    ASSERT_EQ(read.presets.size(), presets.size());
    QStringList names;
    for (std::size_t i = 0; i < presets.size(); ++i) {
        names << read.presets[i].name;
        EXPECT_EQ(presetName(read.presets[i].settings), presetName(presets[i].settings));
    }
    EXPECT_EQ(names, QStringList({"15分 秒読み30秒 考慮10回", "10分 秒読み30秒",
                                  "持ち時間なし 30秒", "持ち時間なし 10秒", "10分 切れ負け",
                                  "30分 切れ負け", "5分 +5秒", "15分 +10秒", "駒落ち"}));
    EXPECT_EQ(presetName(presets.back().settings),
              "15分 秒読み30秒 考慮10回 ／ 30分 秒読み60秒 考慮10回");
    EXPECT_EQ(readGameSettings(*settings).settings.players[0].minutes, "3");
}
