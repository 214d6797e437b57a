#include "model_test.h"

#include <random>

namespace {

using MoveKeys = ModelTest;

GameSettings leftInByoyomi(int byoyomi, int consideration) {
    GameSettings settings = defaultSettings();
    setSide(settings, Side::Left, 0, consideration, byoyomi);
    return settings;
}

} // namespace

TEST_F(MoveKeys, EachSidesKeyPassesTheTurnAndCountsTheMove) {
    start();
    EXPECT_EQ(game.role(game.sideToMove()), Role::Sente);
    game.endMove(Side::Left);
    EXPECT_EQ(game.sideToMove(), Side::Right);
    EXPECT_EQ(game.movesPlayed(), 1);
    EXPECT_EQ(game.role(game.sideToMove()), Role::Gote);
    EXPECT_EQ(game.moveNumber(), 2);
    game.endMove(Side::Right);
    EXPECT_EQ(game.sideToMove(), Side::Left);
    EXPECT_EQ(game.role(game.sideToMove()), Role::Sente);
    EXPECT_EQ(game.moveNumber(), 3);
    EXPECT_EQ(game.role(Side::Left), Role::Sente); // each side's role stays
}

TEST_F(MoveKeys, WithTheRightSideAsSenteTheTurnNamesFollowTheRoles) {
    GameSettings settings = defaultSettings();
    settings.senteSide = Side::Right;
    start(settings);
    EXPECT_EQ(game.sideToMove(), Side::Right);
    EXPECT_EQ(game.role(game.sideToMove()), Role::Sente);
    game.endMove(Side::Right);
    EXPECT_EQ(game.role(game.sideToMove()), Role::Gote);
}

TEST_F(MoveKeys, TheOtherSidesKeyOnlyRewritesTheMoveNumber) {
    start();
    game.endMove(Side::Left);
    SignalLog log(game);
    game.endMove(Side::Left); // the right side is to move
    EXPECT_EQ(log.names, QStringList{"moveNumberChanged"});
    EXPECT_EQ(game.sideToMove(), Side::Right);
    EXPECT_EQ(game.movesPlayed(), 1);
}

TEST_F(MoveKeys, NothingHappensWhileTheClockIsStopped) {
    SignalLog log(game);
    game.endMove(Side::Left); // no game yet
    start();
    game.pause();
    log.names.clear();
    game.endMove(Side::Left);
    game.endMove(Side::Right);
    EXPECT_TRUE(log.names.isEmpty());
    EXPECT_EQ(game.sideToMove(), Side::Left);
    EXPECT_EQ(game.movesPlayed(), 0);
}

TEST_F(MoveKeys, AMoveInByoyomiGivesAFreshPeriod) {
    start(leftInByoyomi(30, 0));
    seconds(17);
    SignalLog log(game);
    game.endMove(Side::Left);
    EXPECT_EQ(log.names, (QStringList{"turnChanged", "periodChanged(Left)", "moveNumberChanged"}));
    EXPECT_EQ(game.periodText(Side::Left), "0");
    EXPECT_EQ(game.clock(Side::Left).periodLength, 30);
    game.endMove(Side::Right);
    seconds(1);
    EXPECT_EQ(game.periodText(Side::Left), "1");
}

TEST_F(MoveKeys, AMoveInAConsiderationMinuteGoesBackToTheByoyomiLength) {
    start(leftInByoyomi(10, 2));
    seconds(15); // 10 of byoyomi, then 5 of a consideration minute
    ASSERT_EQ(game.clock(Side::Left).periodLength, 60);
    ASSERT_EQ(game.clock(Side::Left).periodElapsed, 5);
    game.endMove(Side::Left);
    EXPECT_EQ(game.clock(Side::Left).periodLength, 10);
    EXPECT_EQ(game.clock(Side::Left).periodElapsed, 0);
}

TEST_F(MoveKeys, AMoveInTheSecondAConsiderationMinuteBeganKeepsItsPeriod) {
    start(leftInByoyomi(10, 2));
    seconds(10);
    game.endMove(Side::Left);
    EXPECT_EQ(game.clock(Side::Left).periodLength, 60);
}

TEST_F(MoveKeys, AMoveInMainTimeTouchesNoPeriod) {
    start();
    seconds(5);
    SignalLog log(game);
    game.endMove(Side::Left);
    EXPECT_EQ(log.names, (QStringList{"turnChanged", "moveNumberChanged"}));
}

// A few hundred moves with random thinking times, against a running total kept here: every
// counted second lands on the side to move, in its main time or its byoyomi.
TEST_F(MoveKeys, AWholeGameAddsUp) {
    GameSettings settings = defaultSettings();
    setSide(settings, Side::Left, 5, 10, 30);
    setSide(settings, Side::Right, 5, 10, 60);
    start(settings);
    const long long mainSeconds = 300;
    drive.tick(); // the clock's first tick counts the second it falls in
    std::mt19937 random(7);
    long long charged[2] = {1, 0};
    long long total = 1;
    for (int move = 0; move < 300; ++move) {
        const Side side = game.sideToMove();
        const std::size_t i = indexOf(side);
        const int think = std::uniform_int_distribution<int>(0, i == 0 ? 29 : 59)(random);
        for (int s = 0; s < think; ++s) {
            // Several ticks per second, as the window polls; only the change counts.
            drive.tickAfter(400);
            drive.tickAfter(600);
        }
        const long long inMain = std::max<long long>(0, mainSeconds - charged[i]);
        charged[i] += think;
        total += think;
        EXPECT_EQ(game.clock(side).periodElapsed, std::max<long long>(0, think - inMain))
            << "move " << move;
        game.endMove(side);
    }
    for (const Side side : kBothSides) {
        const long long left = std::max<long long>(0, mainSeconds - charged[indexOf(side)]);
        EXPECT_EQ(game.clock(side).mainTime, ClockTime::fromSeconds(left));
        EXPECT_EQ(game.clock(side).considerationLeft, Decimal(10));
    }
    EXPECT_EQ(game.totalTime(), ClockTime::fromSeconds(total));
    EXPECT_EQ(game.moveNumber(), 301);
    EXPECT_TRUE(game.running());
}
