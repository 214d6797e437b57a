// The pause command and the pause window as the players meet them, the replay and the two
// shortcut questions: what the menu and the hint show, which keys reach which control, and
// which window follows which.

#include "gui/clock_face.h"
#include "gui/pause_dialog.h"
#include "gui/result_dialog.h"
#include "gui/settings_dialog.h"
#include "gui/widgets/label.h"
#include "gui/widgets/ui_timer.h"
#include "support/face_folder.h"
#include "support/game.h"
#include "support/modal.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The play state as the tick timer, the menu and the hint show it.
struct Shown {
    bool running;
    bool pauseOpen;
    const char* pauseCaption;
    bool resignOpen;
    bool repetitionDrawOpen;
    bool settingsOpen;
    const char* hint;
};

const Shown kIdleBefore{false, false, "対局中断(P)", false, false, true, "S：対局設定"};
const Shown kRunning{true, true, "対局中断(P)", true, true, false, "P：対局中断"};
const Shown kPaused{false, true, "対局再開(P)", false, false, false, "P：対局再開"};
const Shown kEndedWhilePaused{false, false, "対局中断(P)", false, false, true, "S：対局設定"};
const Shown kEndedWhileRunning{false, false, "対局中断(P)", false, true, true, "S：対局設定"};

// The third line of a summary, which tells the result.
QString resultLine(const QString& summary) {
    return QString(summary).remove(u'\r').split(u'\n').value(2);
}

class Pause : public testing::Test {
protected:
    Pause() {
        folder.write("対局者.txt", cp932("左の人\r\n右の人\r\n"));
        EXPECT_TRUE(w.startUp());
        w.show();
    }

    void expectShown(const Shown& s, int line) {
        SCOPED_TRACE(line);
        EXPECT_EQ(w.tickTimer->isActive(), s.running);
        EXPECT_EQ(w.pauseAction->isEnabled(), s.pauseOpen);
        EXPECT_EQ(w.pauseAction->text(), QString::fromUtf8(s.pauseCaption));
        EXPECT_EQ(w.resignAction->isEnabled(), s.resignOpen);
        EXPECT_EQ(w.repetitionDrawAction->isEnabled(), s.repetitionDrawOpen);
        EXPECT_EQ(w.settingsAction->isEnabled(), s.settingsOpen);
        EXPECT_EQ(w.clockFace->hintLabel->text(), QString::fromUtf8(s.hint));
    }

    // Starts a game with the given colours, passing the turn once if `toMove` is not sente.
    void startWith(Side senteSide, Side toMove, GameSetup setup = {}) {
        setup.senteSide = senteSide;
        startGame(w, setup);
        if (w.game().sideToMove() != toMove)
            pressKey(w, toMove == Side::Left ? Qt::Key_Return : Qt::Key_Space);
    }

    // Pauses with the P key and acts in the pause window.
    void pauseWith(std::function<void(PauseDialog&)> inside) {
        onModal<PauseDialog>(std::move(inside));
        pressKey(w, Qt::Key_P);
    }

    // A shortcut key, which works in the active window.
    void pressShortcut(Qt::Key key) {
        QApplication::setActiveWindow(&w);
        QTest::keyClick(&w, key);
    }

    // Expects the result window next, notes what it offers and dismisses it.
    void closeResultWindow() {
        offered.clear();
        onModal<ResultDialog>([this](ResultDialog& result) {
            offered = result.summaryEdit->toPlainText();
            messagesBeforeResult = fakes.messageBoxes.asked.size();
            pauseWindowShownWithResult =
                w.pauseDialog.isLoaded() && w.pauseDialog.get().isVisible();
            result.reject();
        });
    }

    void expectEndMessage(const QString& text) {
        ASSERT_EQ(fakes.messageBoxes.asked.size(), 1u);
        const MessageBoxRequest& box = fakes.messageBoxes.asked[0];
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.title, "終了");
        EXPECT_EQ(box.buttons, MessageBoxRequest::Buttons::Ok);
        EXPECT_EQ(box.icon, MessageBoxRequest::Icon::None);
    }

    FaceFolder folder;
    FakeServices fakes;
    OwnedGame model{fakes.wallClock, fakes.audio};
    MainWindow w{model.game, model.record, fakes.services};
    QString offered; // the summary the last result window offered
    std::size_t messagesBeforeResult = 0;
    bool pauseWindowShownWithResult = false;
};

} // namespace

