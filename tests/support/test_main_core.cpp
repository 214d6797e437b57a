#include <QCoreApplication>
#include <gtest/gtest.h>

// The model needs no window, so its tests run without a GUI application.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
