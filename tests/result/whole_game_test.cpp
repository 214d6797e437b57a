// A whole game through the windows as a player meets them: the settings dialog, the start
// button, moves with Space and Enter, a pause, resignation from the pause window, the result
// window and its ＯＫ, and the bytes of the result file.

#include "clock/main_window.h"
#include "platform/label.h"
#include "play/pause_window.h"
#include "result/result_window.h"
#include "settings/sub_window.h"
#include "support/fakes.h"
#include "support/game.h"
#include "support/modal.h"
#include "support/working_folder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(WholeGame, FromTheSettingsToTheResultFile) {
    WorkingFolder folder;
    folder.write("対局者.txt", cp932("山田 太郎\r\n佐藤 花子\r\n鈴木\r\n"));
    FakePlatform fakes;
    frmMain m(fakes.platform);
    ASSERT_TRUE(m.Form_Load());
    m.show();

    onModal<frmSub>([](frmSub& sub) {
        sub.cboT2->setCurrentIndex(1); // 鈴木 from the list
        sub.txtT12->selectAll();
        QTest::keyClicks(sub.txtT12, "5");
        sub.txtK2->selectAll();
        QTest::keyClicks(sub.txtK2, "3");
        QTest::mouseClick(sub.cmdOK, Qt::LeftButton);
    });
    pressKey(m, Qt::Key_S);

    for (int move = 0; move < 6; ++move) {
        for (int s = 0; s < 7; ++s)
            nextSecond(m, fakes.wallClock);
        pressKey(m, m.tb ? Qt::Key_Space : Qt::Key_Return);
    }
    nextSecond(m, fakes.wallClock); // side 1 thinks one more second, then pauses

    onModal<frmFin>([](frmFin& fin) { QTest::mouseClick(fin.Command1, Qt::LeftButton); });
    onModal<frmTyuudan>([](frmTyuudan& pause) {
        EXPECT_EQ(pause.lblTouryou->text(), "現在手番の山田 太郎が投了します");
        QTest::mouseClick(pause.cmdTouryou, Qt::LeftButton);
    });
    pressKey(m, Qt::Key_P);

    EXPECT_EQ(fakes.messageBoxes.asked.at(0).text, "6手にて後手 鈴木の勝ちです。");
    const QString expected = "対局日" + fakes.wallClock.todayShortText() +
                             "\r\n山田 太郎(先手)VS鈴木(後手)"
                             "\r\n6手にて後手 鈴木の勝ち(投了)"
                             "\r\n残り時間　山田 太郎 0:04:38(+10)"
                             "\r\n残り時間　鈴木 0:14:39(+3)"
                             "\r\nTOTAL時間 0:00:43"
                             "\r\n----------------------------------\r\n";
    EXPECT_EQ(folder.read("対局結果.txt"), cp932(expected));
    EXPECT_TRUE(m.mnuHenkou->isEnabled());
}