TEST_F(Pause, TheMenuAndTheHintFollowThePlayState) {
    expectShown(kIdleBefore, __LINE__);
    pressKey(w, Qt::Key_P); // nothing to pause
    EXPECT_FALSE(w.pauseDialog.isLoaded());
    startGame(w);
    expectShown(kRunning, __LINE__);

    pauseWith([this](PauseDialog& pause) {
        expectShown(kPaused, __LINE__);
        pause.close(); // the close box: still paused
    });
    expectShown(kPaused, __LINE__);
    EXPECT_FALSE(w.pauseDialog.isLoaded());
    w.pauseAction->trigger(); // resume from the menu
    expectShown(kRunning, __LINE__);

    pauseWith([](PauseDialog& pause) { QTest::mouseClick(pause.resumeButton, Qt::LeftButton); });
    expectShown(kRunning, __LINE__);
    EXPECT_TRUE(w.pauseDialog.isLoaded()); // hidden and kept

    closeResultWindow();
    pauseWith([](PauseDialog& pause) { QTest::mouseClick(pause.drawButton, Qt::LeftButton); });
    expectShown(kEndedWhilePaused, __LINE__);
}

TEST_F(Pause, EveryResumeKeyOfThePauseWindowResumes) {
    startGame(w);
    const std::function<void(PauseDialog&)> resumers[] = {
        [](PauseDialog& p) { pressKey(p, Qt::Key_F2); },
        [](PauseDialog& p) { pressKey(p, Qt::Key_P); },
        [](PauseDialog& p) { pressKey(p, Qt::Key_P, false, Qt::ShiftModifier); },
        [](PauseDialog& p) { pressKey(p, Qt::Key_Space); }, // the focused 対局再開
        [](PauseDialog& p) { pressKey(p, Qt::Key_Return); },
    };
    for (const auto& resume : resumers) {
        pauseWith([&resume](PauseDialog& pause) {
            pressKey(pause, Qt::Key_Escape); // no cancel button: stays open
            EXPECT_TRUE(pause.isVisible());
            resume(pause);
        });
        expectShown(kRunning, __LINE__);
    }
}

TEST_F(Pause, TheSnapshotShowsTheGameWithItsColoursAndTheSideToMove) {
    const struct {
        Side senteSide;
        Side toMove;
        const char *leftRole, *rightRole, *senteName, *goteName, *resigner;
    } rows[] = {
        {Side::Left, Side::Right, "先手", "後手", "(左の人)", "(右の人)",
         "現在手番の右の人が投了します"},
        {Side::Right, Side::Left, "後手", "先手", "(右の人)", "(左の人)",
         "現在手番の左の人が投了します"},
    };
    GameSetup setup;
    setup.rightMinutes = 20;
    setup.rightConsideration = "3";
    for (const auto& row : rows) {
        startWith(row.senteSide, row.toMove, setup);
        driverOf(w, fakes.wallClock).seconds(1);
        const bool leftMoves = row.toMove == Side::Left;
        pauseWith([&](PauseDialog& p) {
            EXPECT_EQ(p.leftRoleLabel->text(), QString::fromUtf8(row.leftRole));
            EXPECT_EQ(p.rightRoleLabel->text(), QString::fromUtf8(row.rightRole));
            EXPECT_EQ(p.senteNameLabel->text(), QString::fromUtf8(row.senteName));
            EXPECT_EQ(p.goteNameLabel->text(), QString::fromUtf8(row.goteName));
            EXPECT_EQ(p.resignerLabel->text(), QString::fromUtf8(row.resigner));
            EXPECT_EQ(p.leftNameLabel->text(), "左の人");
            EXPECT_EQ(p.rightNameLabel->text(), "右の人");
            EXPECT_EQ(p.leftMainTimeLabel->text(), leftMoves ? "0:14:59" : "0:15:00");
            EXPECT_EQ(p.rightMainTimeLabel->text(), leftMoves ? "0:20:00" : "0:19:59");
            EXPECT_EQ(p.leftConsiderationLabel->text(), "10");
            EXPECT_EQ(p.rightConsiderationLabel->text(), "3");
            EXPECT_EQ(p.totalTimeLabel->text(), "0:00:01");
            EXPECT_EQ(p.turnLabel->text(), "後手番"); // sente has moved
            EXPECT_EQ(p.moveNumberLabel->text(), "2手目");
            EXPECT_EQ(p.focusWidget(), p.resumeButton);
            p.resume();
        });
    }
}

