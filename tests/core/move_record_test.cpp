#include "core/move_record.h"
#include "core/text_file.h"
#include "model_test.h"
#include "support/other_writer.h"
#include "support/working_folder.h"

#include <QDir>
#include <QRegularExpression>
#include <functional>
#include <optional>
#include <random>

namespace {

const QString kFile = QString::fromUtf8(kMoveRecordFile);
const QByteArray kBom("\xEF\xBB\xBF");
const QByteArray kHeader =
    "対局開始,手数,手番,対局者,消費時間,持ち時間残り,秒読み,考慮時間残り,記事\r\n";

QByteArray rows(std::initializer_list<const char*> lines) {
    QByteArray bytes;
    for (const char* line : lines)
        bytes += QByteArray(line) + "\r\n";
    return bytes;
}

// The 消費時間 of every move row, of each correction of the side to move and of each game's
// closing row, which holds the unfinished move, by the game's start; names in these files
// hold no comma.
std::map<QString, long long> secondsByGame(const QByteArray& bytes) {
    std::map<QString, long long> sums;
    for (const QString& line : textLines(bytes).mid(1)) {
        const QStringList fields = line.split(u',');
        if (fields[8] == QStringLiteral("指し手") || fields[8].startsWith(QStringLiteral("終局")) ||
            (fields[8].startsWith(QStringLiteral("修正")) &&
             fields[8].contains(QStringLiteral("手番"))))
            sums[fields[0]] += fields[4].toLongLong();
    }
    return sums;
}

class MoveRecordTest : public ModelTest {
protected:
    void move() { game.endMove(game.sideToMove()); }
    // The file once the rows so far are written.
    QByteArray written() {
        record->waitUntilWritten();
        return folder.read(kFile);
    }

    WorkingFolder folder;
    std::optional<MoveRecord> record{std::in_place, game, wallClock};
};

} // namespace

TEST_F(MoveRecordTest, AScriptedGameIsRecordedRowByRowAsItHappens) {
    GameSettings settings = defaultSettings();
    setSide(settings, Side::Left, 1, 0, 10);
    setSide(settings, Side::Right, 2, 1, 10);
    start(settings);
    EXPECT_EQ(written(),
              kBom + kHeader + rows({"2026-12-08T10:00:00,1,先手,左,0,0:01:00,,0,開始"}));
    seconds(5);
    move();
    seconds(3);
    game.pause();
    seconds(100); // nothing counts while paused
    game.resume();
    seconds(4);
    move();
    seconds(60); // 55 seconds of main time, then 5 of the byoyomi period
    move();
    seconds(2);
    move();
    seconds(10);
    ASSERT_TRUE(game.awaitingTimeOutAnswer());
    game.giveTenSecondsBack();
    seconds(10);
    game.confirmTimeOut();

    EXPECT_EQ(written(),
              kBom + kHeader +
                  rows({
                      "2026-12-08T10:00:00,1,先手,左,0,0:01:00,,0,開始",
                      "2026-12-08T10:00:00,1,先手,左,5,0:00:55,,0,指し手",
                      "2026-12-08T10:00:00,2,後手,右,3,0:01:57,,1,中断",
                      "2026-12-08T10:00:00,2,後手,右,3,0:01:57,,1,再開",
                      "2026-12-08T10:00:00,2,後手,右,7,0:01:53,,1,指し手",
                      "2026-12-08T10:00:00,3,先手,左,60,0:00:00,5,0,指し手",
                      "2026-12-08T10:00:00,4,後手,右,2,0:01:51,,1,指し手",
                      "2026-12-08T10:00:00,5,先手,左,10,0:00:00,10,0,時間切れ",
                      "2026-12-08T10:00:00,5,先手,左,10,0:00:00,0,0,再開",
                      "2026-12-08T10:00:00,5,先手,左,20,0:00:00,10,0,時間切れ",
                      "2026-12-08T10:00:00,5,先手,左,20,0:00:00,10,0,終局：後手 右の勝ち(時間切れ)",
                  }));
    EXPECT_EQ(game.totalTime().seconds(), 94);
    EXPECT_EQ(secondsByGame(written()),
              (std::map<QString, long long>{{"2026-12-08T10:00:00", 94}}));
}

