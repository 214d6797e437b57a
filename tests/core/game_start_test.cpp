#include "model_test.h"

namespace {

using GameStart = ModelTest;

// What a failed start must leave as it was.
struct Snapshot {
    std::array<QString, 2> names;
    std::array<SideClock, 2> clocks;
    Side sideToMove;
    Side senteSide;
    int movesPlayed;
    ClockTime totalTime;
    bool running;
    PlayState playState;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const GameClock& game) {
    return {{game.name(Side::Left), game.name(Side::Right)},
            {game.clock(Side::Left), game.clock(Side::Right)},
            game.sideToMove(),
            game.senteSide(),
            game.movesPlayed(),
            game.totalTime(),
            game.running(),
            game.playState()};
}

} // namespace

TEST_F(GameStart, TheStartUpValuesBeforeAnyGame) {
    for (const Side side : kBothSides) { // the settings' defaults
        EXPECT_EQ(game.mainTimeText(side), "0:15:00");
        EXPECT_EQ(game.considerationText(side), "10");
        EXPECT_EQ(game.byoyomiLengthText(side), "30");
    }
    EXPECT_EQ(game.totalTime(), ClockTime());
    EXPECT_EQ(game.movesPlayed(), 0);
    EXPECT_EQ(game.sideToMove(), Side::Left);
    EXPECT_EQ(game.senteSide(), Side::Left);
    EXPECT_FALSE(game.running());
    EXPECT_EQ(game.playState(), kIdleBefore);
    EXPECT_EQ(game.outcome(), Outcome::None);
}

TEST_F(GameStart, ThePlayersFileNamesTheSidesItHasLinesFor) {
    const struct {
        QStringList lines;
        QStringList signalled;
        const char* left;
        const char* right;
    } rows[] = {
        {{}, {}, "", ""},
        {{"一人目"}, {"nameChanged(Left)"}, "一人目", ""},
        {{"", "B"}, {"nameChanged(Left)", "nameChanged(Right)"}, "", "B"},
        {{"甲", "乙", "丙"}, {"nameChanged(Left)", "nameChanged(Right)"}, "甲", "乙"},
    };
    for (const auto& row : rows) {
        GameClock fresh(wallClock, audio);
        SignalLog log(fresh);
        fresh.loadPlayers(row.lines);
        EXPECT_EQ(log.names, row.signalled) << row.lines.join(',').toStdString();
        EXPECT_EQ(fresh.name(Side::Left), row.left);
        EXPECT_EQ(fresh.name(Side::Right), row.right);
    }
}

TEST_F(GameStart, TheDefaultsGame) {
    ASSERT_EQ(game.startGame(defaultSettings()), std::nullopt);
    EXPECT_EQ(game.name(Side::Left), "左");
    EXPECT_EQ(game.name(Side::Right), "右");
    for (const Side side : kBothSides) {
        EXPECT_EQ(game.mainTimeText(side), "0:15:00");
        EXPECT_EQ(game.considerationText(side), "10");
        EXPECT_EQ(game.clock(side).considerationGranted, Decimal(10));
        EXPECT_EQ(game.byoyomiLengthText(side), "30");
        EXPECT_EQ(game.clock(side).periodLength, 30);
        EXPECT_EQ(game.periodText(side), "0");
    }
    EXPECT_EQ(game.moveNumber(), 1);
    EXPECT_EQ(game.role(game.sideToMove()), Role::Sente);
    EXPECT_EQ(game.totalTimeText(), "0:00:00");
    EXPECT_EQ(game.sideToMove(), Side::Left);
    EXPECT_EQ(game.role(Side::Left), Role::Sente);
    EXPECT_EQ(game.role(Side::Right), Role::Gote);
    EXPECT_TRUE(game.running());
    EXPECT_EQ(game.playState(), kRunning);
    EXPECT_FALSE(game.timedOut());
    EXPECT_FALSE(game.resigned());
    EXPECT_EQ(game.outcome(), Outcome::None);
    EXPECT_EQ(audio.clips(), Clips{quick("Yoroone.wav")});
}

TEST_F(GameStart, TheRightSideMovingFirstSwapsTheRoles) {
    GameSettings settings = defaultSettings();
    settings.senteSide = Side::Right;
    start(settings);
    EXPECT_EQ(game.sideToMove(), Side::Right);
    EXPECT_EQ(game.senteSide(), Side::Right);
    EXPECT_EQ(game.role(Side::Left), Role::Gote);
    EXPECT_EQ(game.role(Side::Right), Role::Sente);
    EXPECT_EQ(game.role(game.sideToMove()), Role::Sente);
}

TEST_F(GameStart, ConversionsOfTheTypedNumbers) {
    const struct {
        const char *hours, *minutes, *rightMinutes, *consideration;
        const char *leftTime, *rightTime, *leftConsideration;
    } rows[] = {
        {"1", "30", "15", "10", "1:30:00", "0:15:00", "10"},
        {"0", "0", "0", "0", "0:00:00", "0:00:00", "0"},
        {"0", "6.5", "7.5", "2.5", "0:06:00", "0:08:00", "2.5"}, // halves to the even neighbour
        {"２", "１５", "0", "３", "2:15:00", "0:00:00", "3"},
        {" 1 ", "59", "0", "0", "1:59:00", "0:00:00", "0"},
        {"23.4", "0", "0", "0", "23:00:00", "0:00:00", "0"}, // the dialog keeps it too
    };
    for (const auto& row : rows) {
        GameSettings settings = defaultSettings();
        settings.players[0].hours = row.hours;
        settings.players[0].minutes = row.minutes;
        settings.players[1].minutes = row.rightMinutes;
        settings.players[0].consideration = row.consideration;
        start(settings);
        EXPECT_EQ(game.mainTimeText(Side::Left), row.leftTime) << row.minutes;
        EXPECT_EQ(game.mainTimeText(Side::Right), row.rightTime) << row.rightMinutes;
        EXPECT_EQ(game.considerationText(Side::Left), row.leftConsideration);
        EXPECT_EQ(game.clock(Side::Left).considerationGranted.toText(), row.leftConsideration);
    }
}

