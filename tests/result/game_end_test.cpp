#include "clock/main_window.h"
#include "platform/label.h"
#include "platform/ui_timer.h"
#include "result/result_window.h"
#include "settings/sub_window.h"
#include "support/fakes.h"
#include "support/game.h"
#include "support/modal.h"
#include "support/working_folder.h"

#include <QAction>
#include <QRadioButton>
#include <gtest/gtest.h>

TEST(GameEnd, MessageResultSentenceAndResultWindow) {
    const struct {
        const char* what;
        const char* kekka;
        bool Tr;
        bool Jg;
        bool side1Sente;
        int moves;
        const char* message; // empty: no message box and no result window
        const char* tkekka;
    } rows[] = {
        {"sente wins", "SK", false, false, true, 97, "97手にて先手 左 の 人の勝ちです。",
         "先手 左 の 人の勝ち"},
        {"resigned", "GK", true, false, true, 40, "40手にて後手 右の勝ちです。",
         "後手 右の勝ち(投了)"},
        {"both flags", "SK", true, true, true, 3, "3手にて先手 左 の 人の勝ちです。",
         "先手 左 の 人の勝ち(時間切れ)"},
        {"draw after a time-out", "HW", false, true, true, 120, "120手にて 引き分けです。",
         "引き分け"},
        {"no move", "SK", false, false, true, 0, "0手にて先手 左 の 人の勝ちです。",
         "先手 左 の 人の勝ち"},
        {"side 1 gote wins", "GK", false, false, false, 51, "51手にて後手 左 の 人の勝ちです。",
         "後手 左 の 人の勝ち"},
        {"side 2 sente wins", "SK", false, false, false, 8, "8手にて先手 右の勝ちです。",
         "先手 右の勝ち"},
        {"no result", "", false, false, true, 5, "", "before"},
    };
    for (const auto& row : rows) {
        WorkingFolder folder;
        folder.write("対局者.txt", cp932("左 の 人\r\n右\r\n"));
        FakePlatform fakes;
        frmMain m(fakes.platform);
        ASSERT_TRUE(m.Form_Load());
        m.settings.form().optTb1->setChecked(row.side1Sente);
        m.settings.form().optTb2->setChecked(!row.side1Sente);
        startGame(m);
        m.c1 = row.moves;
        m.Kekka = row.kekka;
        m.Tr = row.Tr;
        m.Jg = row.Jg;
        m.Tkekka = "before";
        bool resultWindow = false;
        if (*row.message)
            onModal<frmFin>([&resultWindow](frmFin& w) {
                resultWindow = true;
                w.close();
            });
        fakes.mmctl.log.clear();
        m.owari();

        if (*row.message) {
            ASSERT_EQ(fakes.messageBoxes.asked.size(), 1u) << row.what;
            const MessageBoxRequest& box = fakes.messageBoxes.asked[0];
            EXPECT_EQ(box.text, QString::fromUtf8(row.message)) << row.what;
            EXPECT_EQ(box.title, "終了");
            EXPECT_EQ(box.buttons, MessageBoxRequest::Buttons::Ok);
            EXPECT_EQ(box.icon, MessageBoxRequest::Icon::None);
        } else {
            EXPECT_TRUE(fakes.messageBoxes.asked.empty()) << row.what;
        }
        EXPECT_EQ(resultWindow, *row.message != 0) << row.what;
        EXPECT_EQ(m.Tkekka, QString::fromUtf8(row.tkekka)) << row.what;
        // The announcement came first, waited for, ending with 手にて (and the result).
        const auto clips = fakes.mmctl.clips();
        ASSERT_FALSE(clips.empty());
        EXPECT_TRUE(clips.front().waited);
        EXPECT_FALSE(m.Timer1->enabled());
        EXPECT_FALSE(m.mnuKaisi->isEnabled());
        EXPECT_EQ(m.mnuKaisi->text(), "対局中断(P)");
        EXPECT_FALSE(m.mnuTouryou->isEnabled());
        EXPECT_TRUE(m.mnuSenniti->isEnabled()); // left as it was
        EXPECT_TRUE(m.mnuHenkou->isEnabled());
        EXPECT_EQ(m.Label4->text(), "P：対局中断");
    }
}
