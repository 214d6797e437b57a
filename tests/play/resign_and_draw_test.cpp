#include "clock/main_window.h"
#include "platform/label.h"
#include "platform/ui_timer.h"
#include "play/pause_window.h"
#include "result/result_window.h"
#include "settings/sub_window.h"
#include "support/fakes.h"
#include "support/game.h"
#include "support/modal.h"
#include "support/working_folder.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ResignAndDraw : public testing::Test {
protected:
    ResignAndDraw() {
        folder.write("対局者.txt", cp932("左\r\n右\r\n"));
        EXPECT_TRUE(m.Form_Load());
        m.show();
    }

    void setSide1Sente(bool side1Sente) {
        m.settings.form().optTb1->setChecked(side1Sente);
        m.settings.form().optTb2->setChecked(!side1Sente);
    }

    // Starts a game with the given colours and passes the turn until side 1 (or 2) moves.
    void startWith(bool side1Sente, bool side1ToMove) {
        setSide1Sente(side1Sente);
        startGame(m);
        if (m.tb != side1ToMove)
            pressKey(m, m.tb ? Qt::Key_Space : Qt::Key_Return);
    }

    // Expects the result window next and closes it with its close box.
    void closeResultWindow() {
        onModal<frmFin>([this](frmFin& w) {
            resultShown = true;
            w.close();
        });
    }

    // A shortcut key, which works in the active window.
    void pressShortcut(Qt::Key key) {
        QApplication::setActiveWindow(&m);
        QTest::keyClick(&m, key);
    }

    void inPauseWindow(const std::function<void(frmTyuudan&)>& action) {
        onModal<frmTyuudan>(action);
        m.mnuKaisi->trigger();
    }

    WorkingFolder folder;
    FakePlatform fakes;
    frmMain m{fakes.platform};
    bool resultShown = false;
};

struct ResignRow {
    bool side1Sente;
    bool side1ToMove;
    const char* kekka;
};

const ResignRow kResignations[] = {
    {true, true, "GK"},
    {false, true, "SK"},
    {true, false, "SK"},
    {false, false, "GK"},
};

} // namespace

TEST_F(ResignAndDraw, ResignationFromThePauseWindow) {
    for (const ResignRow& row : kResignations) {
        startWith(row.side1Sente, row.side1ToMove);
        closeResultWindow();
        inPauseWindow([](frmTyuudan& p) { QTest::mouseClick(p.cmdTouryou, Qt::LeftButton); });
        EXPECT_EQ(m.Kekka, row.kekka);
        EXPECT_TRUE(m.Tr);
        EXPECT_TRUE(resultShown);
        EXPECT_TRUE(m.Tkekka.endsWith("(投了)"));
        EXPECT_FALSE(m.Timer1->enabled());
        EXPECT_TRUE(m.mnuHenkou->isEnabled());
    }
}

TEST_F(ResignAndDraw, ResignationWithF4AsksFirst) {
    for (const ResignRow& row : kResignations) {
        startWith(row.side1Sente, row.side1ToMove);
        fakes.messageBoxes.asked.clear();
        fakes.messageBoxes.answers = {kAnswerCancel};
        pressShortcut(Qt::Key_F4);
        ASSERT_FALSE(fakes.messageBoxes.asked.empty());
        const MessageBoxRequest& ask = fakes.messageBoxes.asked[0];
        EXPECT_EQ(ask.text, QString(row.side1ToMove ? "左" : "右") + "さん本当に投了しますか？");
        EXPECT_EQ(ask.title, "投了");
        EXPECT_EQ(ask.buttons, MessageBoxRequest::Buttons::OkCancel);
        EXPECT_EQ(ask.icon, MessageBoxRequest::Icon::Warning);
        EXPECT_EQ(ask.defaultButton, MessageBoxRequest::Default::Ok);
        EXPECT_TRUE(m.Timer1->enabled()); // Cancel: the clock runs on
        EXPECT_EQ(m.Kekka, "");

        closeResultWindow();
        pressShortcut(Qt::Key_F4); // OK this time
        EXPECT_EQ(m.Kekka, row.kekka);
        EXPECT_TRUE(m.Tr);
        EXPECT_TRUE(resultShown);
        EXPECT_FALSE(m.Timer1->enabled());
    }
    pressShortcut(Qt::Key_F4); // no game: nothing to resign
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ResignAndDraw, TheThreeResultButtons) {
    const char* const codes[] = {"GK", "SK", "HW"};
    for (int i = 0; i < 3; ++i) {
        startWith(i != 1, true);
        closeResultWindow();
        inPauseWindow([i](frmTyuudan& p) { QTest::mouseClick(p.cmdSyuuryou[i], Qt::LeftButton); });
        EXPECT_EQ(m.Kekka, codes[i]);
        EXPECT_FALSE(m.Tr);
        EXPECT_FALSE(m.Tkekka.contains("(投了)"));
    }
}

