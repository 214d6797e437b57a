// The main window's moves as players make them: keys from the settings file, taps on the
// face, and presses that bounce.

#include "gui/clock_face.h"
#include "gui/main_window.h"
#include "gui/widgets/label.h"
#include "support/config_home.h"
#include "support/face_folder.h"
#include "support/game.h"

#include <QApplication>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainWindowInput : public testing::Test {
protected:
    // A main window started as the program starts, with this settings file; the lines it
    // wrote on stderr about it.
    int start(const QByteArray& settings) {
        configHome.writeSettings(settings);
        window.reset();
        model = std::make_unique<OwnedGame>(fakes.wallClock, fakes.audio);
        window = std::make_unique<MainWindow>(model->game, model->record, fakes.services);
        testing::internal::CaptureStderr();
        EXPECT_TRUE(window->startUp());
        const QString told = QString::fromStdString(testing::internal::GetCapturedStderr());
        startGame(*window);
        return int(told.split(u'\n').filter(QRegularExpression("^shogi-clock: ")).size());
    }

    ConfigHome configHome;
    FaceFolder folder;
    FakeServices fakes;
    std::unique_ptr<OwnedGame> model;
    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST_F(MainWindowInput, TheSettingsFilesKeysEndTheMovesAndShowInTheCaptions) {
    const struct {
        const char* settings;
        int linesTold;
        const char* leftCaption;
        const char* rightCaption;
        Qt::Key leftKey;
        Qt::Key rightKey;
    } rows[] = {
        {"", 0, "(Space Key)", "(Enter Key)", Qt::Key_Space, Qt::Key_Return},
        {"[keys]\nleft=F13\nright=PgDown", 0, "(F13 Key)", "(PgDown Key)", Qt::Key_F13,
         Qt::Key_PageDown},
        {"[keys]\nleft=Foo, Media Play", 1, "(Media Play Key)", "(Enter Key)", Qt::Key_MediaPlay,
         Qt::Key_Enter},
        {"[keys]\nleft=F4\n[input]\ntap=yes", 2, "(Space Key)", "(Enter Key)", Qt::Key_Space,
         Qt::Key_Return},
        {"[keys\nleft=F13\nnot a setting", 1, "(F13 Key)", "(Enter Key)", Qt::Key_F13,
         Qt::Key_Return},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(start(row.settings), row.linesTold) << row.settings;
        MainWindow& w = *window;
        EXPECT_EQ(w.clockFace->leftKeyCaption->text(), row.leftCaption) << row.settings;
        EXPECT_EQ(w.clockFace->rightKeyCaption->text(), row.rightCaption) << row.settings;
        for (const Qt::Key key : {row.leftKey, row.rightKey})
            pressKey(w, key);
        EXPECT_EQ(w.game().moveNumber(), 3) << row.settings;
    }
}

namespace {

// A press as the window system makes it, at a time in ms.
void mousePress(QWidget* control, QPointF at, Qt::MouseButton button, std::uint64_t ms) {
    const QPointF global = control->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, global, button, button, Qt::NoModifier);
    press.setTimestamp(ms);
    QApplication::sendEvent(control, &press);
}

} // namespace

// A press on the other half does nothing, not even rewrite the move number as the other
// side's key does.
TEST_F(MainWindowInput, AClickOnTheHalfOfTheSideToMovePassesItsTurn) {
    enum class Where { LeftName, RightTime, Face, MenuBar };
    const struct {
        bool tap;
        Side toMove;
        Where where;
        bool passes;
        Qt::MouseButton button = Qt::LeftButton;
    } rows[] = {
        {false, Side::Left, Where::LeftName, false},
        {true, Side::Left, Where::LeftName, true},
        {true, Side::Left, Where::Face, true},
        {true, Side::Left, Where::RightTime, false},
        {true, Side::Right, Where::RightTime, true},
        {true, Side::Right, Where::LeftName, false},
        {true, Side::Right, Where::MenuBar, false},
        {true, Side::Left, Where::LeftName, false, Qt::RightButton},
    };
    std::uint64_t ms = 1000;
    for (const auto& row : rows) {
        start(row.tap ? "[input]\ntap=true" : "");
        MainWindow& w = *window;
        w.show();
        if (row.toMove == Side::Right)
            pressKey(w, Qt::Key_Space);
        w.clockFace->moveNumberLabel->setText("x");
        QWidget* const controls[] = {w.clockFace->leftNameLabel, w.clockFace->rightMainTimeLabel,
                                     w.clockFace, w.menuBar()};
        const QPointF at = row.where == Where::MenuBar ? QPointF(w.width() - 20, 5) : QPointF(5, 5);
        mousePress(controls[int(row.where)], at, row.button, ms += 1000);
        EXPECT_EQ(w.game().sideToMove(), row.passes ? opposite(row.toMove) : row.toMove);
        EXPECT_EQ(w.clockFace->moveNumberLabel->text() == "x", !row.passes);
    }
}

TEST_F(MainWindowInput, ATouchOnTheHalfOfTheSideToMovePassesItsTurnOnce) {
    start("[input]\ntap=true");
    window->show();
    const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
    for (Label* label : {window->clockFace->rightMainTimeLabel, window->clockFace->leftNameLabel}) {
        const QPoint at = label->mapTo(window.get(), QPoint(5, 5));
        QTest::touchEvent(window.get(), screen.get()).press(0, at);
        QTest::touchEvent(window.get(), screen.get()).release(0, at);
    }
    EXPECT_EQ(window->game().moveNumber(), 2);
}
