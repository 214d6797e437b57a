#include "gui/widgets/key_preview.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

struct PreviewedWindow {
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    std::vector<int> codes;
    bool swallow = false;

    PreviewedWindow() {
        new KeyPreview(&window, [this](QKeyEvent* event) {
            codes.push_back(characterCode(event));
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
    QTest::keyClick(w.edit, Qt::Key_S);
    QTest::keyClick(w.edit, Qt::Key_Space);
    QTest::keyClick(w.edit, Qt::Key_Return);
    QTest::keyClick(w.edit, Qt::Key_Enter); // the keypad's Enter is Enter too
    QTest::keyClick(w.edit, Qt::Key_F2);
    EXPECT_EQ(w.codes, (std::vector<int>{'s', 32, 13, 13, 0}));
    EXPECT_EQ(w.edit->text(), "s "); // and the control still gets what is not swallowed
}

TEST(KeyPreview, ASwallowedKeyNeverReachesTheControl) {
    PreviewedWindow w;
    w.swallow = true;
    QTest::keyClick(w.edit, Qt::Key_A);
    EXPECT_EQ(w.codes, std::vector<int>{'a'});
    EXPECT_EQ(w.edit->text(), "");
}

// Held down, a key that gives commands is one press; other keys repeat as usual.
TEST(KeyPreview, ACommandKeysRepeatsAreNotSeen) {
    PreviewedWindow w;
    for (const int key : {Qt::Key_P, Qt::Key_F2, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter,
                          Qt::Key_S, Qt::Key_F4, Qt::Key_F5, Qt::Key_A}) {
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(w.edit, &repeat);
    }
    EXPECT_EQ(w.codes, std::vector<int>{0});
}

TEST(KeyPreview, KeysOfOtherWindowsAreNotSeen) {
    PreviewedWindow w;
    QLineEdit other;
    other.show();
    QTest::keyClick(&other, Qt::Key_A);
    EXPECT_TRUE(w.codes.empty());
}
