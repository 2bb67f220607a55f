// Composing a line of 40 characters (target: at most 20 us in the core), with
// the sample Hindi font and the sample Jukta font of conjuncts:
// - in the core, reading a flat controller image as firmware reads its flash;
// - the same, with the line's columns drawn;
// - through the C++ face over the font tables, as the companion composes;
// and the coverage of a megabyte of text.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FontFile.h"
#include "LedLine.h"
#include "LineLayout.h"
#include "ReadableFile.h"
#include "TextCoverage.h"
#include "sign_compose.h"
#include "sign_draw.h"

namespace {

using namespace ledfont;

// "Hello, my dear friend; may tomorrow be a good day": three conjuncts, two ikaar.
const std::string kLine = "नमस्ते मेरे प्रिय मित्र कल का दिन शुभ हो";
constexpr std::size_t kCharacters = 40;

struct SampleFonts {
    SampleFonts() {
        LoadFont(hindi, LEDFONT_SOURCE_DIR "/docs/sample-hindi.txt");
        LoadFontJukta(jukta, LEDFONT_SOURCE_DIR "/docs/sample-jukta.txt");
        // the image a HEX export of the two fonts puts in the controller
        const sign::LineFonts fonts{hindi, &jukta};
        const SignFonts core = fonts.Core();
        const struct {
            std::uint16_t offset;
            std::size_t size;
        } blocks[] = {{SIGN_HINDI_RECORDS, 128 * 34}, {SIGN_JUKTA_RECORDS, 64 * 34}, {SIGN_JUKTA_CODES, 128}};
        for (const auto& block : blocks)
            if (!core.read(core.context, block.offset, image.data() + block.offset, block.size)) std::abort();
    }
    FontState hindi;
    FontState jukta;
    std::array<std::uint8_t, SIGN_JUKTA_CODES + 128> image{};
};

const SampleFonts& Fonts() {
    static const SampleFonts fonts;
    return fonts;
}

int ReadFlash(void* context, std::uint16_t offset, std::uint8_t* bytes, std::size_t count) {
    const auto& image = *static_cast<const std::array<std::uint8_t, SIGN_JUKTA_CODES + 128>*>(context);
    if (offset + count > image.size()) return 0;
    std::memcpy(bytes, image.data() + offset, count);
    return 1;
}

SignFonts FlashFonts() { return {ReadFlash, const_cast<std::uint8_t*>(Fonts().image.data()), 1}; }

// The line's conjuncts are found, or the figures would be of a different line.
bool JoinsConjuncts(const SignGlyph* glyphs, std::size_t count) {
    std::size_t conjuncts = 0;
    for (std::size_t i = 0; i < count; ++i) conjuncts += glyphs[i].font == SIGN_JUKTA;
    return conjuncts == 3;
}

void BM_ComposeALineInTheCore(benchmark::State& s) {
    const SignFonts fonts = FlashFonts();
    SignGlyph glyphs[kCharacters];
    SignWarning warnings[2 * kCharacters];
    SignLine first{};
    first.glyphs = glyphs;
    first.glyph_capacity = kCharacters;
    if (sign_compose_utf8(&fonts, kLine.data(), kLine.size(), 4, &first) != SIGN_OK ||
        !JoinsConjuncts(glyphs, first.glyph_count)) {
        s.SkipWithError("the sample fonts do not compose the line with its three conjuncts");
        return;
    }
    for (auto _ : s) {
        SignLine line{};
        line.glyphs = glyphs;
        line.glyph_capacity = kCharacters;
        line.warnings = warnings;
        line.warning_capacity = 2 * kCharacters;
        if (sign_compose_utf8(&fonts, kLine.data(), kLine.size(), 4, &line) != SIGN_OK)
            s.SkipWithError("failed");
        benchmark::DoNotOptimize(line.columns);
    }
}
BENCHMARK(BM_ComposeALineInTheCore)->Unit(benchmark::kMicrosecond);

void BM_ComposeAndDrawALineInTheCore(benchmark::State& s) {
    const SignFonts fonts = FlashFonts();
    SignGlyph glyphs[kCharacters];
    std::uint8_t columns[2 * 16 * kCharacters];
    for (auto _ : s) {
        SignLine line{};
        line.glyphs = glyphs;
        line.glyph_capacity = kCharacters;
        if (sign_compose_utf8(&fonts, kLine.data(), kLine.size(), 4, &line) != SIGN_OK ||
            sign_draw(&fonts, glyphs, line.glyph_count, 0, columns, static_cast<std::size_t>(line.columns)) !=
                SIGN_OK)
            s.SkipWithError("failed");
        benchmark::DoNotOptimize(columns);
    }
}
BENCHMARK(BM_ComposeAndDrawALineInTheCore)->Unit(benchmark::kMicrosecond);

void BM_LayOutAndDrawALineThroughTheFace(benchmark::State& s) {
    const sign::LineFonts fonts{Fonts().hindi, &Fonts().jukta};
    for (auto _ : s) {
        const sign::LedLine line = sign::DrawLine(sign::LayOutLine(kLine, fonts, 4), fonts);
        benchmark::DoNotOptimize(line.Columns());
    }
}
BENCHMARK(BM_LayOutAndDrawALineThroughTheFace)->Unit(benchmark::kMicrosecond);

// ledfont coverage's work on a megabyte of prose (target: at most 1 s): the
// shipped Hindi text, repeated.
void BM_CoverageOfAMegabyte(benchmark::State& s) {
    const std::string prose = ReadWholeFile(LEDFONT_SOURCE_DIR "/cli/data/corpus/hindi-prose.txt", 1 << 20);
    std::string text;
    while (text.size() < (1u << 20)) text += prose;
    const sign::LineFonts fonts{Fonts().hindi, &Fonts().jukta};
    for (auto _ : s) {
        const sign::TextCoverage coverage = sign::MeasureCoverage(text, fonts);
        if (coverage.joinSites == 0) s.SkipWithError("the text has no consonant + virama + consonant");
        benchmark::DoNotOptimize(coverage.joinSitesJoined);
    }
    s.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_CoverageOfAMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
