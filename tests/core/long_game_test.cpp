#include "core/result_file.h"
#include "model_test.h"

#include <random>

namespace {

constexpr long long kHour = 3600;

// Plays a game of two days on the fake wall clock, keeping its own count of what the clock
// must have counted, and checks the model against it after every step.
class LongGame : public ModelTest {
protected:
    // Moves the wall clock on and ticks; the second counts when the clock runs and the wall
    // clock's second has changed since the last one counted.
    void tick(int ms) {
        const Side toMove = game.sideToMove();
        drive.pass(ms);
        const QTime now = wallClock.timeOfDay();
        const QTime second(now.hour(), now.minute(), now.second());
        if (game.running() && second != lastCounted) {
            lastCounted = second;
            ++counted;
            ++charged[indexOf(toMove)];
        }
        drive.tick();
        if (counted % 1000 == 0)
            audio.log.clear();
        checkInvariants();
    }

    // Thinks until the side to move has been charged the seconds, or has run out.
    void think(long long seconds) {
        const std::size_t side = indexOf(game.sideToMove());
        const long long until = charged[side] + seconds;
        std::uniform_int_distribution<int> jitter(700, 1300);
        while (charged[side] < until && !game.awaitingTimeOutAnswer() && !HasFatalFailure())
            tick(jitter(random));
    }

    void move() {
        game.endMove(game.sideToMove());
        ++moves;
        checkInvariants();
    }

    void pauseFor(long long hours) {
        game.pause();
        for (long long i = 0; i < hours * 6; ++i)
            tick(10 * 60 * 1000); // nothing counts while paused
        game.resume();
    }

    void checkInvariants() {
        ASSERT_EQ(game.totalTime().seconds(), counted);
        ASSERT_EQ(charged[0] + charged[1], game.totalTime().seconds());
        for (const Side side : kBothSides) {
            const SideClock& clock = game.clock(side);
            ASSERT_GE(clock.mainTime, ClockTime());
            ASSERT_GE(clock.periodElapsed, 0);
            ASSERT_LE(clock.periodElapsed, clock.periodLength);
            ASSERT_GE(clock.considerationLeft, Decimal(0));
            ASSERT_LE(clock.considerationLeft, clock.considerationGranted);
        }
    }

    std::mt19937 random{48};
    QTime lastCounted;
    long long counted = 0;
    std::array<long long, 2> charged{};
    int moves = 0;
};

} // namespace

TEST_F(LongGame, TwoDaysOfPlayAddUpToTheSecond) {
    GameSettings settings = defaultSettings();
    settings.players[0].hours = QStringLiteral("1");
    settings.players[1].minutes = QStringLiteral("30");
    settings.players[1].byoyomiLength = 60;
    start(settings);
    const QDateTime end = wallClock.now.addSecs(48 * kHour);
    std::uniform_int_distribution<int> percent(0, 99);
    bool timedOut = false;
    bool steppedBack = false;
    QDateTime nextPause = wallClock.now.addSecs(5 * kHour);

    while (wallClock.now < end && !HasFatalFailure()) {
        const SideClock& clock = game.clock(game.sideToMove());
        const int period = clock.periodLength;
        if (clock.mainTime > ClockTime())
            think(std::uniform_int_distribution<int>(5, 400)(random));
        else if (clock.considerationLeft > Decimal(0) && percent(random) < 10)
            think(period - clock.periodElapsed + 30); // into a consideration minute
        else if (clock.considerationLeft == Decimal(0) && !timedOut)
            think(period + 1); // out of time, and ten seconds given back
        else
            think(std::uniform_int_distribution<int>(
                1, std::max(1, period - 1 - clock.periodElapsed))(random));
        if (game.awaitingTimeOutAnswer()) {
            timedOut = true;
            game.giveTenSecondsBack();
            think(3);
        }
        move();
        if (wallClock.now > nextPause) {
            pauseFor(3);
            nextPause = wallClock.now.addSecs(6 * kHour);
        }
        if (!steppedBack && wallClock.now > end.addSecs(-24 * kHour)) {
            wallClock.now = wallClock.now.addSecs(-90); // the system's clock set back
            steppedBack = true;
        }
    }
    ASSERT_TRUE(timedOut);
    EXPECT_GT(wallClock.now.date(), QDate(2026, 12, 9)); // two changes of day

    game.resign();
    const long long total = counted;
    for (int i = 0; i < 100; ++i)
        tick(1000); // an ended game never counts again
    EXPECT_EQ(counted, total);

    const QStringList lines = game.summary().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[2].startsWith(QString::number(moves) + QStringLiteral("手にて")));
    EXPECT_EQ(lines[3], QStringLiteral("残り時間　左 0:00:00(+0)"));
    EXPECT_EQ(lines[4], QStringLiteral("残り時間　右 0:00:00(+0)"));
    EXPECT_EQ(lines[5], QStringLiteral("TOTAL時間 ") + ClockTime::fromSeconds(total).toText());
    EXPECT_EQ(lines[6], blockEndLine());
    EXPECT_GT(total, 24 * kHour);
}
