// A program that starts, shows one window, draws it once and ends: the
// editor's main window (its panels open, as a user starts it, or closed with
// the argument "without-panels"), or with LEDFONT_PLAIN_WINDOW a plain Qt
// window of the same size that says hello (text, so the fonts are loaded as
// for any window a user reads), for bench_startup to compare.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWindow>

#ifndef LEDFONT_PLAIN_WINDOW
#include "EditorStyle.h"
#include "MainWindow.h"
#endif

namespace {
class ExposedThenQuit : public QObject {
public:
    bool eventFilter(QObject* window, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(window)->isExposed())
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);  // once the exposure is painted
        return false;
    }
};
}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
#ifdef LEDFONT_PLAIN_WINDOW
    QLabel window(QStringLiteral("Hello"));
    window.resize(995, 270);
#else
    ledfont::UseEditorStyle();  // as the editor starts
    ledfont::MainWindow window;
    if (argc > 1 && QString::fromLatin1(argv[1]) == QStringLiteral("without-panels")) window.ShowPanels(false);
#endif
    window.show();
    // The first drawing as the window system asks for it: the window is
    // painted into its backing store when it is exposed, and then the program
    // ends.
    ExposedThenQuit ending;
    window.windowHandle()->installEventFilter(&ending);
    return QApplication::exec();
}