// The dialog puts back a value out of range as it is typed; the model refuses one all the same,
// so that no caller can start a game with a negative or absurd time.
TEST_F(GameStart, AValueOutOfItsFieldsRangeIsABadField) {
    const struct {
        SettingsField field;
        const char* text;
    } rows[] = {
        {SettingsField::LeftHours, "24"},          {SettingsField::LeftHours, "-1"},
        {SettingsField::LeftMinutes, "60"},        {SettingsField::RightHours, "23.5"},
        {SettingsField::RightMinutes, "-0.6"},     {SettingsField::LeftConsideration, "10.5"},
        {SettingsField::RightConsideration, "-1"},
    };
    for (const auto& row : rows) {
        GameSettings settings = defaultSettings();
        GameSettings::Player& left = settings.players[0];
        GameSettings::Player& right = settings.players[1];
        QString* const fields[] = {&left.hours,    &left.minutes,       &right.hours,
                                   &right.minutes, &left.consideration, &right.consideration};
        *fields[std::size_t(row.field)] = QString::fromUtf8(row.text);
        EXPECT_EQ(game.startGame(settings), row.field) << row.text;
    }
    GameSettings noByoyomi = defaultSettings();
    noByoyomi.control = TimeControl::SuddenDeath;
    noByoyomi.players[0].consideration = "x"; // not asked for without byoyomi
    noByoyomi.players[1].minutes = "0";
    EXPECT_EQ(game.startGame(noByoyomi), SettingsField::RightMinutes); // no time to play at all
    EXPECT_FALSE(game.running());
    EXPECT_EQ(game.startGame(defaultSettings()), std::nullopt);
}

// A failed start in the replay dialog must leave the paused game as it was.
TEST_F(GameStart, AFieldWithoutANumberAppliesNothingAndIsNamed) {
    const struct {
        QString GameSettings::Player::*text;
        Side side;
        const char* typed;
        SettingsField field;
    } rows[] = {
        {&GameSettings::Player::hours, Side::Left, "", SettingsField::LeftHours},
        {&GameSettings::Player::minutes, Side::Left, "x", SettingsField::LeftMinutes},
        {&GameSettings::Player::hours, Side::Right, "40000", SettingsField::RightHours},
        {&GameSettings::Player::minutes, Side::Right, "", SettingsField::RightMinutes},
        {&GameSettings::Player::consideration, Side::Left, "a", SettingsField::LeftConsideration},
        {&GameSettings::Player::consideration, Side::Right, "", SettingsField::RightConsideration},
    };
    start();
    game.endMove(Side::Left);
    seconds(3);
    game.pause();
    audio.log.clear();
    const Snapshot before = snapshot(game);
    for (const auto& row : rows) {
        GameSettings replay = defaultSettings();
        replay.senteSide = Side::Right;
        replay.players[0].name = "別の人";
        replay.players[0].minutes = "5";
        replay.players[indexOf(row.side)].*row.text = row.typed;
        SignalLog log(game);
        EXPECT_EQ(game.startGame(replay), row.field) << row.typed;
        EXPECT_TRUE(log.names.isEmpty());
        EXPECT_TRUE(audio.log.empty());
        EXPECT_EQ(snapshot(game), before);
    }
}

TEST_F(GameStart, TheFirstFieldWithoutANumberIsNamed) {
    GameSettings settings = defaultSettings();
    settings.players[1].minutes = "";
    settings.players[0].consideration = "";
    EXPECT_EQ(game.startGame(settings), SettingsField::RightMinutes);
    settings.players[0].hours = "?";
    EXPECT_EQ(game.startGame(settings), SettingsField::LeftHours);
}

TEST_F(GameStart, NamesLoseControlCharactersLineEndsAndSurroundingSpace) {
    const struct {
        const char* typed;
        const char* name;
    } rows[] = {
        {"羽生 善治\n", "羽生 善治"}, {"\r\n左 の 人\r\n", "左 の 人"}, {"  A\tB  ", "AB"},
        {"\u3000名\u3000", "名"},     {"上\u2028下", "上下"},           {"a\x1b[1mb", "a[1mb"},
    };
    for (const auto& row : rows) {
        GameSettings settings = defaultSettings();
        settings.players[1].name = QString::fromUtf8(row.typed);
        start(settings);
        EXPECT_EQ(game.name(Side::Right), QString::fromUtf8(row.name)) << row.name;
    }
}

TEST_F(GameStart, ANewGameResetsTheLastOnesResult) {
    GameSettings settings = defaultSettings();
    setSide(settings, Side::Left, 0, 0, 10);
    start(settings);
    seconds(5);
    game.endMove(Side::Left);
    seconds(10);
    game.pause();
    game.resign();
    ASSERT_EQ(game.outcome(), Outcome::SenteWins);
    start();
    EXPECT_EQ(game.outcome(), Outcome::None);
    EXPECT_FALSE(game.timedOut());
    EXPECT_FALSE(game.resigned());
    EXPECT_EQ(game.movesPlayed(), 0);
    EXPECT_EQ(game.totalTimeText(), "0:00:00");
    EXPECT_EQ(game.role(game.sideToMove()), Role::Sente);
    EXPECT_FALSE(game.clock(Side::Left).mainTimeOverAnnounced);
    EXPECT_EQ(game.playState(), kRunning);
}
