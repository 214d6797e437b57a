#include "model_test.h"

Clip quick(const QString& file) {
    return {QStringLiteral("sound/") + file, false};
}

Clip waited(const QString& file) {
    return {QStringLiteral("sound/") + file, true};
}

GameSettings defaultSettings() {
    GameSettings settings;
    settings.players = {{{"左", "0", "15", "10", 30}, {"右", "0", "15", "10", 30}}};
    return settings;
}

void setSide(GameSettings& settings, Side side, int minutes, int consideration, int byoyomi) {
    GameSettings::Player& player = settings.players[indexOf(side)];
    player.minutes = QString::number(minutes);
    player.consideration = QString::number(consideration);
    player.byoyomiLength = byoyomi;
}

SignalLog::SignalLog(GameClock& game) {
    const auto note = [this](const char* name) { return [this, name] { names << name; }; };
    const auto noteSide = [this](const char* name) {
        return [this, name](Side side) {
            names << QStringLiteral("%1(%2)").arg(name, side == Side::Left ? "Left" : "Right");
        };
    };
    using G = GameClock;
    QObject* c = &context_;
    QObject::connect(&game, &G::runningChanged, c, note("runningChanged"));
    QObject::connect(&game, &G::playStateChanged, c, note("playStateChanged"));
    QObject::connect(&game, &G::nameChanged, c, noteSide("nameChanged"));
    QObject::connect(&game, &G::coloursChanged, c, note("coloursChanged"));
    QObject::connect(&game, &G::mainTimeChanged, c, noteSide("mainTimeChanged"));
    QObject::connect(&game, &G::periodChanged, c, noteSide("periodChanged"));
    QObject::connect(&game, &G::byoyomiLengthChanged, c, noteSide("byoyomiLengthChanged"));
    QObject::connect(&game, &G::considerationChanged, c, noteSide("considerationChanged"));
    QObject::connect(&game, &G::totalTimeChanged, c, note("totalTimeChanged"));
    QObject::connect(&game, &G::turnChanged, c, note("turnChanged"));
    QObject::connect(&game, &G::moveNumberChanged, c, note("moveNumberChanged"));
    QObject::connect(&game, &G::timeOutReached, c, note("timeOutReached"));
    QObject::connect(&game, &G::gameEnded, c, note("gameEnded"));
}

void ModelTest::start(const GameSettings& settings) {
    ASSERT_EQ(game.startGame(settings), std::nullopt);
    audio.log.clear();
}

Clips ModelTest::seconds(int n) {
    audio.log.clear();
    drive.seconds(n);
    return audio.clips();
}
