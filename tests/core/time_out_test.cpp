#include "model_test.h"

#include <functional>

namespace {

class TimeOut : public ModelTest {
protected:
    // Starts a game in which the loser runs out after its byoyomi, with no main time.
    void runOut(Side senteSide, Side loser, int byoyomi, int consideration) {
        GameSettings settings = defaultSettings();
        settings.senteSide = senteSide;
        for (const Side side : kBothSides)
            setSide(settings, side, 0, consideration, byoyomi);
        start(settings);
        if (game.sideToMove() != loser)
            game.endMove(game.sideToMove());
        while (game.running())
            seconds(1);
        audio.log.clear();
    }
};

struct Command {
    const char* name;
    std::function<void(GameClock&)> run;
};

const Command kEveryCommandButTheAnswers[] = {
    {"pause", [](GameClock& g) { g.pause(); }},
    {"resume", [](GameClock& g) { g.resume(); }},
    {"prepareReplay", [](GameClock& g) { g.prepareReplay(Abandonment::Replay); }},
    {"stopForQuestion", [](GameClock& g) { g.stopForQuestion(); }},
    {"resumeAfterQuestion", [](GameClock& g) { g.resumeAfterQuestion(); }},
    {"resign", [](GameClock& g) { g.resign(); }},
    {"endGame", [](GameClock& g) { g.endGame(Outcome::Draw); }},
    {"endMove", [](GameClock& g) { g.endMove(g.sideToMove()); }},
    {"tick", [](GameClock& g) { g.tick(); }},
};

} // namespace

TEST_F(TimeOut, ConfirmingRecordsTheOtherColoursWinOnTime) {
    const struct {
        Side senteSide;
        Side loser;
        Outcome outcome;
    } rows[] = {
        {Side::Left, Side::Right, Outcome::SenteWins},
        {Side::Right, Side::Left, Outcome::SenteWins},
        {Side::Left, Side::Left, Outcome::GoteWins},
        {Side::Right, Side::Right, Outcome::GoteWins},
    };
    for (const auto& row : rows) {
        runOut(row.senteSide, row.loser, 10, 0);
        game.confirmTimeOut();
        EXPECT_EQ(game.outcome(), row.outcome);
        EXPECT_TRUE(game.timedOut());
        EXPECT_FALSE(game.awaitingTimeOutAnswer());
        EXPECT_TRUE(game.result().sentence().endsWith("(時間切れ)"));
        EXPECT_EQ(game.playState(), kEndedWhileRunning);
    }
}

TEST_F(TimeOut, CancelGivesTenSecondsBack) {
    const struct {
        int byoyomi;
        int consideration;
        int countAfter;
    } rows[] = {{10, 0, 0}, {30, 0, 20}, {10, 1, 50}, {5, 0, 0}}; // {10, 1}: out of its minute
    for (const auto& row : rows) {
        runOut(Side::Left, Side::Left, row.byoyomi, row.consideration);
        SignalLog log(game);
        game.giveTenSecondsBack();
        EXPECT_EQ(log.names,
                  (QStringList{"periodChanged(Left)", "playStateChanged", "runningChanged"}));
        EXPECT_EQ(game.periodText(Side::Left), QString::number(row.countAfter));
        EXPECT_FALSE(game.timedOut());
        EXPECT_EQ(game.outcome(), Outcome::None);
        EXPECT_EQ(game.playState(), kRunning);
        seconds(1); // and the count goes on from there
        EXPECT_EQ(game.clock(Side::Left).periodElapsed, row.countAfter + 1);
        game.pause();
    }
}

TEST_F(TimeOut, TheAnswersDoNothingWithoutATimeOut) {
    start();
    SignalLog log(game);
    game.confirmTimeOut();
    game.giveTenSecondsBack();
    EXPECT_TRUE(log.names.isEmpty());
    EXPECT_EQ(game.outcome(), Outcome::None);
}

TEST_F(TimeOut, IsReportedOnceItsClipHasBeenSaidAndTheClockHasStopped) {
    GameSettings settings = defaultSettings();
    setSide(settings, Side::Left, 0, 0, 10);
    start(settings);
    bool running = true;
    bool awaiting = false;
    Clips said;
    QObject::connect(&game, &GameClock::timeOutReached, [&] {
        running = game.running();
        awaiting = game.awaitingTimeOutAnswer();
        said = audio.clips();
    });
    SignalLog log(game);
    seconds(10);
    EXPECT_FALSE(running);
    EXPECT_TRUE(awaiting);
    EXPECT_EQ(said.back(), waited("10.wav"));
    EXPECT_EQ(log.names.back(), "timeOutReached");
}

