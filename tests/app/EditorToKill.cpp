// A window that edits a font and then waits to be killed: the journal test
// runs it as a process of its own and ends it with SIGKILL.
//   EditorToKill FONT_FILE | new
// Loads the Hindi font (or makes a new one, which has no file), changes cell (3, 3) of glyph 0, steps with ">>",
// changes cell (5, 5) of glyph 1 on the canvas, writes the journal, prints
// its path and waits.
#include <QApplication>
#include <cstdio>
#include <string_view>

#include "FrmFont.h"

namespace {
void ChangeCell(ledfont::FrmFont& window, int x, int y) {
    const bool lit = window.Canvas().PointAt(10 * x + 5, 10 * y + 5) != ledfont::kBlack;
    if (lit) {
        window.Grid().OffLED(x, y);
    } else {
        window.Grid().OnLED(x, y);
    }
}
}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ledfont::FrmFont window;
    if (std::string_view(argv[1]) == "new") {
        if (!window.NewFont(ledfont::FontMode::Hindi)) return 1;
    } else {
        window.Font().FontFile = argv[1];
        if (!window.LoadFile()) return 1;
    }
    ChangeCell(window, 3, 3);
    window.Transfer().ShowIncClick();
    ChangeCell(window, 5, 5);
    window.WatchChanges();
    std::printf("%s\n", window.Journal().Path().c_str());
    std::fflush(stdout);
    return QApplication::exec();
}
