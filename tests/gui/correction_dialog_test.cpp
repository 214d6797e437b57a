// The arbiter's correction from the pause window: the button that opens it, the dialog's
// values, and what OK, キャンセル, Esc and a bad field do to the game and its windows.

#include "app_info.h"
#include "gui/clock_face.h"
#include "gui/correction_dialog.h"
#include "gui/pause_dialog.h"
#include "gui/result_dialog.h"
#include "gui/widgets/label.h"
#include "support/face_folder.h"
#include "support/game.h"
#include "support/modal.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using F = CorrectionField;

class Correcting : public testing::Test {
protected:
    Correcting() {
        folder.write("対局者.txt", cp932("左の人\r\n右の人\r\n"));
        EXPECT_TRUE(w.startUp());
        w.show();
        GameSetup setup;
        setup.senteSide = Side::Right;
        setup.leftConsideration = "3";
        startGame(w, setup);
        for (int i = 0; i < 5; ++i)
            driverOf(w, fakes.wallClock).seconds(1); // the right side, sente, uses 5 seconds
        pressKey(w, Qt::Key_Return);
    }

    // Pauses, opens the correction dialog from the pause window and acts in it; then acts
    // in the pause window once the dialog has closed, and resumes from there.
    void correctWith(std::function<void(CorrectionDialog&)> inside,
                     std::function<void(PauseDialog&)> after = {}) {
        onModal<PauseDialog>([inside, after](PauseDialog& pause) {
            onModal<CorrectionDialog>(inside);
            QTest::mouseClick(pause.correctionButton, Qt::LeftButton);
            if (after)
                after(pause);
            pause.resume();
        });
        pressKey(w, Qt::Key_P);
    }

    // The values shown by the main window.
    QStringList mainLabels() const {
        return {w.clockFace->leftMainTimeLabel->text(), w.clockFace->rightMainTimeLabel->text(),
                w.clockFace->leftPeriodLabel->text(),   w.clockFace->leftConsiderationLabel->text(),
                w.clockFace->moveNumberLabel->text(),   w.clockFace->turnLabel->text()};
    }

    FaceFolder folder;
    FakeServices fakes;
    OwnedGame model{fakes.wallClock, fakes.audio};
    MainWindow w{model.game, model.record, fakes.services};
};

} // namespace

TEST_F(Correcting, TheButtonComesUnderTheDrawButtonAndAfterItInTheTabOrder) {
    onModal<PauseDialog>([](PauseDialog& pause) {
        EXPECT_EQ(pause.correctionButton->text(), "時間修正");
        EXPECT_EQ(pause.correctionButton->geometry(), (TwipsRect{240, 6960, 1095, 615}.toPixels()));
        EXPECT_EQ(pause.correctionButton->geometry().top() - pause.drawButton->geometry().top(),
                  pause.drawButton->geometry().top() - pause.goteLosesButton->geometry().top());
        const auto* explanation = pause.findChild<Label*>("lblCorrection");
        ASSERT_NE(explanation, nullptr);
        EXPECT_EQ(explanation->text(), "持ち時間・秒読み・考慮時間・手数を直します");
        EXPECT_EQ(explanation->geometry(), (TwipsRect{1440, 7080, 6450, 315}.toPixels()));
        EXPECT_EQ(explanation->font(), pause.findChild<Label*>("Label12")->font());
        EXPECT_EQ(pause.height(), px(7755));

        QApplication::setActiveWindow(&pause);
        pause.drawButton->setFocus(Qt::TabFocusReason);
        QTest::keyClick(pause.drawButton, Qt::Key_Tab);
        EXPECT_EQ(pause.focusWidget(), pause.correctionButton);
        pause.close();
    });
    pressKey(w, Qt::Key_P);
}

TEST_F(Correcting, TheDialogShowsTheGamesValues) {
    correctWith([](CorrectionDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "時間修正");
        EXPECT_TRUE(dialog.isModal());
        EXPECT_TRUE(qobject_cast<PauseDialog*>(dialog.parentWidget()));
        const auto& left = dialog.sides[indexOf(Side::Left)];
        const auto& right = dialog.sides[indexOf(Side::Right)];
        EXPECT_EQ(left.role->text(), "後手");
        EXPECT_EQ(left.name->text(), "左の人");
        EXPECT_EQ(right.role->text(), "先手");
        EXPECT_EQ(right.name->text(), "右の人");
        const std::pair<F, const char*> fields[] = {
            {F::LeftHours, "0"},           {F::LeftMinutes, "15"},      {F::LeftSeconds, "0"},
            {F::LeftPeriod, "0"},          {F::LeftConsideration, "3"}, {F::RightHours, "0"},
            {F::RightMinutes, "14"},       {F::RightSeconds, "55"},     {F::RightPeriod, "0"},
            {F::RightConsideration, "10"}, {F::MoveNumber, "2"},
        };
        for (const auto& [field, text] : fields)
            EXPECT_EQ(dialog.edit(field)->text(), QString::fromUtf8(text)) << int(field);
        EXPECT_EQ(dialog.edit(F::LeftMinutes), left.minutes);
        EXPECT_EQ(dialog.edit(F::RightConsideration), right.consideration);
        EXPECT_TRUE(dialog.goteToMoveOption->isChecked()); // the left side, gote, is to move
        EXPECT_FALSE(dialog.senteToMoveOption->isChecked());
        dialog.reject();
    });
}