// P, the menu, F2, F4, F5 and the pause window in the seconds before the question: only the
// question acts on the game, which is then recorded once.
TEST_F(TimeOut, OnlyTheAnswerActsOnAGameThatRanOut) {
    runOut(Side::Left, Side::Left, 10, 0);
    const PlayState state = game.playState();
    EXPECT_FALSE(state.pauseOpen);
    for (const Command& command : kEveryCommandButTheAnswers) {
        SignalLog log(game);
        drive.pass(1000);
        command.run(game);
        EXPECT_TRUE(log.names.isEmpty()) << command.name;
        EXPECT_TRUE(audio.log.empty()) << command.name;
        EXPECT_TRUE(game.awaitingTimeOutAnswer()) << command.name;
        EXPECT_EQ(game.playState(), state) << command.name;
    }
    EXPECT_EQ(game.totalTimeText(), "0:00:10");
    SignalLog log(game);
    game.confirmTimeOut();
    EXPECT_EQ(game.outcome(), Outcome::GoteWins);
    EXPECT_EQ(log.names.count("gameEnded"), 1);
}

TEST_F(TimeOut, AnEndedGameCanNeverBeResumedNorEndedAgain) {
    const struct {
        const char* what;
        std::function<void()> end;
    } endings[] = {
        {"confirmed time-out",
         [this] {
             runOut(Side::Left, Side::Left, 10, 0);
             game.confirmTimeOut();
         }},
        {"resigned when paused",
         [this] {
             start();
             game.pause();
             game.resign();
         }},
        {"ended with a result while running",
         [this] {
             start();
             game.endGame(Outcome::SenteWins);
         }},
    };
    for (const auto& ending : endings) {
        ending.end();
        ASSERT_NE(game.outcome(), Outcome::None) << ending.what;
        const QString summary = game.summary();
        for (const Command& command : kEveryCommandButTheAnswers) {
            SignalLog log(game);
            audio.log.clear();
            command.run(game);
            game.giveTenSecondsBack();
            game.confirmTimeOut();
            EXPECT_TRUE(log.names.isEmpty()) << ending.what << ", " << command.name;
            EXPECT_TRUE(audio.log.empty()) << ending.what << ", " << command.name;
            EXPECT_FALSE(game.running()) << ending.what << ", " << command.name;
            EXPECT_EQ(game.summary(), summary) << ending.what << ", " << command.name;
        }
    }
}

// The question comes once the wait is over, and only while it still has to be answered.
TEST_F(TimeOut, TheQuestionIsAskedAfterTheWaitUnlessAnswered) {
    int asked = 0;
    QObject::connect(&game, &GameClock::timeOutQuestion, [&] { ++asked; });
    for (const bool answeredEarly : {false, true}) {
        asked = 0;
        runOut(Side::Left, Side::Left, 10, 0);
        if (answeredEarly)
            game.giveTenSecondsBack();
        game.timeOutWaitOver();
        EXPECT_EQ(asked, answeredEarly ? 0 : 1) << answeredEarly;
        game.abandon();
    }
}

// Without byoyomi the side runs out with its main time: the warnings, the count of the last
// ten, the time-out's "10"; ten seconds given back are main time again. Under Fischer every
// move, the first included, adds the increment before the move's row is written.
TEST_F(TimeOut, WithoutByoyomiTheMainTimeRunsOutAndIsGivenBack) {
    for (const TimeControl control : {TimeControl::SuddenDeath, TimeControl::Fischer}) {
        GameSettings settings = defaultSettings();
        settings.control = control;
        setSide(settings, Side::Left, 1, 10, 30);
        start(settings);
        Clips warned = {quick("Nokori30byo.wav"), quick("Nokori20byo.wav")};
        for (int n = 1; n <= 9; ++n)
            warned.push_back(quick(QStringLiteral("%1.wav").arg(n, 2, 10, QChar(u'0'))));
        EXPECT_EQ(seconds(59), warned);
        EXPECT_EQ(seconds(1), Clips{waited("10.wav")});
        EXPECT_TRUE(game.awaitingTimeOutAnswer());
        EXPECT_EQ(game.mainTimeText(Side::Left), "0:00:00");
        game.giveTenSecondsBack();
        EXPECT_EQ(game.mainTimeText(Side::Left), "0:00:10");
        EXPECT_EQ(game.periodText(Side::Left), "0");
    }
}

TEST_F(TimeOut, UnderFischerEveryMoveAddsTheIncrementBeforeItsRow) {
    GameSettings settings = defaultSettings();
    settings.control = TimeControl::Fischer;
    settings.increment = 5;
    start(settings);
    QStringList seen;
    QObject::connect(&game, &GameClock::moveEnded,
                     [&](Side side) { seen << game.mainTimeText(side); });
    seconds(3);
    game.endMove(Side::Left);
    seconds(12);
    game.endMove(Side::Right);
    EXPECT_EQ(seen, (QStringList{"0:15:02", "0:14:53"}));
    EXPECT_EQ(game.totalTime(), ClockTime::fromSeconds(15));
    EXPECT_EQ(game.byoyomiLengthText(Side::Left), "+5"); // where the face shows the length
}
