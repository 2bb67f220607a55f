// How long the Make HEX File command spends building the HEX text in memory,
// and verify reading it back.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "FontState.h"
#include "HexExport.h"
#include "HexVerify.h"
#include "PatternedFont.h"

namespace {

using ledfont::bench::PatternedFont;

void BM_HexImageTextHindi(benchmark::State& s) {
    auto font = PatternedFont(false);
    for (auto _ : s) benchmark::DoNotOptimize(ledfont::HexImageText(*font));
    s.SetBytesProcessed(static_cast<std::int64_t>(s.iterations()) *
                        ledfont::FileItemCount(ledfont::FontMode::Hindi));
}
BENCHMARK(BM_HexImageTextHindi);

void BM_HexImageTextJukta(benchmark::State& s) {
    auto font = PatternedFont(true);
    for (auto _ : s) benchmark::DoNotOptimize(ledfont::HexImageText(*font));
    s.SetBytesProcessed(static_cast<std::int64_t>(s.iterations()) *
                        ledfont::FileItemCount(ledfont::FontMode::Jukta));
}
BENCHMARK(BM_HexImageTextJukta);

// Reading a whole Hindi image back and comparing it with its font (verify).
void BM_VerifyHexImageHindi(benchmark::State& s) {
    auto font = PatternedFont(false);
    const std::string text = ledfont::HexImageText(*font);
    for (auto _ : s) {
        auto problem = ledfont::VerifyHexImage(text, *font, ledfont::FontMode::Hindi);
        if (problem) s.SkipWithError(problem->text.c_str());
        benchmark::DoNotOptimize(problem);
    }
}
BENCHMARK(BM_VerifyHexImageHindi);

}  // namespace

BENCHMARK_MAIN();
