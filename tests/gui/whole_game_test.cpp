// A whole game through the windows as the players meet them: the settings dialog opened with
// S, a name from the list and typed fields, moves with Space and Enter, a pause, resignation
// from the pause window, the end message, the result window's ＯＫ, and the result file.

#include "core/move_record.h"
#include "gui/pause_dialog.h"
#include "gui/result_dialog.h"
#include "gui/settings_dialog.h"
#include "gui/widgets/label.h"
#include "support/face_folder.h"
#include "support/game.h"
#include "support/modal.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(WholeGame, FromTheSettingsToTheResultFile) {
    FaceFolder folder;
    folder.write("対局者.txt", cp932("山田 太郎\r\n佐藤 花子\r\n鈴木\r\n"));
    FakeServices fakes;
    OwnedGame model{fakes.wallClock, fakes.audio};
    MainWindow w(model.game, model.record, fakes.services);
    ASSERT_TRUE(w.startUp());
    w.show();

    onModal<SettingsDialog>([](SettingsDialog& settings) {
        settings.rightNameBox->setCurrentIndex(1); // 鈴木 from the list
        settings.leftMinutesEdit->selectAll();
        QTest::keyClicks(settings.leftMinutesEdit, "5");
        settings.rightConsiderationEdit->selectAll();
        QTest::keyClicks(settings.rightConsiderationEdit, "3");
        QTest::mouseClick(settings.startButton, Qt::LeftButton);
    });
    pressKey(w, Qt::Key_S);

    for (int move = 0; move < 6; ++move) {
        for (int s = 0; s < 7; ++s)
            driverOf(w, fakes.wallClock).seconds(1);
        pressKey(w, w.game().sideToMove() == Side::Left ? Qt::Key_Space : Qt::Key_Return);
    }
    driverOf(w, fakes.wallClock).seconds(1); // the left side thinks one more second, then pauses

    onModal<ResultDialog>(
        [](ResultDialog& result) { QTest::mouseClick(result.recordButton, Qt::LeftButton); });
    onModal<PauseDialog>([](PauseDialog& pause) {
        EXPECT_EQ(pause.resignerLabel->text(), "現在手番の山田 太郎が投了します");
        QTest::mouseClick(pause.resignButton, Qt::LeftButton);
    });
    pressKey(w, Qt::Key_P);

    ASSERT_EQ(fakes.messageBoxes.asked.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.asked[0].text, "6手にて後手 鈴木の勝ちです。");
    const QString expected = "対局日" + fakes.wallClock.todayShortText() +
                             "\r\n山田 太郎(先手)VS鈴木(後手)"
                             "\r\n6手にて後手 鈴木の勝ち(投了)"
                             "\r\n残り時間　山田 太郎 0:04:38(+10)"
                             "\r\n残り時間　鈴木 0:14:39(+3)"
                             "\r\nTOTAL時間 0:00:43"
                             "\r\n----------------------------------\r\n";
    EXPECT_EQ(folder.read("対局結果.txt"), cp932(expected));
    EXPECT_TRUE(w.settingsAction->isEnabled());
}

// The record of play can't be written: the game is played to its end as ever, and once the
// result window has gone, one box says the record is incomplete.
TEST(WholeGame, AnUnwritableRecordOfPlayIsReportedOnceAfterTheResultWindow) {
    FaceFolder folder;
    ASSERT_TRUE(QDir().mkdir(QString::fromUtf8(kMoveRecordFile)));
    FakeServices fakes;
    OwnedGame model{fakes.wallClock, fakes.audio};
    MainWindow w(model.game, model.record, fakes.services);
    ASSERT_TRUE(w.startUp());
    w.show();
    startGame(w);
    driverOf(w, fakes.wallClock).seconds(1);
    pressKey(w, Qt::Key_Space);
    EXPECT_EQ(w.game().movesPlayed(), 1);

    std::size_t askedBeforeResultClosed = 0;
    onModal<ResultDialog>([&](ResultDialog& result) {
        askedBeforeResultClosed = fakes.messageBoxes.asked.size();
        QTest::mouseClick(result.recordButton, Qt::LeftButton);
    });
    w.askToResign();

    EXPECT_EQ(askedBeforeResultClosed, 2u); // the question to resign and the end message
    ASSERT_EQ(fakes.messageBoxes.asked.size(), 3u);
    const MessageBoxRequest& report = fakes.messageBoxes.asked[2];
    EXPECT_TRUE(report.text.startsWith(
        "対局の記録「対局記録.csv」は不完全です。4 行を書き込めませんでした。\n理由："))
        << report.text.toStdString();
    EXPECT_EQ(report.title, "対局記録");
    EXPECT_EQ(report.icon, MessageBoxRequest::Icon::Warning);
    EXPECT_FALSE(folder.read("対局結果.txt").isEmpty()); // the result file is written as ever
}
