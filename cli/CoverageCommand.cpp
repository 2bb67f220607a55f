#include <cstdio>
#include <optional>

#include "Commands.h"
#include "LoadFontFile.h"
#include "OnFile.h"
#include "ReadableFile.h"
#include "TextCoverage.h"

namespace ledfont::cli {
namespace {

using sign::Fallback;
using sign::JuktaPair;
using sign::LineFonts;
using sign::MeasureCoverage;
using sign::PairWorth;
using sign::TextCoverage;

constexpr std::size_t kLargestText = std::size_t{256} << 20;

// "97.3 %", one decimal; "-" for a share of nothing.
std::string Share(std::size_t part, std::size_t whole) {
    if (whole == 0) return "-";
    char text[16];
    std::snprintf(text, sizeof text, "%.1f %%",
                  100.0 * static_cast<double>(part) / static_cast<double>(whole));
    return text;
}

std::string KindName(const JuktaPair& pair) {
    return pair.IsReph() ? "reph" : pair.IsHalfForm() ? "half form" : "conjunct";
}

std::string Hex(unsigned byte) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}

void ReportFallback(const char* name, const Fallback& fallback, std::size_t clusters, std::ostream& out) {
    out << "  " << name << ": " << fallback.clusters
        << (fallback.clusters == 1 ? " cluster (" : " clusters (") << Share(fallback.clusters, clusters)
        << ')';
    for (std::size_t i = 0; i < fallback.examples.size(); ++i)
        out << (i == 0 ? ": " : " ") << fallback.examples[i];
    out << '\n';
}

void Report(const std::string& name, const TextCoverage& c, bool hasJukta, std::ostream& out) {
    out << name << ": " << c.characters << " characters, " << Share(c.charactersIntended, c.characters)
        << " drawn as intended; " << c.clusters << " clusters, " << Share(c.clustersIntended, c.clusters)
        << " drawn as intended\n"
        << "consonant + virama + consonant: " << c.joinSites << ", " << Share(c.joinSitesJoined, c.joinSites)
        << " drawn without a visible virama\n"
        << "fallbacks:\n";
    ReportFallback("visible virama", c.visibleVirama, c.clusters, out);
    ReportFallback("missing glyph (column count 0)", c.missingGlyph, c.clusters, out);
    ReportFallback("blank glyph", c.blankGlyph, c.clusters, out);
    ReportFallback("placeholder (not Devanagari)", c.placeholder, c.clusters, out);
    if (c.worthAdding.empty()) return;
    out << "most worth adding to the Jukta font" << (hasJukta ? "" : " (none given)")
        << ", with the share of consonant + virama + consonant each would join:\n";
    for (const PairWorth& worth : c.worthAdding)
        out << "  " << worth.pair.Text() << ' ' << Hex(worth.pair.first) << ' ' << Hex(worth.pair.second)
            << "  " << KindName(worth.pair) << ", +" << Share(worth.sites, c.joinSites) << '\n';
}

int RunCoverage(const Arguments& args, Streams& streams) {
    const std::optional<std::string> hindiPath = args.Value("--hindi");
    if (!hindiPath)
        throw MakeError<UsageError>("--hindi FONT is needed: the Hindi font to draw the text with");
    const std::optional<std::string> juktaPath = args.Value("--jukta");
    const std::string& textPath = args.operands[0];
    const std::string text = OnFile(textPath, [&] { return ReadWholeFile(textPath, kLargestText); });
    const FontState hindi = LoadFontFile(*hindiPath, FontMode::Hindi);
    std::optional<FontState> jukta;
    if (juktaPath) jukta = LoadFontFile(*juktaPath, FontMode::Jukta);
    const LineFonts fonts{hindi, jukta ? &*jukta : nullptr};
    const TextCoverage coverage = OnFile(textPath, [&] { return MeasureCoverage(text, fonts); });
    Report(textPath, coverage, juktaPath.has_value(), streams.out);
    return kExitOk;
}

}  // namespace

const Command& CoverageCommand() {
    static const Command command{
        "coverage",
        "coverage TEXTFILE --hindi FONT [--jukta FONT]",
        "tell how the fonts draw a real text, and which conjuncts are worth adding",
        "Composes every line of TEXTFILE (UTF-8) as 'preview' does and tells:\n"
        "  - the share of its characters and of its clusters drawn as intended;\n"
        "  - the share of consonant + virama + consonant drawn without a visible\n"
        "    virama (a conjunct, a half form or the reph; a ZWNJ after the virama\n"
        "    asks for it seen and is left out);\n"
        "  - each way of falling back, with its count and its first clusters: a\n"
        "    visible virama, a missing glyph (column count 0), a blank glyph (no\n"
        "    LED lit), a placeholder (a character neither Devanagari nor a space);\n"
        "  - the conjuncts, half forms and reph most worth adding to the Jukta\n"
        "    font, with the share of consonant + virama + consonant each would\n"
        "    join ('import --jukta --corpus' chooses a whole font this way).\n"
        "Spaces, tabs and line ends part the clusters and are not counted.\n",
        {.operands = {"TEXTFILE"},
         .mode = ModeRule::None,
         .options = {{"--hindi", "FONT"}, {"--jukta", "FONT"}}},
        RunCoverage,
    };
    return command;
}

}  // namespace ledfont::cli
