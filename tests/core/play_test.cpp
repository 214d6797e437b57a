#include "model_test.h"

namespace {

class Play : public ModelTest {
protected:
    // Starts a game with the given colours and passes the turn until `toMove` moves.
    void startWith(Side senteSide, Side toMove) {
        GameSettings settings = defaultSettings();
        settings.senteSide = senteSide;
        start(settings);
        if (game.sideToMove() != toMove)
            game.endMove(game.sideToMove());
    }

    void expectState(bool running, const PlayState& state, int line) {
        SCOPED_TRACE(line);
        EXPECT_EQ(game.running(), running);
        EXPECT_EQ(game.playState(), state);
    }
};

struct ResignRow {
    Side senteSide;
    Side toMove;
    Outcome outcome;
};

const ResignRow kResignations[] = {
    {Side::Left, Side::Left, Outcome::GoteWins},
    {Side::Right, Side::Left, Outcome::SenteWins},
    {Side::Left, Side::Right, Outcome::SenteWins},
    {Side::Right, Side::Right, Outcome::GoteWins},
};

} // namespace

TEST_F(Play, ThePlayStatesThroughEveryPath) {
    expectState(false, kIdleBefore, __LINE__);
    game.pause(); // nothing to pause
    game.resume();
    expectState(false, kIdleBefore, __LINE__);
    start();
    expectState(true, kRunning, __LINE__);
    game.pause();
    expectState(false, kPaused, __LINE__);
    game.resume(); // from the menu, after the pause window's close box
    expectState(true, kRunning, __LINE__);
    game.pause();
    game.resume(); // from the pause window: resign and repetition draw as before the pause
    expectState(true, kRunning, __LINE__);
    game.pause();
    game.resign();
    expectState(false, kEndedWhilePaused, __LINE__);
}

TEST_F(Play, ResignationOfTheSideToMove) {
    for (const ResignRow& row : kResignations) {
        startWith(row.senteSide, row.toMove);
        game.pause();
        SignalLog log(game);
        game.resign();
        EXPECT_EQ(game.outcome(), row.outcome);
        EXPECT_TRUE(game.resigned());
        EXPECT_TRUE(game.result().sentence().endsWith("(投了)"));
        EXPECT_FALSE(game.running());
        EXPECT_TRUE(game.playState().settingsOpen);
        EXPECT_EQ(log.names, (QStringList{"playStateChanged", "playStateChanged", "gameEnded"}));
    }
}

TEST_F(Play, AQuestionStopsTheClockAndTouchesNothingElse) {
    for (const ResignRow& row : kResignations) {
        startWith(row.senteSide, row.toMove);
        SignalLog log(game);
        EXPECT_TRUE(game.stopForQuestion());
        expectState(false, kRunning, __LINE__);
        game.resumeAfterQuestion(); // Cancel: the clock runs on
        expectState(true, kRunning, __LINE__);
        EXPECT_EQ(log.names, (QStringList{"runningChanged", "runningChanged"}));
        ASSERT_TRUE(game.stopForQuestion());
        game.resign(); // OK this time
        EXPECT_EQ(game.outcome(), row.outcome);
        EXPECT_TRUE(game.resigned());
    }
}

TEST_F(Play, NoQuestionIsAskedWithoutARunningClock) {
    EXPECT_FALSE(game.stopForQuestion());
    start();
    game.pause();
    EXPECT_FALSE(game.stopForQuestion());
    game.resumeAfterQuestion(); // a paused game is resumed by the pause command only
    expectState(false, kPaused, __LINE__);
}

TEST_F(Play, TheThreeResultButtonsRecordTheirResultWithoutResignation) {
    for (const Outcome outcome : {Outcome::GoteWins, Outcome::SenteWins, Outcome::Draw}) {
        start();
        game.pause();
        game.endGame(outcome);
        EXPECT_EQ(game.outcome(), outcome);
        EXPECT_FALSE(game.resigned());
        EXPECT_FALSE(game.result().sentence().contains("(投了)"));
    }
}

TEST_F(Play, AReplayStartsAgainWithTheColoursReversed) {
    start();
    game.endMove(Side::Left);
    game.pause();
    EXPECT_EQ(game.replaySente(), std::nullopt);
    game.prepareReplay(Abandonment::Replay);
    EXPECT_EQ(game.replaySente(), Side::Right);
    GameSettings replay = defaultSettings();
    replay.senteSide = *game.replaySente();
    replay.players[0].minutes = "20";
    ASSERT_EQ(game.startGame(replay), std::nullopt);
    expectState(true, kRunning, __LINE__);
    EXPECT_EQ(game.role(Side::Left), Role::Gote);
    EXPECT_EQ(game.role(Side::Right), Role::Sente);
    EXPECT_EQ(game.name(Side::Left), "左");
    EXPECT_EQ(game.mainTimeText(Side::Left), "0:20:00");
    EXPECT_EQ(game.sideToMove(), Side::Right); // the right side, now sente, moves first
    EXPECT_EQ(game.movesPlayed(), 0);
}

TEST_F(Play, AReplaySettledAsADrawInstead) {
    start();
    game.pause();
    game.endGame(Outcome::Draw);
    EXPECT_EQ(game.result().sentence(), "引き分け");
}

TEST_F(Play, ARepetitionDrawLeftUnstartedIsResumedByThePauseCommand) {
    start();
    ASSERT_TRUE(game.stopForQuestion());
    // OK, and the settings dialog closed without starting: the old game stays stopped.
    expectState(false, kRunning, __LINE__);
    EXPECT_EQ(game.outcome(), Outcome::None);
    game.resume();
    expectState(true, kRunning, __LINE__);
    EXPECT_EQ(game.movesPlayed(), 0);
}

TEST_F(Play, AResumedGameKeepsItsOwnColours) {
    startWith(Side::Right, Side::Right);
    ASSERT_TRUE(game.stopForQuestion());
    game.resume();
    ASSERT_TRUE(game.stopForQuestion());
    game.resign(); // the right side, sente, resigns
    EXPECT_EQ(game.outcome(), Outcome::GoteWins);
    EXPECT_EQ(game.result().sentence(), "後手 左の勝ち(投了)");
}
