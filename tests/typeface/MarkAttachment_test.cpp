// Where the import puts marks, on the real typeface: a consonant with a mark,
// composed by the sign from an imported font, has the mark in the columns
// where HarfBuzz and FreeType draw it for the same syllable at the import's size.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "ConjunctShaper.h"
#include "DefaultTypeface.h"
#include "FontImporter.h"
#include "LedLine.h"
#include "LineLayout.h"

namespace ledfont::test {
namespace {

using Pixels = std::set<std::pair<int, int>>;  // (column, row 0..15)

// How far right of the consonant's leftmost column the mark's ink starts: the
// mark is what is lit below the baseline or above the headline (the row the
// consonant lights most).
int MarkOffset(const Pixels& lit, int baselineRow, bool below) {
    std::map<int, int> perRow;
    int left = 16;
    for (const auto& [x, y] : lit) ++perRow[y], left = std::min(left, x);
    const int headline = std::max_element(perRow.begin(), perRow.end(), [](auto& a, auto& b) {
                             return a.second < b.second;
                         })->first;
    int markLeft = 99;
    for (const auto& [x, y] : lit)
        if (below ? y >= baselineRow : y < headline) markLeft = std::min(markLeft, x);
    return markLeft - left;
}

TEST(ImportedMarks, StandWhereHarfBuzzPutsThemOnTheirConsonant) {
    if (!std::filesystem::exists(LEDFONT_DEFAULT_TYPEFACE))
        GTEST_SKIP() << "the default typeface " << LEDFONT_DEFAULT_TYPEFACE << " is not installed";
    cli::ImportRequest request;
    request.typeface = LEDFONT_DEFAULT_TYPEFACE;
    const cli::ImportOutcome outcome = cli::FontImporter(request).Run();
    const sign::LineFonts fonts{outcome.font};

    cli::Typeface typeface(request.typeface, request.render);
    typeface.SetPixelSize(outcome.size);
    cli::ConjunctShaper shaper(typeface);
    // ु and ू below, े ै ं ँ above, on consonants with the stem on the right, in the middle, none.
    // One centre column a consonant serves every mark; where the typeface
    // attaches one a column off the others the sign is that column off.
    int pairs = 0, exact = 0;
    for (const char* consonant : {"क", "स", "ब", "म", "ल", "प", "न", "त", "ग", "द", "ह", "ज"})
        for (const char* mark : {"ु", "ू", "े", "ै", "ं", "ँ"}) {
            const std::string text = std::string(consonant) + mark;
            const bool below = std::string(mark) == "ु" || std::string(mark) == "ू";
            const sign::LedLine line = sign::DrawLine(sign::LayOutLine(text, fonts, 4), fonts);
            Pixels drawn;
            for (int x = 0; x < line.Columns(); ++x)
                for (int y = 0; y < 16; ++y)
                    if (line.IsLit(x, y)) drawn.insert({x, y});
            const std::optional<cli::GlyphInk> ink = shaper.Draw(text);
            ASSERT_TRUE(ink.has_value()) << text;
            Pixels typeset;
            for (const cli::InkPixel& p : ink->lit) typeset.insert({p.x, outcome.baseline - 1 - p.y});
            const int offset = MarkOffset(drawn, outcome.baseline, below);
            const int wanted = MarkOffset(typeset, outcome.baseline, below);
            EXPECT_LE(std::abs(offset - wanted), 1) << text << ": drawn " << offset << ", typeset " << wanted;
            ++pairs;
            exact += offset == wanted;
        }
    EXPECT_GE(10 * exact, 9 * pairs) << exact << " of " << pairs << " marks where HarfBuzz puts them";
}

}  // namespace
}  // namespace ledfont::test
