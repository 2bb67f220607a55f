// One paint step of a drag: the mouse event paints a cell and reads the whole
// canvas back into MapBytes. No screen repaint is involved.
#include <benchmark/benchmark.h>

#include "LedGrid.h"

namespace {

constexpr ledfont::PicGeometry kPic{240.0f, 2535.0f, 2535.0f};  // the window's canvas

void BM_DragPaintStep(benchmark::State& state) {
    ledfont::LedCanvas canvas;
    ledfont::LedGrid grid(canvas, kPic);
    ledfont::ByteArray<51> map;
    grid.DrawGrid();
    float x = 5.0f;
    for (auto _ : state) {
        grid.MouseMove(ledfont::kLeftButton, 0, x, 75.0f, map);
        x = x > 150.0f ? 5.0f : x + 3.0f;
        benchmark::DoNotOptimize(map);
    }
}
BENCHMARK(BM_DragPaintStep);

void BM_GetMap(benchmark::State& state) {
    ledfont::LedCanvas canvas;
    ledfont::LedGrid grid(canvas, kPic);
    ledfont::ByteArray<51> map;
    grid.DrawGrid();
    for (auto _ : state) {
        grid.GetMap(map);
        benchmark::DoNotOptimize(map);
    }
}
BENCHMARK(BM_GetMap);

}  // namespace

BENCHMARK_MAIN();
