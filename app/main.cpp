#include <QApplication>
#include <cstdio>

#include "EditorStyle.h"
#include "MainWindow.h"

namespace {
bool HasDisplay() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}
}  // namespace

int main(int argc, char* argv[]) {
    // Without a display Qt would abort with a long platform-plugin message.
    if (!HasDisplay()) {
        std::fputs(
            "ledfont-designer: no display found (DISPLAY and WAYLAND_DISPLAY are unset); run it from a desktop "
            "session or under Xvfb\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(LEDFONT_APP_ID));
    ledfont::UseEditorStyle();
    ledfont::MainWindow window;
    window.show();
    return QApplication::exec();
}
