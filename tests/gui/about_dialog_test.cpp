#include "app_info.h"
#include "gui/about_dialog.h"
#include "gui/clock_face.h"
#include "gui/main_window.h"
#include "gui/widgets/label.h"
#include "support/face_folder.h"
#include "support/fake_services.h"
#include "support/game.h"
#include "support/modal.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(AboutDialog, TheVersionLineHasPlainNumbers) {
    EXPECT_EQ(versionLine(7, 3, 0), "ﾊﾞｰｼﾞｮﾝ 7.3.0");
    EXPECT_EQ(versionLine(10, 0, 12), "ﾊﾞｰｼﾞｮﾝ 10.0.12");
}

TEST(AboutDialog, ShowsTitleVersionDescriptionAndWarning) {
    AboutDialog about(nullptr);
    const QString title = QString::fromUtf8(app_info::kTitle);
    EXPECT_EQ(about.windowTitle(), title + "のﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(about.titleLabel->text(), title);
    EXPECT_EQ(about.versionLabel->text(),
              versionLine(app_info::kMajor, app_info::kMinor, app_info::kRevision));
    EXPECT_EQ(about.descriptionLabel->text(), "バンクロです。");
    EXPECT_EQ(about.warningLabel->text(), "警告: ...将棋のやりすぎには注意しましょう。");
    EXPECT_EQ(about.size(), QSize(382, 181));
    EXPECT_TRUE(about.okButton->isDefault());
}

TEST(AboutDialog, TheMenuOpensItModallyAndOkEnterAndEscCloseIt) {
    FaceFolder folder;
    FakeServices fakes;
    OwnedGame model{fakes.wallClock, fakes.audio};
    MainWindow w(model.game, model.record, fakes.services);
    ASSERT_TRUE(w.startUp());
    w.show();
    const struct {
        const char* what;
        std::function<void(AboutDialog&)> close;
    } closers[] = {
        {"OK", [](AboutDialog& about) { QTest::mouseClick(about.okButton, Qt::LeftButton); }},
        {"Enter", [](AboutDialog& about) { QTest::keyClick(&about, Qt::Key_Return); }},
        {"Esc", [](AboutDialog& about) { QTest::keyClick(&about, Qt::Key_Escape); }},
    };
    for (const auto& closer : closers) {
        bool shown = false;
        onModal<AboutDialog>([&](AboutDialog& about) {
            shown = true;
            closer.close(about);
            EXPECT_FALSE(about.isVisible()) << closer.what;
            if (about.isVisible())
                about.reject(); // so that a failure does not hang the suite
        });
        w.aboutAction->trigger();
        EXPECT_TRUE(shown) << closer.what;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << closer.what;
    }
}
