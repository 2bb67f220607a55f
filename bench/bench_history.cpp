// The editing history. In the editor: the undo and the redo of one step (a
// stroke on the glyph being edited, and the store of a step with its move to
// the next glyph), as the window's history replays them; goal at most 10 µs.
// In the window: what 10 000 strokes of history hold in memory, QUndoStack
// and all; goal at most 2 MB.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <memory>

#include "EditStep.h"
#include "FrmFont.h"

namespace {

using namespace ledfont;

// The glyph controls as plain values: the editor needs nothing else to replay.
class PlainControls : public GlyphControls {
public:
    void SelectClass(GlyphClass c) override { class_ = c; }
    bool IsClassSelected(GlyphClass c) const override { return class_ == c; }
    int ColsListIndex() const override { return cols_; }
    void SetColsListIndex(int index) override { cols_ = index; }
    int CentreListIndex() const override { return centre_; }
    void SetCentreListIndex(int index) override { centre_ = index; }
    void SetCentreMarkerLeft(float) override {}
    void SetLocCaption(const std::string&) override {}
    std::string JuktaText(int) const override { return {}; }
    void SetJuktaText(int, const std::string&) override {}

private:
    GlyphClass class_ = GlyphClass::Consonant;
    int cols_ = 7;
    int centre_ = 0;
};

struct Editor {
    FontState font;
    LedCanvas canvas;
    LedGrid grid{canvas, PicGeometry{240.0f, 2535.0f, 2535.0f}};
    PlainControls controls;
    GlyphTransfer transfer{font, grid, controls};
    Editor() {
        for (int c = 0; c < 128; ++c) {
            font.FontBytes(c, 0) = 10;
            font.FontBytes(c, 1) = 1;
            for (int k = 2; k < 34; ++k) font.FontBytes(c, k) = static_cast<Byte>(c * 7 + k);
        }
        transfer.LoadCharacter(0);
    }
};

void BM_UndoRedoStroke(benchmark::State& state) {
    Editor editor;
    GlyphEditStep step{0, 1, editor.transfer.ReadEditorGlyph().record, {}};
    step.after = step.before;
    for (int k = 2; k < 34; ++k) step.after[static_cast<std::size_t>(k)] ^= 0x11;
    for (auto _ : state) {
        step.Apply(editor.font, editor.transfer);   // redo
        step.Revert(editor.font, editor.transfer);  // undo
    }
    state.SetItemsProcessed(2 * state.iterations());  // one undo or redo per item
}
BENCHMARK(BM_UndoRedoStroke)->Unit(benchmark::kMicrosecond);

void BM_UndoRedoStoreAndStep(benchmark::State& state) {
    Editor editor;
    StoreStep step{0, 1, StoreStep::RecordOf(editor.font, 0), StoreStep::RecordOf(editor.font, 0), {}, {}};
    step.recordAfter[5] ^= 0xFF;
    for (auto _ : state) {
        step.Apply(editor.font, editor.transfer);
        step.Revert(editor.font, editor.transfer);
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_UndoRedoStoreAndStep)->Unit(benchmark::kMicrosecond);

// Heap in use, as the allocator counts it (its own overhead included).
std::size_t HeapInUse() { return mallinfo2().uordblks; }

void BM_HistoryOf10000Strokes(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "bench_history";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    FrmFont window;
    for (auto _ : state) {
        window.History().Clear();
        const std::size_t before = HeapInUse();
        for (int stroke = 1; stroke <= 10000; ++stroke) {
            const int cell = stroke % 256;
            if (stroke % 512 < 256) {
                window.Grid().OnLED(cell % 16, cell / 16);
            } else {
                window.Grid().OffLED(cell % 16, cell / 16);
            }
            window.History().Record(stroke);
        }
        const std::size_t after = HeapInUse();
        state.counters["steps"] = static_cast<double>(window.History().Stack().count());
        state.counters["MB"] = static_cast<double>(after - before) / (1024.0 * 1024.0);
    }
}
BENCHMARK(BM_HistoryOf10000Strokes)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
