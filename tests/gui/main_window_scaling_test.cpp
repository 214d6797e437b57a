#include "gui/about_dialog.h"
#include "gui/clock_face.h"
#include "gui/main_window.h"
#include "gui/settings_dialog.h"
#include "gui/widgets/drawing.h"
#include "gui/widgets/label.h"
#include "gui/widgets/scaled_face.h"
#include "gui/widgets/scaled_picture.h"
#include "support/face_folder.h"
#include "support/fake_services.h"
#include "support/game.h"
#include "support/modal.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QColor kBackground(0xFF, 0xFF, 0xB1);

// The rows from the first to the last that hold a dark pixel.
int inkHeight(const QImage& image) {
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 64 && qAlpha(image.pixel(x, y)) > 192) {
                first = first < 0 ? y : first;
                last = y;
            }
    return last - first + 1;
}

// Glyphs may be smoothed a shade differently from one drawing to the next; a control out of
// place, or text of another size, colour or wording, turns pixels from ink to background.
bool looksTheSame(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))}) >= 64)
                return false;
        }
    return true;
}

class FaceScaling : public testing::Test {
protected:
    FaceScaling() {
        EXPECT_TRUE(w.startUp());
        w.show();
        QApplication::processEvents();
        designed = w.clockFace->face->size();
    }

    // Gives the face's part of the window this size.
    void resizeFaceArea(QSize size) {
        w.resize(size + (w.size() - w.clockFace->size()));
        QApplication::processEvents();
    }

    QColor facePixel(int x, int y) const { return w.clockFace->grab().toImage().pixelColor(x, y); }

    FaceFolder folder;
    FakeServices fakes;
    OwnedGame model{fakes.wallClock, fakes.audio};
    MainWindow w{model.game, model.record, fakes.services};
    QSize designed;
};

TEST_F(FaceScaling, TheDesignedSizeIsTheSmallestAndTheFaceFillsIt) {
    EXPECT_EQ(designed.width(), 952);
    EXPECT_EQ(w.minimumSize(), QSize(952, 575 - 31));
    EXPECT_EQ(w.clockFace->face->geometry(), w.clockFace->rect());
    w.resize(600, 400);
    EXPECT_EQ(w.size(), w.minimumSize());
    EXPECT_EQ(w.clockFace->scale(), 1.0);
}

TEST_F(FaceScaling, LabelsPicturesAndFontsGrowByTheScale) {
    const struct {
        Label* label;
        QRect at15;
        QRect at2;
        int pixelSize; // as designed
    } rows[] = {
        {w.clockFace->leftMainTimeLabel, {12, 168, 558, 140}, {16, 224, 744, 186}, 96},
        {w.clockFace->rightNameLabel, {840, 72, 554, 98}, {1120, 96, 738, 130}, 64},
        {w.clockFace->turnLabel, {636, 252, 158, 50}, {848, 336, 210, 66}, 29},
        {w.clockFace->leftConsiderationLabel,
         {12, 36, 201, 200},
         {16, 48, 268, 266},
         120}, // on a picture
    };
    for (const qreal scale : {1.5, 2.0}) {
        resizeFaceArea(designed * scale);
        EXPECT_EQ(w.clockFace->scale(), scale);
        EXPECT_EQ(w.clockFace->face->geometry(), QRect(QPoint(), designed * scale));
        for (const auto& row : rows) {
            const QString name = row.label->objectName();
            EXPECT_EQ(row.label->geometry(), scale == 2.0 ? row.at2 : row.at15)
                << name.toStdString();
            EXPECT_EQ(row.label->font().pixelSize(), qRound(row.pixelSize * scale))
                << name.toStdString();
            EXPECT_EQ(QFontInfo(row.label->font()).pixelSize(), qRound(row.pixelSize * scale));
        }
        const QSize picture = scale == 2.0 ? QSize(402, 418) : QSize(302, 314);
        EXPECT_EQ(w.clockFace->leftPiecePicture->size(), picture);
        EXPECT_EQ(w.clockFace->leftPiecePicture->pixmap().size(), picture);
        EXPECT_EQ(w.clockFace->leftPiecePicture->pixmap().toImage().pixelColor(200, 200),
                  QColor(Qt::darkRed));
    }
}

// Pictures made to fill their boxes fill them at every size, with no seam or cut edge.
TEST_F(FaceScaling, APictureFillsItsBoxAtEveryWidth) {
    for (int width = 953; width < 1500; width += 13) {
        resizeFaceArea(QSize(width, 2000));
        for (const ScaledPicture* picture :
             {w.clockFace->leftPiecePicture, w.clockFace->rightPiecePicture})
            EXPECT_EQ(picture->pixmap().size(), picture->size()) << width;
    }
}

// The turn's frame: 3 pixels of border as designed, its left edge at x 416 and 832.
TEST_F(FaceScaling, FramesAreDrawnToTheScale) {
    EXPECT_EQ(facePixel(416, 180), QColor(Qt::black));
    EXPECT_EQ(facePixel(418, 180), QColor(Qt::black));
    EXPECT_EQ(facePixel(419, 180), kBackground);
    resizeFaceArea(designed * 2);
    EXPECT_EQ(facePixel(831, 360), kBackground);
    for (const int x : {832, 837})
        EXPECT_EQ(facePixel(x, 360), QColor(Qt::black)) << x;
    EXPECT_EQ(facePixel(838, 360), kBackground);
}

