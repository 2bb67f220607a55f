// How long the Make HEX File command spends building the HEX text in memory.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "FontState.h"
#include "HexExport.h"

namespace {

std::unique_ptr<ledfont::FontState> PatternedFont(bool isJukta) {
    auto state = std::make_unique<ledfont::FontState>();
    std::uint32_t x = 2463534242u;
    for (long c = 0; c <= 200; ++c) {
        for (long k = 0; k <= 50; ++k) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            state->FontBytes(c, k) = static_cast<ledfont::Byte>(x);
        }
        state->JuktaCodes(c, 0) = static_cast<ledfont::Byte>(c);
        state->JuktaCodes(c, 1) = static_cast<ledfont::Byte>(255 - c);
    }
    state->IsJukta = isJukta;
    return state;
}

void BM_HexImageTextHindi(benchmark::State& s) {
    auto font = PatternedFont(false);
    for (auto _ : s) benchmark::DoNotOptimize(ledfont::HexImageText(*font));
    s.SetBytesProcessed(static_cast<std::int64_t>(s.iterations()) * 4352);
}
BENCHMARK(BM_HexImageTextHindi);

void BM_HexImageTextJukta(benchmark::State& s) {
    auto font = PatternedFont(true);
    for (auto _ : s) benchmark::DoNotOptimize(ledfont::HexImageText(*font));
    s.SetBytesProcessed(static_cast<std::int64_t>(s.iterations()) * (2176 + 128));
}
BENCHMARK(BM_HexImageTextJukta);

void BM_HexChkSumOfRecord(benchmark::State& s) {
    const ledfont::Byte rec[19] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 16, 0x90, 0x00};
    for (auto _ : s) benchmark::DoNotOptimize(ledfont::HexChkSum(rec, 19));
}
BENCHMARK(BM_HexChkSumOfRecord);

}  // namespace

BENCHMARK_MAIN();