TEST_F(ResignAndDraw, ReplayStartsAgainWithTheColoursReversed) {
    m.settings.form().txtT12->setText("20");
    startWith(true, true);
    pressKey(m, Qt::Key_Space);
    onModal<frmTyuudan>([](frmTyuudan& w) {
        frmTyuudan* pause = &w;
        onModal<frmSub>([](frmSub& w) {
            frmSub* sub = &w;
            EXPECT_TRUE(sub->rect().contains(sub->cmdHikiwake->geometry())); // full height
            EXPECT_TRUE(sub->optTb2->isChecked());
            QTest::mouseClick(sub->cmdOK, Qt::LeftButton);
        });
        QTest::mouseClick(pause->cmdSashinaoshi, Qt::LeftButton);
    });
    m.mnuKaisi->trigger();
    EXPECT_TRUE(m.Timer1->enabled());
    EXPECT_EQ(m.Lblteban1->text(), "後手");
    EXPECT_EQ(m.Lblteban2->text(), "先手");
    EXPECT_EQ(m.Lblna1->text(), "左");
    EXPECT_EQ(m.Lblt1->text(), "0:20:00");
    EXPECT_FALSE(m.tb); // side 2, now sente, moves first
    EXPECT_EQ(m.c1, 0);
    EXPECT_EQ(m.mnuKaisi->text(), "対局中断(P)");
    EXPECT_EQ(m.Label4->text(), "P：対局中断");
    EXPECT_TRUE(m.mnuTouryou->isEnabled());
}

TEST_F(ResignAndDraw, ReplaySettledAsADrawInstead) {
    startWith(true, true);
    closeResultWindow();
    onModal<frmTyuudan>([](frmTyuudan& w) {
        onModal<frmSub>([](frmSub& w) { QTest::mouseClick(w.cmdHikiwake, Qt::LeftButton); });
        QTest::mouseClick(w.cmdSashinaoshi, Qt::LeftButton);
    });
    m.mnuKaisi->trigger();
    EXPECT_EQ(m.Kekka, "HW");
    EXPECT_EQ(m.Tkekka, "引き分け");
    EXPECT_TRUE(resultShown);
    EXPECT_FALSE(m.settings.form().isVisible()); // hidden before the result window showed
}

TEST_F(ResignAndDraw, RepetitionDrawCancelledOrLeftUnstarted) {
    startWith(true, true);
    fakes.messageBoxes.answers = {kAnswerCancel};
    pressShortcut(Qt::Key_F5);
    EXPECT_EQ(fakes.messageBoxes.asked.back().text, "千日手？");
    EXPECT_EQ(fakes.messageBoxes.asked.back().title, "千日手");
    EXPECT_TRUE(m.Timer1->enabled());
    EXPECT_TRUE(m.settings.form().optTb1->isChecked());

    bool reversed = false;
    onModal<frmSub>([&reversed](frmSub& w) {
        frmSub* sub = &w;
        reversed = sub->optTb2->isChecked();
        sub->close();
    });
    pressShortcut(Qt::Key_F5); // OK
    EXPECT_TRUE(reversed);
    EXPECT_FALSE(m.Timer1->enabled()); // the old game stays stopped
    EXPECT_EQ(m.mnuKaisi->text(), "対局中断(P)");
    EXPECT_TRUE(m.mnuKaisi->isEnabled());
    EXPECT_EQ(m.Kekka, "");
    pressKey(m, Qt::Key_P); // and the pause command resumes it
    EXPECT_TRUE(m.Timer1->enabled());
    EXPECT_EQ(m.c1, 0);
}

// Leaving the dialog by its close box unloads it, so its colour options start afresh; the
// resumed game still knows its own colours.
TEST_F(ResignAndDraw, ResumedAfterAnUnstartedReplayTheGameKeepsItsColours) {
    startWith(false, false);
    onModal<frmSub>([](frmSub& w) { w.close(); });
    pressShortcut(Qt::Key_F5);
    pressKey(m, Qt::Key_P);
    ASSERT_TRUE(m.Timer1->enabled());

    bool side1SenteOffered = false;
    onModal<frmSub>([&side1SenteOffered](frmSub& w) {
        side1SenteOffered = w.optTb1->isChecked();
        w.close();
    });
    pressShortcut(Qt::Key_F5);
    EXPECT_TRUE(side1SenteOffered); // the reverse of this game, where side 2 is sente
    pressKey(m, Qt::Key_P);

    closeResultWindow();
    pressShortcut(Qt::Key_F4); // side 2, sente, resigns
    EXPECT_EQ(m.Kekka, "GK");
    EXPECT_EQ(m.Tkekka, "後手 左の勝ち(投了)");
}
