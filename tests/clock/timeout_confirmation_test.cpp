#include "platform/label.h"
#include "platform/ui_timer.h"
#include "play/pause_window.h"
#include "result/result_window.h"
#include "settings/sub_window.h"
#include "support/game.h"
#include "support/modal.h"
#include "support/working_folder.h"

#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class TimeOut : public testing::Test {
protected:
    TimeOut() {
        folder.write("対局者.txt", cp932("左\r\n右\r\n"));
        EXPECT_TRUE(m.Form_Load());
    }

    // Starts a game in which the given side runs out after its byoyomi.
    void runOut(bool side1Sente, bool side1Loses, int byoyomi, int minutes) {
        m.settings.form().optTb1->setChecked(side1Sente);
        m.settings.form().optTb2->setChecked(!side1Sente);
        startGame(m);
        putGameOnClock(m, {.main1 = ClockTime(),
                           .main2 = ClockTime(),
                           .byoyomi1 = byoyomi,
                           .byoyomi2 = byoyomi,
                           .minutes1 = minutes,
                           .minutes2 = minutes,
                           .side1Sente = side1Sente});
        m.tb = side1Loses;
        while (m.Timer1->enabled())
            nextSecond(m, fakes.wallClock);
        fakes.messageBoxes.asked.clear();
    }

    // Tries every way of pausing or resuming and of ending the game from the keyboard; any
    // window one of them opens is closed again and counted.
    int tryToRevive() {
        int opened = 0;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++opened;
                modal->close();
            }
        });
        closer.start(5);
        QApplication::setActiveWindow(&m);
        pressKey(m, Qt::Key_P);
        m.mnuKaisi->trigger();
        for (Qt::Key key : {Qt::Key_F2, Qt::Key_F4, Qt::Key_F5})
            QTest::keyClick(&m, key);
        m.pauseWindow.get().cmdSaikai_Click();
        return opened;
    }

    WorkingFolder folder;
    FakePlatform fakes;
    frmMain m{fakes.platform};
};

} // namespace

TEST_F(TimeOut, ConfirmingRecordsTheOtherColoursWin) {
    const struct {
        bool side1Sente;
        bool side1Loses;
        const char* kekka;
    } rows[] = {{true, false, "SK"}, {false, true, "SK"}, {true, true, "GK"}, {false, false, "GK"}};
    for (const auto& row : rows) {
        runOut(row.side1Sente, row.side1Loses, 10, 0);
        ASSERT_TRUE(m.Timer2->enabled());
        onModal<frmFin>([](frmFin& w) { w.close(); });
        m.Timer2_Timer();
        const MessageBoxRequest& ask = fakes.messageBoxes.asked.at(0);
        EXPECT_EQ(ask.text, QString(row.side1Loses ? "左" : "右") + "本当に終了しますか？");
        EXPECT_EQ(ask.title, "終了");
        EXPECT_EQ(ask.buttons, MessageBoxRequest::Buttons::OkCancel);
        EXPECT_EQ(ask.icon, MessageBoxRequest::Icon::Warning);
        EXPECT_EQ(ask.defaultButton, MessageBoxRequest::Default::Cancel);
        EXPECT_EQ(m.Kekka, row.kekka);
        EXPECT_TRUE(m.Jg);
        EXPECT_TRUE(m.Tkekka.endsWith("(時間切れ)"));
        EXPECT_FALSE(m.Timer2->enabled());
        EXPECT_EQ(m.Timer2->interval(), 0);
    }
}

TEST_F(TimeOut, CancelGivesTenSecondsBack) {
    const struct {
        int byoyomi;
        int minutes;
        int countAfter;
    } rows[] = {{10, 0, 0}, {30, 0, 20}, {10, 1, 50}}; // the last ran out of its minute
    for (const auto& row : rows) {
        runOut(true, true, row.byoyomi, row.minutes);
        fakes.messageBoxes.answers = {kAnswerCancel, kAnswerOk};
        m.Timer2_Timer();
        ASSERT_EQ(fakes.messageBoxes.asked.size(), 2u);
        EXPECT_EQ(fakes.messageBoxes.asked[1].text, "10秒戻します");
        EXPECT_EQ(fakes.messageBoxes.asked[1].title, "戻します");
        EXPECT_EQ(fakes.messageBoxes.asked[1].buttons, MessageBoxRequest::Buttons::Ok);
        EXPECT_EQ(m.t11, row.countAfter);
        EXPECT_EQ(m.Lblt11->text(), QString::number(row.countAfter));
        EXPECT_FALSE(m.Jg);
        EXPECT_TRUE(m.Timer1->enabled());
        EXPECT_TRUE(m.mnuKaisi->isEnabled()); // the game can be paused again
        EXPECT_EQ(m.Kekka, "");
        nextSecond(m, fakes.wallClock); // and the count goes on from there
        EXPECT_EQ(m.t11, row.countAfter + 1);
        m.Timer1->setEnabled(false);
    }
}

TEST_F(TimeOut, TheTimerWithoutATimeOutOnlyDisarms) {
    startGame(m);
    m.Timer2->setInterval(3000);
    m.Timer2->setEnabled(true);
    m.Timer2_Timer();
    EXPECT_FALSE(m.Timer2->enabled());
    EXPECT_EQ(m.Timer2->interval(), 0);
    EXPECT_TRUE(fakes.messageBoxes.asked.empty());
}

TEST_F(TimeOut, NothingButTheQuestionActsOnTheGameAndAnEndedGameStaysEnded) {
    m.show();
    runOut(true, true, 10, 0);
    const ClockTime total = m.TT1;
    EXPECT_EQ(tryToRevive(), 0);
    EXPECT_FALSE(m.Timer1->enabled());
    EXPECT_TRUE(m.Timer2->enabled());
    EXPECT_TRUE(m.Jg);

    onModal<frmFin>([](frmFin& w) { w.close(); });
    m.Timer2_Timer();
    EXPECT_EQ(m.Kekka, "GK");
    EXPECT_EQ(tryToRevive(), 0);
    EXPECT_FALSE(m.Timer1->enabled());
    EXPECT_EQ(m.TT1, total);
    EXPECT_EQ(m.lblTT1->text(), total.toText());
}
