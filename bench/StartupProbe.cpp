// A program that starts, shows one window, draws it once and ends: the
// editor's main window (its panels open, as a user starts it, or closed with
// the argument "without-panels"), or with LEDFONT_PLAIN_WINDOW a plain Qt
// window of the same size that says hello (text, so the fonts are loaded as
// for any window a user reads), for bench_startup to compare.
#include <QApplication>
#include <QLabel>
#include <QTimer>

#ifndef LEDFONT_PLAIN_WINDOW
#include "EditorStyle.h"
#include "MainWindow.h"
#endif

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
    // The first drawing, which the offscreen platform would not wait for.
    QTimer::singleShot(0, &application, [&window] {
        window.grab();
        QApplication::quit();
    });
    return QApplication::exec();
}
