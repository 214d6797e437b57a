#include "gui/widgets/fonts.h"
#include "support/modal.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace {

// No window may outlive the test that made it.
class NoLeakedWindows : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override {
        dropWaitingModalActions();
        QApplication::processEvents();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty())
            << QApplication::topLevelWidgets().size() << " top-level widgets left open";
    }
};

// Windows open on an offscreen full-HD screen, as on a club's laptop; a small old screen
// stands beside it.
constexpr char kScreen[] = R"({"screens": [{"name": "full-hd", "x": 0, "y": 0, "width": 1920,
    "height": 1080, "logicalDpi": 96, "logicalBpi": 96, "dpr": 1}, {"name": "small",
    "x": 1920, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "logicalBpi": 96,
    "dpr": 1}]})";

} // namespace

int main(int argc, char* argv[]) {
    // No window reads or writes the user's own settings; a test wanting some makes its own.
    const QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    QTemporaryFile screen;
    if (!screen.open() || screen.write(kScreen) < 0 || !screen.flush())
        return EXIT_FAILURE;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screen.fileName()));
    QApplication app(argc, argv);
    installDefaultFont();
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new NoLeakedWindows);
    return RUN_ALL_TESTS();
}