TEST_F(FaceScaling, TheFaceStandsInTheMiddleOfASpareWidthOrHeight) {
    resizeFaceArea(QSize(3000, designed.height() * 2));
    EXPECT_EQ(w.clockFace->scale(), 2.0);
    EXPECT_EQ(w.clockFace->face->geometry(), QRect(QPoint((3000 - 1904) / 2, 0), designed * 2));
    EXPECT_EQ(facePixel(10, 10), kBackground);
    EXPECT_EQ(facePixel(2990, 10), kBackground);

    resizeFaceArea(QSize(designed.width() * 2, 2000));
    EXPECT_EQ(w.clockFace->face->geometry(),
              QRect(QPoint(0, (2000 - designed.height() * 2) / 2), designed * 2));
}

TEST_F(FaceScaling, BackAtTheDesignedSizeTheFaceIsAsBefore) {
    const QImage before = w.clockFace->grab().toImage();
    resizeFaceArea(designed * 1.5);
    resizeFaceArea(designed);
    EXPECT_TRUE(looksTheSame(w.clockFace->grab().toImage(), before));
}

TEST_F(FaceScaling, MaximisedTheWindowTakesTheScreenAndTheFaceGrows) {
    w.showMaximized();
    QApplication::processEvents();
    EXPECT_TRUE(w.isMaximized());
    EXPECT_EQ(w.frameGeometry().width(), w.screen()->availableGeometry().width());
    EXPECT_DOUBLE_EQ(w.clockFace->scale(), w.clockFace->width() / 952.0); // the width limits
    EXPECT_GT(w.clockFace->scale(), 2.0);
    w.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(w.clockFace->scale(), 1.0);
}

// Large text shown larger is kept drawn; every change must still show.
TEST_F(FaceScaling, ALargerLabelShowsEveryChangeOfItsText) {
    resizeFaceArea(designed * 2);
    Label* time = w.clockFace->leftMainTimeLabel;
    const auto shown = [time] { return time->grab().toImage(); };
    const QImage first = shown();
    time->setText(QStringLiteral("1:23:45"));
    const QImage changed = shown();
    EXPECT_NE(changed, first);
    time->setTextColor(Qt::red);
    EXPECT_NE(shown(), changed);
    time->setTextColor(Qt::black);
    time->setText(QStringLiteral("0:15:00"));
    EXPECT_TRUE(looksTheSame(shown(), first));
    resizeFaceArea(designed * 3);
    EXPECT_NEAR(inkHeight(shown()), inkHeight(first) * 1.5, 1);
}

TEST_F(FaceScaling, F11TogglesFullScreenWithTheMenuBarKept) {
    const int menuHeight = w.menuBar()->height();
    const QSize normal = w.size();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F11);
    QApplication::processEvents();
    EXPECT_TRUE(w.isFullScreen());
    EXPECT_EQ(w.geometry(), w.screen()->geometry());
    EXPECT_EQ(w.menuBar()->height(), menuHeight);
    // The screen is wider than the face's proportions: its width sets the scale.
    ASSERT_LT(1920.0 / 952, qreal(1080 - menuHeight) / designed.height());
    EXPECT_DOUBLE_EQ(w.clockFace->scale(), 1920.0 / 952);
    QTest::keyClick(&w, Qt::Key_F11);
    QApplication::processEvents();
    EXPECT_FALSE(w.isFullScreen());
    EXPECT_EQ(w.size(), normal);
}

// A dialog keeps its size, and opens over the middle of the clock wherever the clock stands.
TEST_F(FaceScaling, DialogsOpenAtTheirSizeOverTheMiddleOfTheWindow) {
    const auto expectCentred = [this](QWidget& dialog) {
        const QPoint offset = dialog.geometry().center() - w.geometry().center();
        EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << ", " << offset.y();
    };
    resizeFaceArea(designed * 1.5);
    for (const QPoint place : {QPoint(0, 0), QPoint(300, 200)}) {
        w.move(place);
        QApplication::processEvents();
        QSize settingsSize;
        onModal<SettingsDialog>([&](SettingsDialog& dialog) {
            settingsSize = dialog.size();
            expectCentred(dialog);
            dialog.hide();
        });
        w.openSettings();
        EXPECT_EQ(settingsSize.width(), 696); // 10440 twips
        onModal<AboutDialog>([&](AboutDialog& dialog) {
            EXPECT_EQ(dialog.size(), QSize(382, 181));
            expectCentred(dialog);
            dialog.reject();
        });
        w.showAbout();
    }
}

// On a screen narrower than the design the window, its full screen and its dialogs stay on
// the screen, and the face shrinks to fit.
TEST(SmallScreen, EverythingOpensOnTheScreenAndTheFaceShrinks) {
    FaceFolder folder;
    FakeServices fakes;
    OwnedGame model{fakes.wallClock, fakes.audio};
    MainWindow w{model.game, model.record, fakes.services};
    w.setScreen(QGuiApplication::screens().at(1));
    ASSERT_TRUE(w.startUp());
    w.show();
    QApplication::processEvents();
    const QRect screen = w.screen()->availableGeometry();
    ASSERT_EQ(screen.width(), 800);
    EXPECT_TRUE(screen.contains(w.frameGeometry())) << w.frameGeometry().x();
    EXPECT_DOUBLE_EQ(w.clockFace->scale(), w.clockFace->width() / 952.0); // the width limits
    EXPECT_LT(w.clockFace->scale(), 1.0);
    QRect settings;
    onModal<SettingsDialog>([&](SettingsDialog& dialog) {
        settings = dialog.frameGeometry();
        dialog.hide();
    });
    w.openSettings();
    EXPECT_TRUE(screen.contains(settings));
    w.showFullScreen();
    QApplication::processEvents();
    EXPECT_EQ(w.geometry(), w.screen()->geometry());
    EXPECT_DOUBLE_EQ(w.clockFace->scale(), 800.0 / 952);
}

} // namespace
