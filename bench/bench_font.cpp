// How long loading and saving a font text file take, and that a load from a
// large file costs no more memory than one from a small file.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "Error.h"
#include "FontFile.h"
#include "FontState.h"
#include "PatternedFont.h"

namespace {

using ledfont::bench::PatternedFont;

// The load's own work, without the file: the text is read from memory.
void LoadFromText(ledfont::FontState& state, ledfont::FontMode mode, const std::string& text) {
    ledfont::ItemReader reader = ledfont::ItemReader::OverText(text);
    ledfont::LoadFontItems(state, mode, reader);
}

void BM_LoadFontTextHindi(benchmark::State& s) {
    const std::string text = ledfont::FontText(*PatternedFont(false));
    auto state = std::make_unique<ledfont::FontState>();
    for (auto _ : s) {
        LoadFromText(*state, ledfont::FontMode::Hindi, text);
        benchmark::ClobberMemory();
    }
    s.SetBytesProcessed(s.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_LoadFontTextHindi)->Unit(benchmark::kMicrosecond);

void BM_LoadFontTextJukta(benchmark::State& s) {
    const std::string text = ledfont::FontText(*PatternedFont(true));
    auto state = std::make_unique<ledfont::FontState>();
    for (auto _ : s) {
        LoadFromText(*state, ledfont::FontMode::Jukta, text);
        benchmark::ClobberMemory();
    }
    s.SetBytesProcessed(s.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_LoadFontTextJukta)->Unit(benchmark::kMicrosecond);

void BM_FontTextHindi(benchmark::State& s) {
    const auto state = PatternedFont(false);
    std::size_t bytes = 0;
    for (auto _ : s) {
        std::string text = ledfont::FontText(*state);
        bytes = text.size();
        benchmark::DoNotOptimize(text);
    }
    s.SetBytesProcessed(s.iterations() * static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_FontTextHindi)->Unit(benchmark::kMicrosecond);

long PeakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;  // KiB on Linux
}

// A file of megabytes MB that begins with head. The rest is a hole, which
// costs no disk: the load must stop long before it, so what the hole holds
// (zero bytes) is never read.
std::string WriteLargeFile(const std::string& name, const std::string& head, long megabytes) {
    const char* tmp = std::getenv("TMPDIR");
    const std::string path = std::string(tmp && *tmp ? tmp : "/tmp") + "/ledfont-bench-" +
                             std::to_string(getpid()) + "-" + name + ".txt";
    { std::ofstream(path, std::ios::binary) << head; }
    if (truncate(path.c_str(), static_cast<off_t>(megabytes) << 20) != 0) std::remove(path.c_str());
    return path;
}

// A Hindi font followed by filler items, then the hole.
std::string WriteLargeFont(long megabytes) {
    std::string head = ledfont::FontText(*PatternedFont(false));
    while (head.size() < (1 << 16)) head += "255\r\n";
    return WriteLargeFile(std::to_string(megabytes), head, megabytes);
}

// Loads from files of growing size; the peak resident size must not move.
void BM_LoadFontFromLargeFile(benchmark::State& s) {
    const std::string path = WriteLargeFont(s.range(0));
    auto state = std::make_unique<ledfont::FontState>();
    ledfont::LoadFont(*state, path);  // warm up: first-use allocations are not the file's doing
    const long before = PeakRssKiB();
    for (auto _ : s) ledfont::LoadFont(*state, path);
    const long after = PeakRssKiB();
    std::remove(path.c_str());
    s.counters["file_MB"] = static_cast<double>(s.range(0));
    s.counters["peak_rss_KiB"] = static_cast<double>(after);
    s.counters["peak_rss_growth_KiB"] = static_cast<double>(after - before);
}
BENCHMARK(BM_LoadFontFromLargeFile)->Arg(1)->Arg(64)->Arg(256)->Unit(benchmark::kMicrosecond);

// A file that is one endless line is refused at its first item, without
// reading it whole.
void BM_LoadFontRefusesOneHugeLine(benchmark::State& s) {
    const std::string path = WriteLargeFile("line", std::string(1 << 16, '7'), s.range(0));
    auto state = std::make_unique<ledfont::FontState>();
    const long before = PeakRssKiB();
    for (auto _ : s) {
        try {
            ledfont::LoadFont(*state, path);
        } catch (const ledfont::TypeMismatchError&) {
        }
    }
    const long after = PeakRssKiB();
    std::remove(path.c_str());
    s.counters["file_MB"] = static_cast<double>(s.range(0));
    s.counters["peak_rss_growth_KiB"] = static_cast<double>(after - before);
}
BENCHMARK(BM_LoadFontRefusesOneHugeLine)->Arg(64)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
