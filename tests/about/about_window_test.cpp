#include "about/about_window.h"
#include "clock/main_window.h"
#include "platform/app_info.h"
#include "platform/label.h"
#include "support/fakes.h"
#include "support/working_folder.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(AboutWindow, VersionLineHasPlainNumbers) {
    EXPECT_EQ(versionLine(7, 3, 0), "ﾊﾞｰｼﾞｮﾝ 7.3.0");
    EXPECT_EQ(versionLine(10, 0, 12), "ﾊﾞｰｼﾞｮﾝ 10.0.12");
}

TEST(AboutWindow, ShowsTitleVersionDescriptionAndWarning) {
    frmAbout about(nullptr);
    EXPECT_EQ(about.windowTitle(), QString::fromUtf8(app_info::kTitle) + "のﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(about.lblTitle->text(), QString::fromUtf8(app_info::kTitle));
    EXPECT_EQ(about.lblVersion->text(),
              versionLine(app_info::kMajor, app_info::kMinor, app_info::kRevision));
    EXPECT_EQ(about.lblDescription->text(), "バンクロです。");
    EXPECT_EQ(about.lblDisclaimer->text(), "警告: ...将棋のやりすぎには注意しましょう。");
    EXPECT_EQ(about.size(), QSize(382, 181));
    EXPECT_TRUE(about.cmdOK->isDefault());
}

// The about window opened from the menu closes with each of OK, Enter and Esc, and leaves
// the clock state as it was.
TEST(AboutWindow, MenuOpensItModallyAndOkEnterAndEscCloseIt) {
    WorkingFolder folder;
    FakePlatform fakes;
    frmMain main(fakes.platform);
    ASSERT_TRUE(main.Form_Load());
    main.show();
    const std::function<void(QWidget*)> closers[] = {
        [](QWidget* w) { QTest::mouseClick(w->findChild<QPushButton*>("cmdOK"), Qt::LeftButton); },
        [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); },
        [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); },
    };
    for (const auto& close : closers) {
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            wasModal = qobject_cast<frmAbout*>(modal) != nullptr;
            if (modal)
                close(modal);
        });
        main.mnuVer->trigger();
        EXPECT_TRUE(wasModal);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_EQ(main.t1, ClockTime::fromHms(0, 10, 0));
    EXPECT_EQ(main.c1, 0);
}