TEST_F(Pause, ResignationAndTheThreeEndButtonsEndTheGameWithTheirResult) {
    const struct {
        QPushButton* PauseDialog::*button;
        const char* message;
        const char* resultLine;
    } rows[] = {
        // The right side, gote, is to move.
        {&PauseDialog::resignButton, "1手にて先手 左の人の勝ちです。",
         "1手にて先手 左の人の勝ち(投了)"},
        {&PauseDialog::senteLosesButton, "1手にて後手 右の人の勝ちです。",
         "1手にて後手 右の人の勝ち"},
        {&PauseDialog::goteLosesButton, "1手にて先手 左の人の勝ちです。",
         "1手にて先手 左の人の勝ち"},
        {&PauseDialog::drawButton, "1手にて 引き分けです。", "1手にて引き分け"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.resultLine);
        startWith(Side::Left, Side::Right);
        fakes.messageBoxes.asked.clear();
        closeResultWindow();
        pauseWith([&row](PauseDialog& p) { QTest::mouseClick(p.*row.button, Qt::LeftButton); });
        expectEndMessage(QString::fromUtf8(row.message));
        EXPECT_EQ(messagesBeforeResult, 1u); // the result window comes once it is answered
        EXPECT_EQ(resultLine(offered), QString::fromUtf8(row.resultLine));
        EXPECT_FALSE(pauseWindowShownWithResult);
    }
}

TEST_F(Pause, F4AsksTheSideToMoveBeforeItResigns) {
    const struct {
        Side senteSide;
        Side toMove;
        const char* question;
        const char* message;
    } rows[] = {
        {Side::Left, Side::Right, "右の人さん本当に投了しますか？",
         "1手にて先手 左の人の勝ちです。"},
        {Side::Right, Side::Left, "左の人さん本当に投了しますか？",
         "1手にて先手 右の人の勝ちです。"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.question);
        startWith(row.senteSide, row.toMove);
        fakes.messageBoxes.asked.clear();
        fakes.messageBoxes.answers = {QDialog::Rejected};
        pressShortcut(Qt::Key_F4);
        ASSERT_EQ(fakes.messageBoxes.asked.size(), 1u);
        const MessageBoxRequest ask = fakes.messageBoxes.asked[0];
        EXPECT_EQ(ask.text, QString::fromUtf8(row.question));
        EXPECT_EQ(ask.title, "投了");
        EXPECT_EQ(ask.buttons, MessageBoxRequest::Buttons::OkCancel);
        EXPECT_EQ(ask.icon, MessageBoxRequest::Icon::Warning);
        EXPECT_EQ(ask.defaultButton, MessageBoxRequest::Default::Cancel); // Enter is a move key
        expectShown(kRunning, __LINE__); // Cancel: the clock runs on

        fakes.messageBoxes.asked.clear();
        closeResultWindow();
        pressShortcut(Qt::Key_F4); // OK this time
        ASSERT_EQ(fakes.messageBoxes.asked.size(), 2u);
        fakes.messageBoxes.asked.erase(fakes.messageBoxes.asked.begin());
        expectEndMessage(QString::fromUtf8(row.message));
        EXPECT_TRUE(resultLine(offered).endsWith("(投了)"));
        expectShown(kEndedWhileRunning, __LINE__);
    }
    fakes.messageBoxes.asked.clear();
    pressShortcut(Qt::Key_F4); // no game: nothing to resign
    EXPECT_TRUE(fakes.messageBoxes.asked.empty());
}

TEST_F(Pause, AReplayStartsAgainWithTheColoursReversed) {
    GameSetup setup;
    setup.leftMinutes = 20;
    startWith(Side::Left, Side::Right, setup);
    bool reversed = false;
    pauseWith([&](PauseDialog& pause) {
        onModal<SettingsDialog>([&](SettingsDialog& settings) {
            reversed = settings.rightFirstOption->isChecked();
            QTest::mouseClick(settings.startButton, Qt::LeftButton);
        });
        QTest::mouseClick(pause.replayButton, Qt::LeftButton);
    });
    EXPECT_TRUE(reversed);
    expectShown(kRunning, __LINE__);
    EXPECT_EQ(w.clockFace->leftRoleLabel->text(), "後手");
    EXPECT_EQ(w.clockFace->rightRoleLabel->text(), "先手");
    EXPECT_EQ(w.clockFace->leftNameLabel->text(), "左の人");
    EXPECT_EQ(w.clockFace->leftMainTimeLabel->text(), "0:20:00");
    EXPECT_EQ(w.clockFace->moveNumberLabel->text(), "1手目");
    pressKey(w, Qt::Key_Return); // the right side, now sente, moves first
    EXPECT_EQ(w.clockFace->turnLabel->text(), "後手番");
}