TEST_F(Correcting, OkAppliesAndTheSnapshotAndTheMainWindowShowIt) {
    QStringList snapshot;
    QStringList shownBeforeResuming;
    fakes.audio.log.clear();
    correctWith(
        [](CorrectionDialog& dialog) {
            dialog.sides[0].minutes->setText("0");
            dialog.sides[0].seconds->setText("0");
            dialog.sides[0].period->setText("20");
            dialog.sides[0].consideration->setText("2");
            dialog.sides[1].hours->setText("1");
            dialog.moveNumberEdit->setText("31");
            dialog.senteToMoveOption->setChecked(true);
            QTest::mouseClick(dialog.okButton, Qt::LeftButton);
            EXPECT_FALSE(dialog.isVisible());
        },
        [this, &snapshot, &shownBeforeResuming](PauseDialog& pause) {
            shownBeforeResuming = mainLabels();
            snapshot = {pause.leftMainTimeLabel->text(),
                        pause.rightMainTimeLabel->text(),
                        pause.leftConsiderationLabel->text(),
                        pause.moveNumberLabel->text(),
                        pause.turnLabel->text(),
                        pause.resignerLabel->text()};
        });
    EXPECT_EQ(snapshot, (QStringList{"0:00:00", "1:14:55", "2", "31手目", "先手番",
                                     "現在手番の右の人が投了します"}));
    EXPECT_EQ(shownBeforeResuming,
              (QStringList{"0:00:00", "1:14:55", "20", "2", "31手目", "先手番"}));
    EXPECT_TRUE(fakes.audio.clips().empty());

    // Resumed, the right side, now to move, runs on from its corrected time.
    driverOf(w, fakes.wallClock).seconds(1);
    EXPECT_EQ(w.clockFace->rightMainTimeLabel->text(), "1:14:54");
    pressKey(w, Qt::Key_Return);
    EXPECT_EQ(w.clockFace->moveNumberLabel->text(), "32手目");

    // The result window's remaining times are the corrected ones.
    QString summary;
    onModal<ResultDialog>([&summary](ResultDialog& result) {
        summary = result.summaryEdit->toPlainText();
        result.reject();
    });
    onModal<PauseDialog>(
        [](PauseDialog& pause) { QTest::mouseClick(pause.drawButton, Qt::LeftButton); });
    pressKey(w, Qt::Key_P);
    EXPECT_TRUE(summary.contains("31手にて引き分け")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("残り時間　左の人 0:00:00(+2)")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("残り時間　右の人 1:14:54(+10)")) << summary.toStdString();
}

TEST_F(Correcting, CancelAndEscDiscardTheFields) {
    const std::function<void(CorrectionDialog&)> leavers[] = {
        [](CorrectionDialog& d) { QTest::mouseClick(d.cancelButton, Qt::LeftButton); },
        [](CorrectionDialog& d) { QTest::keyClick(d.edit(F::RightHours), Qt::Key_Escape); },
    };
    const QStringList before = mainLabels();
    for (const auto& leave : leavers) {
        QString snapshotTime;
        correctWith(
            [&leave](CorrectionDialog& dialog) {
                dialog.edit(F::RightHours)->setText("5");
                dialog.edit(F::MoveNumber)->setText("9");
                dialog.senteToMoveOption->setChecked(true);
                leave(dialog);
                EXPECT_FALSE(dialog.isVisible());
            },
            [&snapshotTime](PauseDialog& pause) {
                snapshotTime = pause.rightMainTimeLabel->text();
            });
        EXPECT_EQ(snapshotTime, "0:14:55");
        EXPECT_EQ(mainLabels(), before);
        EXPECT_EQ(w.game().sideToMove(), Side::Left);
    }
}

TEST_F(Correcting, ABadFieldIsNamedFocusedAndNothingIsApplied) {
    const QStringList before = mainLabels();
    correctWith([this, &before](CorrectionDialog& dialog) {
        dialog.edit(F::LeftHours)->setText("3");  // good, yet not applied alone
        dialog.edit(F::LeftPeriod)->setText("4"); // main time is left
        dialog.edit(F::RightSeconds)->setText("60");
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        ASSERT_EQ(fakes.messageBoxes.asked.size(), 1u);
        EXPECT_EQ(fakes.messageBoxes.asked[0].text, "ちゃんとした数値を入力して下さい！");
        EXPECT_EQ(fakes.messageBoxes.asked[0].title, QString::fromUtf8(app_info::kTitle));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), dialog.edit(F::LeftPeriod));
        EXPECT_EQ(mainLabels(), before);

        dialog.edit(F::LeftPeriod)->setText("0");
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        EXPECT_EQ(dialog.focusWidget(), dialog.edit(F::RightSeconds));
        EXPECT_EQ(fakes.messageBoxes.asked.size(), 2u);
        EXPECT_EQ(w.clockFace->leftMainTimeLabel->text(), "0:15:00");
        dialog.reject();
    });
}
