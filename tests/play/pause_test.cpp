#include "clock/main_window.h"
#include "platform/label.h"
#include "platform/ui_timer.h"
#include "play/pause_window.h"
#include "settings/sub_window.h"
#include "support/fakes.h"
#include "support/game.h"
#include "support/modal.h"
#include "support/working_folder.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct PlayState {
    bool running;
    bool kaisiEnabled;
    const char* kaisi;
    bool touryou;
    bool senniti;
    bool henkou;
    const char* hint;
};

class Pause : public testing::Test {
protected:
    Pause() {
        folder.write("対局者.txt", cp932("左の人\r\n右の人\r\n"));
        EXPECT_TRUE(m.Form_Load());
        m.show();
    }

    void expectState(const PlayState& s, int line) {
        SCOPED_TRACE(line);
        EXPECT_EQ(m.Timer1->enabled(), s.running);
        EXPECT_EQ(m.mnuKaisi->isEnabled(), s.kaisiEnabled);
        EXPECT_EQ(m.mnuKaisi->text(), QString::fromUtf8(s.kaisi));
        EXPECT_EQ(m.mnuTouryou->isEnabled(), s.touryou);
        EXPECT_EQ(m.mnuSenniti->isEnabled(), s.senniti);
        EXPECT_EQ(m.mnuHenkou->isEnabled(), s.henkou);
        EXPECT_EQ(m.Label4->text(), QString::fromUtf8(s.hint));
    }

    // Pauses with the P key and runs inside on the pause window.
    void pauseWith(const std::function<void(frmTyuudan&)>& inside) {
        onModal<frmTyuudan>(inside);
        pressKey(m, Qt::Key_P);
    }

    WorkingFolder folder;
    FakePlatform fakes;
    frmMain m{fakes.platform};
};

const PlayState kIdleBefore{false, false, "対局中断(P)", false, false, true, "S：対局設定"};
const PlayState kRunning{true, true, "対局中断(P)", true, true, false, "P：対局中断"};
const PlayState kPaused{false, true, "対局再開(P)", false, false, false, "P：対局再開"};
const PlayState kResumedFromWindow{true, true, "対局中断(P)", false, false, false, "P：対局中断"};

} // namespace

TEST_F(Pause, ThePlayStatesThroughMenuAndKeys) {
    expectState(kIdleBefore, __LINE__);
    pressKey(m, Qt::Key_P); // nothing to pause
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    startGame(m);
    expectState(kRunning, __LINE__);

    pauseWith([this](frmTyuudan& pause) {
        expectState(kPaused, __LINE__);
        pause.close(); // the close box: still paused
    });
    expectState(kPaused, __LINE__);
    EXPECT_FALSE(m.pauseWindow.isLoaded());
    m.mnuKaisi->trigger(); // resume from the menu
    expectState(kRunning, __LINE__);

    pauseWith([](frmTyuudan& pause) { QTest::mouseClick(pause.cmdSaikai, Qt::LeftButton); });
    expectState(kResumedFromWindow, __LINE__);
    EXPECT_TRUE(m.pauseWindow.isLoaded()); // hidden and kept
}

TEST_F(Pause, EveryResumeKeyOfThePauseWindow) {
    startGame(m);
    const std::function<void(frmTyuudan&)> resumers[] = {
        [](frmTyuudan& p) { pressKey(p, Qt::Key_F2); },
        [](frmTyuudan& p) { pressKey(p, Qt::Key_P); },
        [](frmTyuudan& p) { pressKey(p, Qt::Key_P, false, Qt::ShiftModifier); },
        [](frmTyuudan& p) { pressKey(p, Qt::Key_Space); }, // the focused 対局再開
        [](frmTyuudan& p) { pressKey(p, Qt::Key_Return); },
    };
    for (const auto& resume : resumers) {
        pauseWith([&resume](frmTyuudan& pause) {
            pressKey(pause, Qt::Key_Escape); // no cancel button: stays open
            EXPECT_TRUE(pause.isVisible());
            resume(pause);
        });
        EXPECT_TRUE(m.Timer1->enabled());
        EXPECT_EQ(m.Label4->text(), "P：対局中断");
    }
}

TEST_F(Pause, TheSnapshotNamesTheSideToMoveAndTheColours) {
    const struct {
        bool side1Sente;
        bool side1ToMove;
        const char *teban1, *teban2, *sna, *gna, *touryou;
    } rows[] = {
        {true, true, "先手", "後手", "(左の人)", "(右の人)", "現在手番の左の人が投了します"},
        {true, false, "先手", "後手", "(左の人)", "(右の人)", "現在手番の右の人が投了します"},
        {false, true, "後手", "先手", "(右の人)", "(左の人)", "現在手番の左の人が投了します"},
        {false, false, "後手", "先手", "(右の人)", "(左の人)", "現在手番の右の人が投了します"},
    };
    for (const auto& row : rows) {
        m.settings.form().optTb1->setChecked(row.side1Sente);
        m.settings.form().optTb2->setChecked(!row.side1Sente);
        startGame(m);
        if (row.side1ToMove != m.tb)
            pressKey(m, m.tb ? Qt::Key_Space : Qt::Key_Return);
        pauseWith([&row, this](frmTyuudan& p) {
            EXPECT_EQ(p.Lblteban1->text(), row.teban1);
            EXPECT_EQ(p.Lblteban2->text(), row.teban2);
            EXPECT_EQ(p.lblSna->text(), row.sna);
            EXPECT_EQ(p.lblGna->text(), row.gna);
            EXPECT_EQ(p.lblTouryou->text(), row.touryou);
            EXPECT_EQ(p.Lblna1->text(), "左の人");
            EXPECT_EQ(p.Lblteme->text(), m.Lblteme->text());
            EXPECT_EQ(p.Lblteban3->text(), m.Lblteban3->text());
            // A snapshot: what changes on the main window meanwhile does not show here.
            m.Lblt1->setText("9:99:99");
            EXPECT_EQ(p.Lblt1->text(), "0:15:00");
            p.cmdSaikai_Click();
        });
        m.Timer1->setEnabled(false);
        m.mnuKaisi->setEnabled(false);
    }
}
