#include "core/game_clock.h"
#include "gui/command_keys.h"
#include "gui/settings_dialog.h"
#include "gui/stored_settings.h"
#include "gui/toss_dialog.h"
#include "gui/widgets/label.h"
#include "gui/widgets/ui_timer.h"
#include "support/fake_services.h"
#include "support/focus.h"
#include "support/game.h"
#include "support/modal.h"
#include "support/working_folder.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Faces = std::array<int, 3>; // per piece: 0 the pawn face, 1 the promoted face

bool sameImage(const QLabel* a, const QLabel* b) {
    return a->pixmap().toImage() == b->pixmap().toImage();
}

// Turns the pieces by hand, the animation timer stopped, until they rest; the steps taken.
int runToRest(TossDialog& toss) {
    toss.animationTimer->setActive(false);
    int steps = 0;
    while (!toss.closeTimer->isActive() && steps < 200) {
        toss.animateStep();
        ++steps;
    }
    return steps;
}

// A toss from the settings dialog, which it picks the first player in.
class TossDialogTest : public testing::Test {
protected:
    // The faces the next toss draws.
    void drawNext(Faces faces) {
        fakes.random.numbers.clear();
        for (const int face : faces)
            fakes.random.numbers.push_back(face * 0.5 + 0.2);
    }

    // Clicks a toss button and runs the toss that opens, handing it to the test as it shows.
    void tossWith(QPushButton* button, const std::function<void(TossDialog&)>& whileShown) {
        onModal<TossDialog>(whileShown);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    WorkingFolder folder;
    FakeServices fakes;
    GameClock game{fakes.wallClock, fakes.audio};
    InputLayer input{game, defaultKeyBindings()};
    StoredSettings stored;
    SettingsDialog settings{game, input, fakes.services, stored, nullptr};
};

} // namespace

TEST_F(TossDialogTest, EachOutcomeIsShownAndPicksTheFirstPlayerInTheSettings) {
    const struct {
        Faces faces;
        const char* line1;
        const char* line2;
        bool tosserFirst;
    } rows[] = {
        {{0, 0, 0}, "歩が３枚出ました", "（振った方が先手）", true},
        {{0, 1, 0}, "歩が２枚、とが１枚出ました", "（振った方が先手）", true},
        {{1, 0, 1}, "とが２枚、歩が１枚出ました", "（振った方が後手）", false},
        {{1, 1, 1}, "とが３枚出ました", "（振った方が後手）", false},
    };
    for (const auto& row : rows) {
        for (const Side tosser : kBothSides) {
            const Side first = row.tosserFirst ? tosser : opposite(tosser);
            settings.selectFirstPlayer(opposite(first)); // so that the toss has to change it
            drawNext(row.faces);
            QPushButton* button =
                tosser == Side::Left ? settings.leftTossButton : settings.rightTossButton;
            tossWith(button, [&](TossDialog& toss) {
                runToRest(toss);
                EXPECT_EQ(toss.facesLabel->text(), row.line1);
                EXPECT_EQ(toss.firstPlayerLabel->text(), row.line2);
                EXPECT_TRUE(toss.cancelButton->isHidden());
                // Picked as soon as the pieces rest, while the outcome shows.
                EXPECT_EQ(settings.leftFirstOption->isChecked(), first == Side::Left);
                toss.closeAfterResult();
            });
            EXPECT_EQ(settings.leftFirstOption->isChecked(), first == Side::Left) << row.line1;
            EXPECT_EQ(settings.rightFirstOption->isChecked(), first == Side::Right);
        }
    }
}

