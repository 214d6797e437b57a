#include "model_test.h"

namespace {

GameResult finished(Outcome outcome, bool resigned, bool timedOut, Side senteSide, int moves) {
    GameResult result;
    result.outcome = outcome;
    result.resigned = resigned;
    result.timedOut = timedOut;
    result.senteSide = senteSide;
    result.movesPlayed = moves;
    result.players[0].name = "左 の 人";
    result.players[1].name = "右";
    return result;
}

using GameEnd = ModelTest;

} // namespace

TEST(GameResult, TheEndMessageAndTheResultSentence) {
    const struct {
        const char* what;
        GameResult result;
        const char* message;
        const char* sentence;
    } rows[] = {
        {"sente wins", finished(Outcome::SenteWins, false, false, Side::Left, 97),
         "97手にて先手 左 の 人の勝ちです。", "先手 左 の 人の勝ち"},
        {"resigned", finished(Outcome::GoteWins, true, false, Side::Left, 40),
         "40手にて後手 右の勝ちです。", "後手 右の勝ち(投了)"},
        {"both flags", finished(Outcome::SenteWins, true, true, Side::Left, 3),
         "3手にて先手 左 の 人の勝ちです。", "先手 左 の 人の勝ち(時間切れ)"},
        {"draw after a time-out", finished(Outcome::Draw, false, true, Side::Left, 120),
         "120手にて 引き分けです。", "引き分け"},
        {"no move", finished(Outcome::SenteWins, false, false, Side::Left, 0),
         "0手にて先手 左 の 人の勝ちです。", "先手 左 の 人の勝ち"},
        {"left gote wins", finished(Outcome::GoteWins, false, false, Side::Right, 51),
         "51手にて後手 左 の 人の勝ちです。", "後手 左 の 人の勝ち"},
        {"right sente wins", finished(Outcome::SenteWins, false, false, Side::Right, 8),
         "8手にて先手 右の勝ちです。", "先手 右の勝ち"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.result.message(), QString::fromUtf8(row.message)) << row.what;
        EXPECT_EQ(row.result.sentence(), QString::fromUtf8(row.sentence)) << row.what;
    }
}

TEST(GameResult, TheSevenLinesOfTheSummary) {
    GameResult result;
    result.outcome = Outcome::SenteWins;
    result.resigned = true;
    result.movesPlayed = 97;
    result.players = {{{"山田 太郎", ClockTime(), Decimal(2)},
                       {"佐藤 花子", ClockTime::fromHms(0, 3, 27), *Decimal::parse(u"0.5")}}};
    result.totalTime = ClockTime::fromHms(1, 2, 3);
    EXPECT_EQ(result.summary("2026/12/08"), "対局日2026/12/08"
                                            "\r\n山田 太郎(先手)VS佐藤 花子(後手)"
                                            "\r\n97手にて先手 山田 太郎の勝ち(投了)"
                                            "\r\n残り時間　山田 太郎 0:00:00(+2)"
                                            "\r\n残り時間　佐藤 花子 0:03:27(+0.5)"
                                            "\r\nTOTAL時間 1:02:03"
                                            "\r\n----------------------------------");
}

TEST_F(GameEnd, AWholeGameFromTheStartToTheSummary) {
    game.loadPlayers({"山田 太郎", "佐藤 花子"});
    GameSettings settings = defaultSettings();
    settings.players[0].name = "山田 太郎";
    settings.players[1].name = "鈴木";
    setSide(settings, Side::Right, 5, 3, 30);
    start(settings);
    for (int move = 0; move < 6; ++move) {
        seconds(7);
        game.endMove(game.sideToMove());
    }
    seconds(1); // the left side thinks one more second, then pauses and resigns
    game.pause();
    game.resign();
    EXPECT_EQ(game.result().message(), "6手にて後手 鈴木の勝ちです。");
    EXPECT_EQ(game.summary(), "対局日" + wallClock.todayShortText() +
                                  "\r\n山田 太郎(先手)VS鈴木(後手)"
                                  "\r\n6手にて後手 鈴木の勝ち(投了)"
                                  "\r\n残り時間　山田 太郎 0:14:38(+10)"
                                  "\r\n残り時間　鈴木 0:04:39(+3)"
                                  "\r\nTOTAL時間 0:00:43"
                                  "\r\n----------------------------------");
}

TEST_F(GameEnd, IsReportedOnceTheResultHasBeenSaidAndTheStateIsFinal) {
    start();
    for (int move = 0; move < 97; ++move)
        game.endMove(game.sideToMove());
    game.pause();
    Clips said;
    PlayState state;
    bool running = true;
    Outcome outcome = Outcome::None;
    QObject::connect(&game, &GameClock::gameEnded, [&] {
        said = audio.clips();
        state = game.playState();
        running = game.running();
        outcome = game.outcome();
    });
    game.endGame(Outcome::Draw);
    EXPECT_EQ(said, (Clips{waited("09y1.wav"), waited("10y1.wav"), waited("07y1.wav"),
                           waited("Tenite.wav"), waited("Hikiwake.wav")}));
    EXPECT_EQ(state, kEndedWhilePaused);
    EXPECT_FALSE(running);
    EXPECT_EQ(outcome, Outcome::Draw);
}

TEST_F(GameEnd, AGameEndedWhileRunningStopsAndLeavesTheRepetitionDrawAndHint) {
    start();
    SignalLog log(game);
    game.endGame(Outcome::GoteWins);
    EXPECT_EQ(log.names,
              (QStringList{"runningChanged", "playStateChanged", "playStateChanged", "gameEnded"}));
    EXPECT_EQ(game.playState(), kEndedWhileRunning);
}

// While the result is said nothing can be paused, given up or started; the game ends once
// it has been said, unless another game has begun meanwhile.
TEST_F(GameEnd, EndsOnceItsResultHasBeenSaid) {
    audio.heldCalls.emplace();
    int ended = 0;
    QObject::connect(&game, &GameClock::gameEnded, [&] { ++ended; });
    start();
    game.resign();
    EXPECT_TRUE(game.sayingResult());
    EXPECT_EQ(game.playState(), (PlayState{false, false, false, true, false, Prompt::Settings}));
    game.pause();
    game.resign();
    game.endGame(Outcome::Draw);
    EXPECT_EQ(game.outcome(), Outcome::GoteWins);
    ASSERT_EQ(audio.heldCalls->size(), 1u);
    audio.heldCalls->front()();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(game.playState(), kEndedWhileRunning);

    start();
    audio.heldCalls->front()(); // late, as from a game before

    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(game.running());
}

TEST_F(GameEnd, NeedsAResult) {
    start();
    SignalLog log(game);
    game.endGame(Outcome::None);
    EXPECT_TRUE(log.names.isEmpty());
    EXPECT_TRUE(game.running());
}