// A later run of the clock appends to the file as it is: no second mark or header.
TEST_F(MoveRecordTest, AnExistingFileGetsRowsOnlyAndResignationIsRecordedBeforeTheEnd) {
    const QByteArray earlier =
        kBom + kHeader + rows({"2026-12-07T09:00:00,1,先手,甲,0,0:15:00,,10,開始"});
    folder.write(kFile, earlier);
    wallClock.now = QDateTime(QDate(2027, 1, 2), QTime(23, 5, 9));
    start();
    seconds(2);
    move();
    seconds(1);
    game.resign();
    EXPECT_EQ(written(),
              earlier + rows({
                            "2027-01-02T23:05:09,1,先手,左,0,0:15:00,,10,開始",
                            "2027-01-02T23:05:09,1,先手,左,2,0:14:58,,10,指し手",
                            "2027-01-02T23:05:09,2,後手,右,1,0:14:59,,10,投了",
                            "2027-01-02T23:05:09,2,後手,右,1,0:14:59,,10,終局：先手 左の勝ち(投了)",
                        }));
}

// Every way a game can end closes its record with a row carrying the unfinished move; a stop
// for a question that lasts is a pause, and its resume follows it.
TEST_F(MoveRecordTest, EveryWayOfLeavingAGameClosesItsRecord) {
    const struct {
        const char* way;
        std::function<void(GameClock&)> leave;
        std::vector<const char*> rows;
    } cases[] = {
        {"a replay after a repetition draw",
         [](GameClock& g) {
             g.stopForQuestion();
             g.prepareReplay(Abandonment::RepetitionDraw);
             g.startGame(defaultSettings());
         },
         {"中断", "終局：千日手", "開始", "終局：中止"}},
        {"a replay from the pause window",
         [](GameClock& g) {
             g.pause();
             g.prepareReplay(Abandonment::Replay);
             g.startGame(defaultSettings());
         },
         {"中断", "終局：指し直し", "開始", "終局：中止"}},
        {"a replay left, then the game resumed and quit",
         [](GameClock& g) {
             g.stopForQuestion();
             g.prepareReplay(Abandonment::RepetitionDraw);
             g.resume();
             g.abandon();
         },
         {"中断", "再開", "終局：中止"}},
        {"quit while running", [](GameClock& g) { g.abandon(); }, {"終局：中止"}},
        {"a question answered no, then quit",
         [](GameClock& g) {
             g.stopForQuestion();
             g.resumeAfterQuestion();
             g.abandon();
         },
         {"終局：中止"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        folder.write(kFile, {});
        start();
        seconds(3);
        move();
        seconds(4);
        c.leave(game);
        game.abandon();
        QStringList events, usedSeconds;
        for (const QString& line : textLines(written()).mid(3)) {
            events << line.section(u',', 8);
            usedSeconds << line.section(u',', 4, 4);
        }
        EXPECT_EQ(events, QStringList(c.rows.begin(), c.rows.end()));
        EXPECT_EQ(usedSeconds[events.indexOf(QRegularExpression("終局：.*"))], "4");
        EXPECT_FALSE(game.running());
    }
}

// The result is in the record as it is decided, before the voice says it.
TEST_F(MoveRecordTest, ADecidedGameIsRecordedBeforeItsResultIsSaid) {
    start();
    QByteArray whenSaid;
    audio.beforePlay = [&] {
        if (whenSaid.isEmpty())
            whenSaid = written();
    };
    game.resign();
    EXPECT_TRUE(whenSaid.endsWith(QByteArray("終局：後手 右の勝ち(投了)\r\n")))
        << whenSaid.toStdString();
}

// Seconds used before the side to move is corrected stay with the side that used them.
TEST_F(MoveRecordTest, ACorrectedSideToMoveKeepsEachSidesSeconds) {
    start();
    seconds(2);
    move();
    seconds(5);
    game.pause();
    Correction correction = game.currentCorrection();
    correction.sideToMove = Side::Left;
    correction.moveNumber = QStringLiteral("1");
    ASSERT_EQ(game.correct(correction), std::nullopt);
    game.resume();
    seconds(4);
    move();
    game.resign();
    EXPECT_EQ(
        written(),
        kBom + kHeader +
            rows({"2026-12-08T10:00:00,1,先手,左,0,0:15:00,,10,開始",
                  "2026-12-08T10:00:00,1,先手,左,2,0:14:58,,10,指し手",
                  "2026-12-08T10:00:00,2,後手,右,5,0:14:55,,10,中断",
                  "2026-12-08T10:00:00,2,後手,右,5,0:14:55,,10,修正：手数 2 → 1、手番 後手 → 先手",
                  "2026-12-08T10:00:00,1,先手,左,0,0:14:58,,10,再開",
                  "2026-12-08T10:00:00,1,先手,左,4,0:14:54,,10,指し手",
                  "2026-12-08T10:00:00,2,後手,右,0,0:14:55,,10,投了",
                  "2026-12-08T10:00:00,2,後手,右,0,0:14:55,,10,終局：先手 左の勝ち(投了)"}));
    EXPECT_EQ(secondsByGame(written()),
              (std::map<QString, long long>{{"2026-12-08T10:00:00", 11}}));
}

// Under Fischer a move's row shows the main time with its increment, and no byoyomi or
// consideration minutes; the seconds still add up.
TEST_F(MoveRecordTest, AFischerGameRecordsTheIncrementAndNoByoyomi) {
    GameSettings settings = defaultSettings();
    settings.control = TimeControl::Fischer;
    settings.increment = 10;
    start(settings);
    seconds(3);
    move();
    seconds(61);
    game.resign();
    EXPECT_EQ(written(), kBom + kHeader +
                             rows({"2026-12-08T10:00:00,1,先手,左,0,0:15:00,,,開始",
                                   "2026-12-08T10:00:00,1,先手,左,3,0:15:07,,,指し手",
                                   "2026-12-08T10:00:00,2,後手,右,61,0:13:59,,,投了",
                                   "2026-12-08T10:00:00,2,後手,右,61,0:13:59,,,"
                                   "終局：先手 左の勝ち(投了)"}));
    EXPECT_EQ(secondsByGame(written()),
              (std::map<QString, long long>{{"2026-12-08T10:00:00", 64}}));
}

TEST_F(MoveRecordTest, NamesWithCommasAndQuotesAreQuoted) {
    GameSettings settings = defaultSettings();
    settings.players[0].name = QStringLiteral("羽田, \"歩\"");
    settings.players[1].name = QStringLiteral("O\"Neil");
    start(settings);
    move();
    game.endGame(Outcome::Draw);
    EXPECT_EQ(written(),
              kBom + kHeader +
                  rows({
                      R"(2026-12-08T10:00:00,1,先手,"羽田, ""歩""",0,0:15:00,,10,開始)",
                      R"(2026-12-08T10:00:00,1,先手,"羽田, ""歩""",0,0:15:00,,10,指し手)",
                      R"(2026-12-08T10:00:00,2,後手,"O""Neil",0,0:15:00,,10,終局：引き分け)",
                  }));
    EXPECT_EQ(MoveRecord::csvField("a\r\nb"), "\"a\r\nb\"");
    EXPECT_EQ(MoveRecord::csvField("plain 名前"), "plain 名前");
}

// A correction tells each value it changed, in the order the values are shown.
TEST_F(MoveRecordTest, ACorrectionNamesEachChangedValueBeforeAndAfter) {
    start();
    seconds(5);
    move();
    game.pause();
    Correction correction = game.currentCorrection();
    correction.sides[0].minutes = QStringLiteral("20");
    correction.sides[0].seconds = QStringLiteral("0");
    correction.sides[1].considerationMinutes = QStringLiteral("3");
    correction.moveNumber = QStringLiteral("7");
    correction.sideToMove = Side::Left;
    const QByteArray untilThen = written();
    ASSERT_EQ(game.correct(correction), std::nullopt);
    EXPECT_EQ(written(),
              untilThen + rows({"2026-12-08T10:00:00,2,後手,右,0,0:15:00,,3,"
                                "修正：先手 持ち時間 0:14:55 → 0:20:00、後手 考慮時間 10 → 3、"
                                "手数 2 → 7、手番 後手 → 先手"}));
}

// A folder in the file's place: every row fails, each on one line of stderr, while the game
// plays on; the report comes once. Rows written after the cause is gone start a new file.
TEST_F(MoveRecordTest, AFailedRowIsToldAtOnceAndReportedOnceWhileTheGameGoesOn) {
    ASSERT_TRUE(QDir().mkdir(kFile));
    const std::optional<QString> reason = appendToFile(kFile, "probe");
    ASSERT_TRUE(reason);
    testing::internal::CaptureStderr();
    start();
    seconds(3);
    move();
    record->waitUntilWritten();
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(told, QStringLiteral("対局記録.csv に記録できませんでした（1手目 開始）：%1\n"
                                   "対局記録.csv に記録できませんでした（1手目 指し手）：%1\n")
                        .arg(*reason)
                        .toStdString());
    EXPECT_TRUE(game.running());
    EXPECT_EQ(game.movesPlayed(), 1);
    EXPECT_EQ(game.totalTime().seconds(), 3);

    ASSERT_TRUE(QDir().rmdir(kFile));
    seconds(2);
    game.resign();
    EXPECT_EQ(written(),
              kBom + kHeader +
                  rows({"2026-12-08T10:00:00,2,後手,右,2,0:14:58,,10,投了",
                        "2026-12-08T10:00:00,2,後手,右,2,0:14:58,,10,終局：先手 左の勝ち(投了)"}));
    EXPECT_EQ(record->takeIncompleteReport(),
              QStringLiteral("対局の記録「対局記録.csv」は不完全です。2 行を書き込めませんでした。"
                             "\n理由：%1")
                  .arg(*reason));
    EXPECT_EQ(record->takeIncompleteReport(), std::nullopt);
}

// Another program holding the file's lock for a while: the game plays on meanwhile, and the
// rows follow in order once the lock is free.
TEST_F(MoveRecordTest, AWriterHoldingTheLockDoesNotHoldUpTheGame) {
    start();
    const QByteArray begun = written();
    OtherWriter other(kFile);
    ASSERT_TRUE(other.holdsLock());
    seconds(3);
    move();
    seconds(2);
    move();
    EXPECT_EQ(game.movesPlayed(), 2);
    EXPECT_EQ(folder.read(kFile), begun); // the rows wait for the lock
    other.finish();
    EXPECT_EQ(written(), begun + rows({"2026-12-08T10:00:00,1,先手,左,3,0:14:57,,10,指し手",
                                       "2026-12-08T10:00:00,2,後手,右,2,0:14:58,,10,指し手"}));
    EXPECT_EQ(record->takeIncompleteReport(), std::nullopt);
}

// Games with moves of every kind, pauses and time given back: the moves and the unfinished
// last one add up to each game's total time.
TEST_F(MoveRecordTest, EachGamesMovesAddUpToItsTotalTime) {
    std::mt19937 random(18);
    std::map<QString, long long> totals;
    for (int g = 0; g < 3; ++g) {
        wallClock.now = wallClock.now.addSecs(3600);
        const QString startKey = wallClock.now.date().toString(Qt::ISODate) + u'T' +
                                 wallClock.now.time().toString(QStringLiteral("HH:mm:ss"));
        GameSettings settings = defaultSettings();
        setSide(settings, Side::Left, 1, 1, 10);
        start(settings);
        for (int m = 0; m < 40 && !game.awaitingTimeOutAnswer(); ++m) {
            seconds(std::uniform_int_distribution<int>(0, 40)(random));
            if (m % 7 == 3) {
                game.pause();
                seconds(5);
                game.resume();
            }
            if (game.awaitingTimeOutAnswer() && m < 30)
                game.giveTenSecondsBack();
            if (!game.awaitingTimeOutAnswer())
                move();
        }
        if (game.awaitingTimeOutAnswer())
            game.confirmTimeOut();
        else
            game.resign();
        totals[startKey] = game.totalTime().seconds();
    }
    EXPECT_EQ(secondsByGame(written()), totals);
}
