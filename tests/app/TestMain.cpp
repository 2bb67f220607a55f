#include <gtest/gtest.h>

#include <QApplication>

// The window tests run without a screen: the platform is chosen before the
// application object is created.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