TEST_F(Pause, AReplaySettledAsADrawInstead) {
    startWith(Side::Left, Side::Right);
    bool settingsShownWithResult = true;
    onModal<ResultDialog>([&](ResultDialog& result) {
        offered = result.summaryEdit->toPlainText();
        settingsShownWithResult = w.settings.isLoaded() && w.settings.get().isVisible();
        result.reject();
    });
    pauseWith([](PauseDialog& pause) {
        onModal<SettingsDialog>([](SettingsDialog& settings) {
            QTest::mouseClick(settings.drawInsteadButton, Qt::LeftButton);
        });
        QTest::mouseClick(pause.replayButton, Qt::LeftButton);
    });
    expectEndMessage("1手にて 引き分けです。");
    EXPECT_EQ(resultLine(offered), "1手にて引き分け");
    EXPECT_FALSE(settingsShownWithResult);
    expectShown(kEndedWhilePaused, __LINE__);
}

TEST_F(Pause, ARepetitionDrawCancelledOrLeftUnstartedGoesOnWithTheSameGame) {
    startWith(Side::Left, Side::Right);
    fakes.messageBoxes.answers = {QDialog::Rejected};
    pressShortcut(Qt::Key_F5);
    ASSERT_EQ(fakes.messageBoxes.asked.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.asked[0].text, "千日手？");
    EXPECT_EQ(fakes.messageBoxes.asked[0].title, "千日手");
    EXPECT_EQ(fakes.messageBoxes.asked[0].buttons, MessageBoxRequest::Buttons::OkCancel);
    EXPECT_EQ(fakes.messageBoxes.asked[0].icon, MessageBoxRequest::Icon::Warning);
    EXPECT_EQ(fakes.messageBoxes.asked[0].defaultButton, MessageBoxRequest::Default::Cancel);
    expectShown(kRunning, __LINE__);
    EXPECT_TRUE(w.settings.get().leftFirstOption->isChecked());

    bool reversed = false;
    onModal<SettingsDialog>([&reversed](SettingsDialog& settings) {
        reversed = settings.rightFirstOption->isChecked();
        settings.close();
    });
    pressShortcut(Qt::Key_F5); // OK
    EXPECT_TRUE(reversed);
    // The old game stays stopped, the pause command open to resume it.
    expectShown({false, true, "対局中断(P)", true, true, false, "P：対局中断"}, __LINE__);
    EXPECT_EQ(fakes.messageBoxes.asked.size(), 2u);
    pressKey(w, Qt::Key_P);
    expectShown(kRunning, __LINE__);
    EXPECT_EQ(w.clockFace->moveNumberLabel->text(), "2手目");
}

// Leaving the dialog by its close box discards it, so its colour options start afresh; the
// resumed game still knows its own colours.
TEST_F(Pause, ResumedAfterAnUnstartedReplayTheGameKeepsItsColours) {
    startWith(Side::Right, Side::Right);
    onModal<SettingsDialog>([](SettingsDialog& settings) { settings.close(); });
    pressShortcut(Qt::Key_F5);
    pressKey(w, Qt::Key_P);
    ASSERT_TRUE(w.tickTimer->isActive());

    bool leftSenteOffered = false;
    onModal<SettingsDialog>([&leftSenteOffered](SettingsDialog& settings) {
        leftSenteOffered = settings.leftFirstOption->isChecked();
        settings.close();
    });
    pressShortcut(Qt::Key_F5);
    EXPECT_TRUE(leftSenteOffered); // the reverse of this game, where the right side is sente
    pressKey(w, Qt::Key_P);

    closeResultWindow();
    pressShortcut(Qt::Key_F4); // the right side, sente, resigns
    EXPECT_EQ(resultLine(offered), "0手にて後手 左の人の勝ち(投了)");
}
