#include "core/game_clock.h"
#include "gui/command_keys.h"
#include "gui/widgets/key_preview.h"
#include "support/fake_services.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct PreviewedWindow {
    FakeServices fakes;
    GameClock game{fakes.wallClock, fakes.audio};
    InputLayer input{game, defaultKeyBindings()};
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    std::vector<int> keys;
    std::vector<std::optional<Command>> commands;
    bool swallow = false;

    PreviewedWindow() {
        new KeyPreview(&window, input,
                       [this](std::optional<Command> command, const QKeyEvent& key) {
                           keys.push_back(key.key());
                           commands.push_back(command);
                           return swallow;
                       });
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
    }
};

} // namespace

TEST(KeyPreview, TheWindowSeesAKeyOnceBeforeTheFocusedControl) {
    PreviewedWindow w;
    for (const Qt::Key key : {Qt::Key_S, Qt::Key_Space, Qt::Key_Return, Qt::Key_F2})
        QTest::keyClick(w.edit, key);
    EXPECT_EQ(w.keys, (std::vector<int>{Qt::Key_S, Qt::Key_Space, Qt::Key_Return, Qt::Key_F2}));
    // With no game, only the settings are offered.
    EXPECT_EQ(w.commands, (std::vector<std::optional<Command>>{Command::OpenSettings, {}, {}, {}}));
    EXPECT_EQ(w.edit->text(), "s "); // and the control still gets what is not swallowed
}

TEST(KeyPreview, ASwallowedKeyNeverReachesTheControl) {
    PreviewedWindow w;
    w.swallow = true;
    QTest::keyClick(w.edit, Qt::Key_A);
    EXPECT_EQ(w.keys, std::vector<int>{Qt::Key_A});
    EXPECT_EQ(w.edit->text(), "");
}

// Held down, a key that gives commands is one press; other keys repeat as usual.
TEST(KeyPreview, ACommandKeysRepeatsAreNotSeen) {
    PreviewedWindow w;
    for (const int key : {Qt::Key_P, Qt::Key_Space, Qt::Key_A}) {
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(w.edit, &repeat);
    }
    EXPECT_EQ(w.keys, std::vector<int>{Qt::Key_A});
}

TEST(KeyPreview, KeysOfOtherWindowsAreNotSeen) {
    PreviewedWindow w;
    QLineEdit other;
    other.show();
    QTest::keyClick(&other, Qt::Key_A);
    EXPECT_TRUE(w.keys.empty());
}
