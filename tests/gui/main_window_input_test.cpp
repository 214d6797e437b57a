// The main window's moves as players make them: keys from the settings file.

#include "gui/clock_face.h"
#include "gui/main_window.h"
#include "gui/widgets/label.h"
#include "support/config_home.h"
#include "support/face_folder.h"
#include "support/game.h"

#include <QRegularExpression>
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
