#include "clock/main_window.h"
#include "furigoma/furigoma_window.h"
#include "platform/label.h"
#include "platform/random_source.h"
#include "platform/ui_timer.h"
#include "settings/sub_window.h"
#include "support/fakes.h"
#include "support/focus.h"
#include "support/game.h"
#include "support/modal.h"
#include "support/working_folder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PieceToss : public testing::Test {
protected:
    PieceToss() { EXPECT_TRUE(m.Form_Load()); }

    // Opens the toss window with the three faces fixed (0 pawn, 1 promoted) and the timers
    // left to the test.
    std::unique_ptr<frmFurigoma> open(bool side1Tosses, std::array<int, 3> faces) {
        m.settings.Fg = side1Tosses;
        fakes.random.numbers = {faces[0] * 0.5 + 0.2, faces[1] * 0.5 + 0.2, faces[2] * 0.5 + 0.2};
        auto toss = std::make_unique<frmFurigoma>(m);
        toss->tmrAni->setEnabled(false);
        return toss;
    }

    // Steps until the toss ends; the number of steps taken.
    static int run(frmFurigoma& toss) {
        int steps = 0;
        while (!toss.tmrStop->enabled() && steps < 200) {
            toss.tmrAni_Timer();
            ++steps;
        }
        return steps;
    }

    bool side1First() { return m.settings.form().optTb1->isChecked(); }

    WorkingFolder folder;
    FakePlatform fakes;
    frmMain m{fakes.platform};
};

bool sameImage(const QLabel* a, const QLabel* b) {
    return a->pixmap().toImage() == b->pixmap().toImage();
}

} // namespace

TEST_F(PieceToss, EachOutcomeWithEachTossingSide) {
    const struct {
        std::array<int, 3> faces;
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
        for (const bool side1Tosses : {true, false}) {
            // Start from the opposite choice so that the toss has to write it.
            const bool expected = row.tosserFirst == side1Tosses;
            m.settings.form().optTb1->setChecked(!expected);
            m.settings.form().optTb2->setChecked(expected);
            auto toss = open(side1Tosses, row.faces);
            run(*toss);
            EXPECT_EQ(toss->lblFk1->text(), row.line1);
            EXPECT_EQ(toss->lblFk2->text(), row.line2);
            EXPECT_EQ(side1First(), expected) << row.line1 << " side1Tosses=" << side1Tosses;
            EXPECT_NE(m.settings.form().optTb2->isChecked(), expected);
            EXPECT_TRUE(toss->cmdOk->isHidden());
        }
    }
}

TEST_F(PieceToss, PiecesStopLeftRightMiddleOnAFaceAndTheResultComesWithTheLast) {
    for (const std::array<int, 3> faces : {std::array{0, 0, 0}, {1, 1, 1}, {0, 1, 1}}) {
        auto toss = open(true, faces);
        EXPECT_EQ(fakes.random.seedings % 2, 0); // on opening, and before the third piece
        std::array<int, 3> restedAt{};
        int step = 0;
        while (!toss->tmrStop->enabled()) {
            EXPECT_TRUE(toss->lblFk1->text().isEmpty());
            toss->tmrAni_Timer();
            ++step;
            for (std::size_t i = 0; i < 3; ++i) {
                const auto& piece = toss->toss().pieces()[i];
                if (!restedAt[i] && piece.count >= piece.end)
                    restedAt[i] = step;
                EXPECT_TRUE(sameImage(toss->pieceImages[i], toss->imgK1[piece.frame]));
            }
        }
        EXPECT_EQ(restedAt[0], 64 + 4 * faces[0]);
        EXPECT_EQ(restedAt[1], 87 + 4 * faces[1]);
        EXPECT_EQ(restedAt[2], 72 + 4 * faces[2]);
        EXPECT_EQ(step, restedAt[1]); // the result on the step the middle piece rests
        EXPECT_FALSE(toss->lblFk1->text().isEmpty());
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(toss->toss().pieces()[i].frame, 4 * faces[i]);
    }
}

TEST_F(PieceToss, CancelWritesNothingAndTheStopTimerCloses) {
    auto toss = open(true, {1, 1, 1});
    toss->show();
    for (int i = 0; i < 20; ++i)
        toss->tmrAni_Timer();
    QTest::mouseClick(toss->cmdOk, Qt::LeftButton);
    EXPECT_FALSE(toss->isVisible());
    EXPECT_TRUE(side1First()); // as it was
    EXPECT_TRUE(toss->lblFk1->text().isEmpty());

    auto completed = open(true, {0, 0, 0});
    completed->show();
    run(*completed);
    EXPECT_TRUE(completed->isVisible());
    EXPECT_EQ(completed->tmrStop->interval(), 3000);
    completed->tmrStop_Timer();
    EXPECT_FALSE(completed->isVisible());
    EXPECT_EQ(completed->result(), QDialog::Accepted);
}

// The toss button lies out of view; no key may toss again and change the outcome unseen.
TEST_F(PieceToss, NoKeyTossesAgainUnseen) {
    auto toss = open(true, {0, 0, 0});
    toss->show();
    EXPECT_FALSE(reachedByTab(*toss).count(toss->cmdFuru));
    run(*toss);
    const QString outcome = toss->lblFk1->text();
    EXPECT_FALSE(reachedByTab(*toss).count(toss->cmdFuru));
    pressKey(*toss, Qt::Key_Space);
    EXPECT_EQ(toss->lblFk1->text(), outcome);
    EXPECT_FALSE(toss->tmrAni->enabled());
}

TEST_F(PieceToss, TheTossButtonsOpenAFreshTossThatLeavesTheOtherFieldsAlone) {
    frmSub& sub = m.settings.form();
    sub.txtT12->setText("7");
    for (QPushButton* button : {sub.cmdFg2, sub.cmdFg1}) {
        fakes.random.numbers = {0, 0, 0};
        onModal<frmFurigoma>([](frmFurigoma& toss) {
            for (QLabel* piece : toss.pieceImages) // afresh from the pawn face
                EXPECT_TRUE(sameImage(piece, toss.imgK1[0]));
            EXPECT_TRUE(toss.lblFk1->text().isEmpty());
            toss.tmrAni->setEnabled(false);
            while (!toss.tmrStop->enabled())
                toss.tmrAni_Timer();
            toss.tmrStop_Timer();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(side1First(), button == sub.cmdFg1); // three pawns: the tosser first
        EXPECT_EQ(m.settings.Fg, button == sub.cmdFg1);
    }
    EXPECT_EQ(sub.txtT12->text(), "7");
    EXPECT_FALSE(m.Timer1->enabled());
}

TEST(PieceTossOdds, TheTossingSideMovesFirstAboutHalfTheTime) {
    ClockSeededRandom random;
    random.seedFromClock();
    int first = 0;
    const int tosses = 10'000;
    for (int i = 0; i < tosses; ++i) {
        Toss toss;
        toss.start(random);
        first += toss.tosserMovesFirst() ? 1 : 0;
    }
    EXPECT_GT(first, tosses * 45 / 100);
    EXPECT_LT(first, tosses * 55 / 100);
}
