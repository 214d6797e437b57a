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

TEST(KeyPreview, KeysOfOtherWindowsAreNotSeen) {
    PreviewedWindow w;
    QLineEdit other;
    other.show();
    QTest::keyClick(&other, Qt::Key_A);
    EXPECT_TRUE(w.codes.empty());
}
