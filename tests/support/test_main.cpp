#include "gui/widgets/fonts.h"
#include "support/modal.h"

#include <QApplication>
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

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installDefaultFont();
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new NoLeakedWindows);
    return RUN_ALL_TESTS();
}
