// Where the import puts marks, on the real typeface: a consonant with a mark,
// composed by the sign from an imported font, has the mark in the columns
// where HarfBuzz and FreeType draw it for the same syllable at the import's size;
// so are the marks of an imported Jukta font (reph, rakar, ें) on letters.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <iterator>
#include <set>
#include <tuple>
#include <utility>

#include "ConjunctShaper.h"
#include "DefaultTypeface.h"
#include "ConjunctList.h"
#include "FontImporter.h"
#include "LedLine.h"
#include "LineLayout.h"
#include "Utf8.h"

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

Pixels Drawn(const std::string& text, const sign::LineFonts& fonts) {
    const sign::LedLine line = sign::DrawLine(sign::LayOutLine(text, fonts, 4), fonts);
    Pixels drawn;
    for (int x = 0; x < line.Columns(); ++x)
        for (int y = 0; y < 16; ++y)
            if (line.IsLit(x, y)) drawn.insert({x, y});
    Pixels shifted;  // its leftmost column at 0
    const int left = drawn.empty() ? 0 : std::min_element(drawn.begin(), drawn.end())->first;
    for (const auto& [x, y] : drawn) shifted.insert({x - left, y});
    return shifted;
}

// HarfBuzz's ink of text in the grid's rows, its leftmost column at 0 (as Drawn's).
Pixels Typeset(cli::ConjunctShaper& shaper, const std::string& text, int baselineRow) {
    const std::optional<cli::GlyphInk> ink = shaper.Draw(text);
    Pixels typeset;
    if (!ink || ink->Empty()) return typeset;
    for (const cli::InkPixel& p : ink->lit) typeset.insert({p.x - ink->Bounds().left, baselineRow - 1 - p.y});
    return typeset;
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
            const Pixels drawn = Drawn(text, fonts);
            const Pixels typeset = Typeset(shaper, text, outcome.baseline);
            ASSERT_FALSE(typeset.empty()) << text;
            const int offset = MarkOffset(drawn, outcome.baseline, below);
            const int wanted = MarkOffset(typeset, outcome.baseline, below);
            EXPECT_LE(std::abs(offset - wanted), 1) << text << ": drawn " << offset << ", typeset " << wanted;
            ++pairs;
            exact += offset == wanted;
        }
    EXPECT_GE(10 * exact, 9 * pairs) << exact << " of " << pairs << " marks where HarfBuzz puts them";
}

// The marks of the Jukta font, drawn once with one letter, on others: the
// reph over the right end, the rakar on the stem, ें stacked; and रु joined.
TEST(ImportedMarks, TheJuktaFontsMarksDrawTheSyllableAsHarfBuzzDoes) {
    if (!std::filesystem::exists(LEDFONT_DEFAULT_TYPEFACE))
        GTEST_SKIP() << "the default typeface " << LEDFONT_DEFAULT_TYPEFACE << " is not installed";
    cli::ImportRequest request;
    request.typeface = LEDFONT_DEFAULT_TYPEFACE;
    const cli::ImportOutcome hindi = cli::FontImporter(request).Run();
    request.mode = FontMode::Jukta;
    for (const char* entry : {"र्", "्र", "ें", "ैं", "रु", "रू"})
        request.conjuncts.push_back({entry, 0, 0, 0, cli::KindOf(*sign::DecodeUtf8(entry))});
    for (cli::Conjunct& c : request.conjuncts) std::tie(c.first, c.second) = *cli::DefaultCodePair(*sign::DecodeUtf8(c.text));
    const cli::ImportOutcome jukta = cli::FontImporter(request).Run();
    const sign::LineFonts fonts{hindi.font, &jukta.font};

    cli::Typeface typeface(request.typeface, request.render);
    typeface.SetPixelSize(hindi.size);
    cli::ConjunctShaper shaper(typeface);
    // What a syllable lights and its letter alone does not: its marks, where they stand.
    const auto corner = [](const Pixels& with, const Pixels& without) {
        std::pair<int, int> c{99, 99};
        for (const auto& [x, y] : with)
            if (!without.count({x, y})) c = {std::min(c.first, x), std::min(c.second, y)};
        return c;
    };
    int marks = 0, exact = 0;
    for (const auto& [text, letter] : std::initializer_list<std::pair<const char*, const char*>>{
             {"र्क", "क"}, {"र्म", "म"}, {"र्प", "प"}, {"र्स", "स"}, {"ग्र", "ग"}, {"भ्र", "भ"},
             {"कें", "क"}, {"में", "म"}, {"सें", "स"}, {"हैं", "ह"}}) {
        const auto drawn = corner(Drawn(text, fonts), Drawn(letter, fonts));
        const auto typeset = corner(Typeset(shaper, text, hindi.baseline), Typeset(shaper, letter, hindi.baseline));
        ASSERT_NE(drawn.first, 99) << text << " draws nothing on " << letter;
        EXPECT_LE(std::abs(drawn.first - typeset.first), 1) << text << ": column " << drawn.first << ", typeset " << typeset.first;
        EXPECT_EQ(drawn.second, typeset.second) << text << ": row " << drawn.second << ", typeset " << typeset.second;
        ++marks;
        exact += drawn == typeset;
    }
    // One centre column a letter serves every mark: some stand a column off.
    EXPECT_GE(10 * exact, 8 * marks) << exact << " of " << marks << " marks where HarfBuzz puts them";
    for (const char* text : {"रु", "रू"}) {
        const Pixels drawn = Drawn(text, fonts);
        const Pixels typeset = Typeset(shaper, text, hindi.baseline);
        Pixels apart;  // the headline's last column, which a letter leaves to the next, at most
        std::set_symmetric_difference(drawn.begin(), drawn.end(), typeset.begin(), typeset.end(),
                                      std::inserter(apart, apart.begin()));
        EXPECT_LE(apart.size(), 2u) << text << " is the typeface's own glyph: " << apart.size() << " LEDs differ";
    }
}

}  // namespace
}  // namespace ledfont::test