TEST_F(TossDialogTest, EachPieceShowsItsFrameAtEveryStepAndTheOutcomeComesWithTheLastToRest) {
    for (const Faces faces : {Faces{0, 0, 0}, Faces{1, 1, 1}, Faces{0, 1, 1}}) {
        drawNext(faces);
        TossDialog toss(Side::Left, fakes.random, &settings);
        toss.animationTimer->setActive(false);
        bool resting = false;
        while (!resting) {
            EXPECT_TRUE(toss.facesLabel->text().isEmpty());
            EXPECT_TRUE(toss.firstPlayerLabel->text().isEmpty());
            toss.animateStep();
            resting = toss.closeTimer->isActive();
            for (std::size_t i = 0; i < 3; ++i) {
                const int frame = toss.pieces().pieces()[i].frame;
                EXPECT_TRUE(sameImage(toss.pieceImages[i], toss.frameImages[frame])) << i;
            }
        }
        for (const Toss::Piece& piece : toss.pieces().pieces())
            EXPECT_EQ(piece.count, piece.end); // the outcome on the very step the last rests
        for (std::size_t i = 0; i < 3; ++i)    // frame 0 the pawn face, frame 4 the promoted one
            EXPECT_TRUE(sameImage(toss.pieceImages[i], toss.frameImages[4 * faces[i]]));
        EXPECT_FALSE(toss.facesLabel->text().isEmpty());
        EXPECT_FALSE(toss.animationTimer->isActive());
    }
}

TEST_F(TossDialogTest, EachTossStartsAfreshFromThePawnFaceAndLeavesTheOtherFieldsAlone) {
    settings.leftMinutesEdit->setText("7");
    for (QPushButton* button : {settings.rightTossButton, settings.leftTossButton}) {
        const int seedings = fakes.random.seedings;
        drawNext({0, 0, 0});
        tossWith(button, [&](TossDialog& toss) {
            for (QLabel* piece : toss.pieceImages)
                EXPECT_TRUE(sameImage(piece, toss.frameImages[0]));
            EXPECT_TRUE(toss.facesLabel->text().isEmpty());
            EXPECT_TRUE(toss.animationTimer->isActive());
            // Once on opening, once more before the third piece.
            EXPECT_EQ(fakes.random.seedings, seedings + 2);
            runToRest(toss);
            toss.closeAfterResult();
        });
        // Three pawn faces: the tosser moves first.
        EXPECT_EQ(settings.leftFirstOption->isChecked(), button == settings.leftTossButton);
    }
    EXPECT_EQ(settings.leftMinutesEdit->text(), "7");
    EXPECT_FALSE(game.running());
}

TEST_F(TossDialogTest, CancelClosesTheWindowAndPicksNobody) {
    drawNext({0, 0, 0}); // would pick the right side, who tosses
    tossWith(settings.rightTossButton, [](TossDialog& toss) {
        toss.animationTimer->setActive(false);
        for (int i = 0; i < 20; ++i)
            toss.animateStep();
        QTest::mouseClick(toss.cancelButton, Qt::LeftButton);
        EXPECT_FALSE(toss.isVisible());
        EXPECT_EQ(toss.result(), QDialog::Rejected);
        EXPECT_TRUE(toss.facesLabel->text().isEmpty());
    });
    EXPECT_TRUE(settings.leftFirstOption->isChecked()); // as it was
}

TEST_F(TossDialogTest, TheOutcomeShowsForThreeSecondsThenTheWindowClosesItself) {
    drawNext({1, 0, 0});
    TossDialog toss(Side::Left, fakes.random, &settings);
    toss.show();
    runToRest(toss);
    QElapsedTimer shown;
    shown.start();
    while (toss.isVisible() && shown.elapsed() < 6000)
        QTest::qWait(10);
    EXPECT_FALSE(toss.isVisible());
    EXPECT_GE(shown.elapsed(), 2900);
    EXPECT_EQ(toss.result(), QDialog::Accepted);
    EXPECT_FALSE(toss.closeTimer->isActive());
}

// The toss button lies out of view; no key may toss again and change the outcome unseen.
TEST_F(TossDialogTest, NoKeyTossesAgainUnseen) {
    drawNext({0, 0, 0});
    TossDialog toss(Side::Left, fakes.random, &settings);
    toss.show();
    EXPECT_FALSE(toss.rect().contains(toss.tossAgainButton->geometry()));
    EXPECT_FALSE(reachedByTab(toss).count(toss.tossAgainButton));
    runToRest(toss);
    const QString outcome = toss.facesLabel->text();
    EXPECT_FALSE(reachedByTab(toss).count(toss.tossAgainButton));
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return})
        pressKey(toss, key);
    EXPECT_EQ(toss.facesLabel->text(), outcome);
    EXPECT_FALSE(toss.animationTimer->isActive());
}
