#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// The window tests run without a screen: the platform is chosen before the
// application object is created, and the user's state folder is left alone.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows' recovery journals go to a folder of the run's own.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
