#include "model_test.h"

#include <map>

namespace {

using Tick = ModelTest;

Clips countdownFrom(int first) {
    Clips clips;
    for (int n = first; n <= 9; ++n)
        clips.push_back(quick(QStringLiteral("%1.wav").arg(n, 2, 10, QLatin1Char('0'))));
    return clips;
}

Clips joined(Clips a, const Clips& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST_F(Tick, TheWorkedSequenceSecondBySecond) {
    GameSettings settings = defaultSettings();
    setSide(settings, Side::Left, 1, 1, 30);
    start(settings);
    seconds(58);
    EXPECT_EQ(game.mainTimeText(Side::Left), "0:00:02");

    EXPECT_TRUE(seconds(1).empty());
    EXPECT_EQ(game.mainTimeText(Side::Left), "0:00:01");
    EXPECT_TRUE(seconds(1).empty());
    EXPECT_EQ(game.mainTimeText(Side::Left), "0:00:00");
    EXPECT_EQ(game.periodText(Side::Left), "0"); // byoyomi starts with the next second
    EXPECT_EQ(seconds(1), Clips{quick("Motitu.wav")});
    EXPECT_EQ(game.periodText(Side::Left), "1");

    // The marks of a 30-second period while a minute is left.
    EXPECT_EQ(seconds(28), (Clips{quick("10b.wav"), quick("20b.wav"), quick("25b.wav")}));
    EXPECT_EQ(game.periodText(Side::Left), "29");

    // The period ends and the consideration minute starts.
    EXPECT_EQ(seconds(1), (Clips{waited("01kaime.wav"), quick("Nokori00.wav")}));
    EXPECT_EQ(game.considerationText(Side::Left), "0");
    EXPECT_EQ(game.clock(Side::Left).periodLength, 60);
    EXPECT_EQ(game.periodText(Side::Left), "0");

    // The last minute, counted down at its end.
    EXPECT_EQ(seconds(59), joined({quick("40b.wav"), quick("50b.wav")}, countdownFrom(1)));
    EXPECT_EQ(game.periodText(Side::Left), "59");
    EXPECT_TRUE(game.running());

    EXPECT_EQ(seconds(1), Clips{waited("10.wav")});
    EXPECT_FALSE(game.running());
    EXPECT_EQ(game.periodText(Side::Left), "60");
    EXPECT_TRUE(game.timedOut());
    EXPECT_TRUE(game.awaitingTimeOutAnswer());
    EXPECT_EQ(game.totalTimeText(), "0:02:30");
}

TEST_F(Tick, TheSameSecondIsCountedOnce) {
    start();
    seconds(1);
    drive.tickAfter(400);
    drive.tick();
    EXPECT_EQ(game.mainTimeText(Side::Left), "0:14:59");
    EXPECT_EQ(game.totalTime(), kOneSecond);
}

TEST_F(Tick, AHoldUpIsNotMadeUp) {
    start();
    seconds(1);
    drive.tickAfter(60'000); // a one-minute hold-up of the window's thread
    EXPECT_EQ(game.mainTimeText(Side::Left), "0:14:58");
    EXPECT_EQ(game.totalTime(), ClockTime::fromSeconds(2));
}

TEST_F(Tick, NothingIsCountedWhileTheClockIsStopped) {
    start();
    game.pause();
    SignalLog log(game);
    seconds(5);
    EXPECT_TRUE(log.names.isEmpty());
    EXPECT_EQ(game.totalTime(), ClockTime());
}

TEST_F(Tick, TheSideNotToMoveIsNeverChargedNorShown) {
    GameSettings settings = defaultSettings();
    setSide(settings, Side::Right, 0, 0, 10);
    start(settings);
    const SideClock right = game.clock(Side::Right);
    SignalLog log(game);
    seconds(30);
    EXPECT_EQ(game.mainTimeText(Side::Left), "0:14:30");
    EXPECT_EQ(game.clock(Side::Right), right);
    EXPECT_FALSE(log.names.join(' ').contains("Right"));
    EXPECT_EQ(log.names.mid(0, 2), (QStringList{"totalTimeChanged", "mainTimeChanged(Left)"}));
}

TEST_F(Tick, MainTimeOverIsAnnouncedOncePerSideAndGame) {
    GameSettings settings = defaultSettings();
    setSide(settings, Side::Left, 0, 0, 30);
    setSide(settings, Side::Right, 0, 0, 30);
    start(settings);
    EXPECT_EQ(seconds(1), Clips{quick("Motitu.wav")});
    game.endMove(Side::Left);
    EXPECT_EQ(seconds(1), Clips{quick("Motitu.wav")}); // the right side's own
    game.endMove(Side::Right);
    EXPECT_TRUE(seconds(1).empty()); // the left side again: said once is enough
    start(settings);
    EXPECT_EQ(seconds(1), Clips{quick("Motitu.wav")}); // and said again in the next game
}

TEST_F(Tick, ATenSecondByoyomiWithoutMinutesRunsOut) {
    GameSettings settings = defaultSettings();
    setSide(settings, Side::Left, 0, 0, 10);
    start(settings);
    EXPECT_EQ(seconds(9), joined({quick("Motitu.wav")}, countdownFrom(1)));
    EXPECT_EQ(seconds(1), Clips{waited("10.wav")});
    EXPECT_EQ(game.periodText(Side::Left), "10");
    EXPECT_FALSE(game.running());
    EXPECT_TRUE(game.awaitingTimeOutAnswer());
    EXPECT_EQ(game.totalTime(), ClockTime::fromSeconds(10));
}

TEST_F(Tick, ASixtySecondPeriodWithMinutesLeftStartsAConsiderationMinute) {
    GameSettings settings = defaultSettings();
    setSide(settings, Side::Left, 0, 3, 60);
    start(settings);
    seconds(59);
    EXPECT_EQ(game.periodText(Side::Left), "59");
    EXPECT_EQ(seconds(1), (Clips{waited("01kaime.wav"), quick("Nokori02.wav")}));
    EXPECT_EQ(game.periodText(Side::Left), "0");
    EXPECT_EQ(game.considerationText(Side::Left), "2");
    EXPECT_EQ(game.clock(Side::Left).periodLength, 60);
    EXPECT_TRUE(game.running());
}

// 2.5 minutes typed: the third minute is the half one; it is named, and the minutes shown
// stop at 0.
TEST_F(Tick, ATypedFractionOfAMinuteIsNamedAndLeavesNoMinutesBelowZero) {
    GameSettings settings = defaultSettings();
    setSide(settings, Side::Left, 0, 3, 10);
    settings.players[0].consideration = QStringLiteral("2.5");
    start(settings);
    seconds(10 + 60 + 59);
    EXPECT_EQ(seconds(1), (Clips{waited("03kaime.wav")}));
    EXPECT_EQ(game.considerationText(Side::Left), "0");
    seconds(60);
    EXPECT_TRUE(game.awaitingTimeOutAnswer());
    EXPECT_EQ(game.considerationText(Side::Left), "0");
}

TEST_F(Tick, OneSecondOfMainTimeGoesToZeroThenByoyomi) {
    GameSettings settings = defaultSettings();
    setSide(settings, Side::Left, 1, 10, 30);
    start(settings);
    seconds(59);
    ASSERT_EQ(game.mainTimeText(Side::Left), "0:00:01");
    EXPECT_TRUE(seconds(1).empty());
    EXPECT_EQ(game.mainTimeText(Side::Left), "0:00:00");
    EXPECT_EQ(seconds(1), Clips{quick("Motitu.wav")});
    EXPECT_EQ(game.periodText(Side::Left), "1");
}

namespace {

// Labels as a window shows them, noted each time a clip waited for is asked for.
class LabelsAtWaitedClips final : public AudioDevice {
public:
    std::map<QString, QString> labels;
    std::vector<std::pair<QString, std::map<QString, QString>>> seen;

    void play(const QString& path, bool wait) override {
        if (wait)
            seen.push_back({path, labels});
    }
    void stop() override {}
};

} // namespace

TEST(TickLabels, AreWrittenBeforeTheWaitedClipThatAnnouncesThem) {
    FakeWallClock wallClock;
    LabelsAtWaitedClips audio;
    GameClock game(wallClock, audio);
    QObject::connect(&game, &GameClock::periodChanged,
                     [&](Side side) { audio.labels["period"] = game.periodText(side); });
    QObject::connect(&game, &GameClock::considerationChanged,
                     [&](Side side) { audio.labels["minutes"] = game.considerationText(side); });
    GameSettings settings = defaultSettings();
    setSide(settings, Side::Left, 0, 1, 10);
    ASSERT_EQ(game.startGame(settings), std::nullopt);
    GameDriver(wallClock, [&] { game.tick(); }).seconds(70);
    using Labels = std::map<QString, QString>;
    EXPECT_EQ(audio.seen, (std::vector<std::pair<QString, Labels>>{
                              {"sound/01kaime.wav", Labels{{"period", "0"}, {"minutes", "0"}}},
                              {"sound/10.wav", Labels{{"period", "60"}, {"minutes", "0"}}},
                          }));
}
