// The panels beside the layout while the user paints: one paint step (an
// LED lit or put out within a stroke) with the font overview and the sign
// preview open, a 40-character line in the preview, measured through the
// window's own refresh and repaint of both panels. Goal: at most 2 ms, so
// painting stays smooth.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDockWidget>
#include <QTemporaryDir>

#include "FrmFont.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "Question.h"
#include "SignPreview.h"

namespace {

using namespace ledfont;

// 40 characters: letters, vowel signs, an ikaar, conjuncts and spaces.
const char* const kLine = "नमस्ते भारत किताब पढ़ो क्षमा कीजिए मित्र";

void BM_PaintStepWithBothPanels(benchmark::State& state) {
    // No box may wait for a user here: an error box ends the benchmark, a
    // question (the offer of a journal left by a killed run) takes its default.
    MessageBoxInterceptor boxes;
    QuestionInterceptor questions;
    MainWindow window;
    FrmFont& form = window.Form();
    form.Font().FontFile = LEDFONT_SOURCE_DIR "/docs/sample-hindi.txt";
    if (!form.LoadFile() || !boxes.shown().empty()) {
        const QString said = boxes.shown().empty() ? QStringLiteral("Load failed") : boxes.shown()[0].text;
        state.SkipWithError(("cannot load the sample font: " + said.toStdString()).c_str());
        return;
    }
    window.Preview().UseFontFile(FontMode::Jukta, LEDFONT_SOURCE_DIR "/docs/sample-jukta.txt");
    window.Preview().SetText(QString::fromUtf8(kLine));
    form.GoTo(0x15);  // क, which the line uses
    window.show();
    QApplication::processEvents();
    int cell = 0;
    for (auto _ : state) {
        const int x = cell % 8, y = (cell / 8) % 16;
        if ((cell / 128) % 2 == 0) {
            form.Grid().OnLED(x, y);
        } else {
            form.Grid().OffLED(x, y);
        }
        form.History().Record(1);
        ++cell;
        QApplication::processEvents();  // the refresh the step scheduled, and the repaint
    }
    state.counters["columns"] = window.Preview().Line() ? window.Preview().Line()->Columns() : 0;
}
BENCHMARK(BM_PaintStepWithBothPanels)->Unit(benchmark::kMillisecond);

}  // namespace

// The application lives in main, not in a function's static: Qt's own
// objects must not outlive it at exit (the pointing device crashed there).
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window's journal goes to a folder of the run's own: the user's
    // editors are not asked about it, and it cannot ask about theirs.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
