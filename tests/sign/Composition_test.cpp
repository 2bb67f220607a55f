// The composition of a line, on small fonts built here whose glyphs each light
// one row across their columns, so every row of a line tells where one glyph
// landed. Each line goes through the C++ face (UTF-8) and through the core's
// entry for code points, which must agree.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GlyphRecord.h"
#include "LedLine.h"
#include "LineLayout.h"
#include "TextCoverage.h"
#include "Utf8.h"
#include "sign_compose.h"
#include "sign_draw.h"

namespace ledfont::test {
namespace {

using sign::LineFonts;

constexpr int kConsonant = 0, kVowel = 1, kIkaar = 2;

// Glyph c: n columns, its class and centre, dark but for row `row` across its columns (none for -1).
void Shape(FontState& font, int c, int n, int glyphClass, int centre, int row) {
    GlyphRecord record(font.FontBytes, c);
    record.SetColumnCount(static_cast<Byte>(n));
    record.SetClassAndCentre(glyphClass, centre);
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) record.SetLit(x, y, y == row && x < n);
}

FontState HindiFont() {
    FontState font;
    for (int c = 0; c < 128; ++c) Shape(font, c, 3, kConsonant, 1, -1);
    Shape(font, 0x15, 3, kConsonant, 1, 0);  // क
    Shape(font, 0x38, 4, kConsonant, 2, 2);  // स
    Shape(font, 0x24, 3, kConsonant, 1, 3);  // त
    Shape(font, 0x30, 3, kConsonant, 1, 1);  // र
    Shape(font, 0x4D, 3, kConsonant, 1, 4);  // virama
    Shape(font, 0x3F, 3, kIkaar, 1, 5);      // ि
    Shape(font, 0x3C, 3, kVowel, 1, 12);     // nukta, a mark as an import makes it
    Shape(font, 0x41, 3, kVowel, 1, 15);     // ु
    Shape(font, 0x5C, 4, kConsonant, 1, 12); // ड़, which ड (dark) and a nukta also write
    Shape(font, 0x44, 20, kVowel, 1, 9);     // ॄ, wider than a glyph
    Shape(font, 0x3E, 3, kConsonant, 1, 13); // ा
    Shape(font, 0x40, 5, kConsonant, 3, 10); // ी, reaching 2 columns left of its centre column
    Shape(font, 0x49, 6, kConsonant, 1, 8);  // ॉ, lit 3 columns right of its column count 3:
    font.FontBytes(0x49, 0) = 3;
    return font;
}

// Glyph 0 is स्त (38 24), glyph 1 त्र (24 30), 2 the half form स् (38 4D), 3
// the reph (30 4D), a mark, 4 ज़्य (5B 2F), 5 र्त (30 24), 6 the rakar (4D 30),
// a mark, 7 रु (30 41), 8 ें (47 02), a mark; no other pair is of two consonants.
FontState JuktaFont() {
    FontState font;
    font.IsJukta = true;
    for (int c = 0; c < 64; ++c) {
        Shape(font, c, 3, kConsonant, 1, -1);
        font.JuktaCodes(c, 0) = 0x01;
        font.JuktaCodes(c, 1) = static_cast<Byte>(c + 1);
    }
    Shape(font, 0, 6, kConsonant, 2, 6);
    font.JuktaCodes(0, 0) = 0x38;
    font.JuktaCodes(0, 1) = 0x24;
    Shape(font, 1, 5, kConsonant, 2, 7);
    font.JuktaCodes(1, 0) = 0x24;
    font.JuktaCodes(1, 1) = 0x30;
    const int more[][6] = {{2, 3, kConsonant, 1, 0x38, 0x4D},
                           {3, 3, kVowel, 1, 0x30, 0x4D},
                           {4, 5, kConsonant, 2, 0x5B, 0x2F},
                           {5, 4, kConsonant, 2, 0x30, 0x24},
                           {6, 3, kVowel, 1, 0x4D, 0x30},
                           {7, 4, kConsonant, 2, 0x30, 0x41},
                           {8, 3, kVowel, 1, 0x47, 0x02}};
    const int rows[] = {8, 10, 11, 14, 9, 7, 6};
    for (int i = 0; i < 7; ++i) {
        Shape(font, more[i][0], more[i][1], more[i][2], more[i][3], rows[i]);
        font.JuktaCodes(more[i][0], 0) = static_cast<Byte>(more[i][4]);
        font.JuktaCodes(more[i][0], 1) = static_cast<Byte>(more[i][5]);
    }
    return font;
}

struct LineCase {
    const char* name;
    const char* text;
    int columns;
    std::vector<std::pair<int, std::string>> rows;  // the rows that are not all dark
    std::vector<std::string> notes = {};

    friend void PrintTo(const LineCase& c, std::ostream* out) { *out << c.name; }
};

const LineCase kLines[] = {
    {"AnIkaarAfterADanglingViramaStandsWhereItIs",
     "क्ि",
     9,
     {{0, "###......"}, {4, "...###..."}, {5, "......###"}}},
    {"ANuktaKeepsItsConsonantInTheClusterAnIkaarGoesBefore",
     "क\u093Cि",
     6,
     {{0, "...###"}, {5, "###..."}, {12, "...###"}}},
    {"AJoinedConsonantJoinsNothingMore",
     "त्र्क",
     11,
     {{0, "........###"}, {4, ".....###..."}, {7, "#####......"}}},
    {"AConjunctGoesBeforeAHalfForm", "स्त", 6, {{6, "######"}}},
    {"WithoutAConjunctTheHalfFormIsDrawnThenTheConsonant", "स्क", 6, {{0, "...###"}, {8, "###..."}}},
    {"AHalfFormGoesBeforeAConjunctThatLetsTheNextJoinOn", "स्त्र", 8, {{7, "...#####"}, {8, "###....."}}},
    {"WithoutAHalfFormOrAConjunctTheViramaIsSeen",
     "क्स",
     10,
     {{0, "###......."}, {2, "......####"}, {4, "...###...."}}},
    {"ZwnjAsksForTheViramaSeen",
     "स्‌त",
     10,
     {{2, "####......"}, {3, ".......###"}, {4, "....###..."}}},
    {"ZwjAsksForTheHalfForm", "स्‍त", 6, {{3, "...###"}, {8, "###..."}}},
    {"RaAndZwjAreTheThreeGlyphsThoughTheFontHasAReph",
     "र्‍क",
     9,
     {{0, "......###"}, {1, "###......"}, {4, "...###..."}}},
    {"AConjunctOfRaAndTheConsonantWinsOverTheReph", "र्त", 4, {{14, "####"}}},
    {"TheRephStandsOnTheBase", "र्क", 3, {{0, "###"}, {10, "###"}}},
    {"TheRephStandsAfterAa", "र्का", 6, {{0, "###..."}, {10, "...###"}, {13, "...###"}}},
    {"TheRephStaysOnTheBaseWhenIkaarGoesBefore", "र्कि", 6, {{0, "...###"}, {5, "###..."}, {10, "...###"}}},
    {"TheRephStandsOnTheLastConsonantOfItsCluster",
     "र्स्क कु",
     13,
     {{0, "...###....###"}, {8, "###.........."}, {10, "...###......."}, {15, "..........###"}}},
    {"ANuktaLetterJoinsByThePrecomposedCode", "ज़्य", 5, {{11, "#####"}}},
    {"ALetterAndANuktaJoinLikeThePrecomposedLetter", "ज़्य", 5, {{11, "#####"}}},
    {"ALetterAndANuktaAreThePrecomposedLetterWhereTheFontDrawsIt", "ड़ु ड़", 12,
     {{12, "####....####"}, {15, "###........."}}},
    {"WithoutAConjunctTheRakarStandsOnTheConsonantBeforeAHalfFormIsTried",
     "क्रि स्र",
     14,
     {{0, "...###........"}, {2, "..........####"}, {5, "###..........."}, {9, "...###.....###"}}},
    {"AConsonantAndTheVowelSignBelowItAreOneJuktaGlyphWhereTheFontHasTheirPair",
     "रु कु",
     11,
     {{0, "........###"}, {7, "####......."}, {15, "........###"}}},
    {"AVowelSignAndTheAnusvaraAfterItAreOneJuktaMarkWhereTheFontHasTheirPair", "कें", 3, {{0, "###"}, {6, "###"}}},
    {"TheSpacesBeforeAClusterStandBeforeItsIkaar", "क कि", 13, {{0, "###.......###"}, {5, ".......###..."}}},
    {"AMarkAfterAnIkaarStandsOnTheClusterItWasMovedBefore",
     "किु",
     6,
     {{0, "...###"}, {5, "###..."}, {15, "...###"}}},
    {"LitLedsRightOfTheColumnCountOverhangTheNextGlyphAndLengthenTheLine",
     "ॉक कॉ",
     19,
     {{0, "...###....###......"}, {8, "######.......######"}}},
    {"ALeftReachingSignReachesOverTheGlyphBeforeButNotOverASpace",
     "कीु ी",
     15,
     {{0, "###............"}, {10, ".#####....#####"}, {15, "...###........."}}},
    {"ACharacterTheFontsLackIsABoxAJoinerIsNothing",
     "क\u200DA\u200Cक",
     12,
     {{0, "###......###"},
      {2, "...#####...."},
      {3, "...#...#...."},
      {4, "...#...#...."},
      {5, "...#...#...."},
      {6, "...#...#...."},
      {7, "...#...#...."},
      {8, "...#...#...."},
      {9, "...#...#...."},
      {10, "...#...#...."},
      {11, "...#####...."}},
     {"character 3, U+0041: not in the fonts; drawn as a box"}},
    {"ABlankGlyphOfTheTextIsTold",
     "कख",
     6,
     {{0, "###..."}},
     {"character 2, Hindi glyph 22 (0916): the glyph is blank; nothing shows for it"}},
    {"ARecordIsToldInTheOrderItsFaultsWereFound",
     "ॄक",
     23,
     {{0, "....................###"}, {9, "################......."}},
     {"character 1, Hindi glyph 68 (0944): column count 20 is outside 3..16; drawn 20 columns wide",
      "character 1, Hindi glyph 68 (0944): a mark with no glyph before it to stand on; drawn where it is, 20 "
      "columns wide"}},
};

std::string Art(const sign::LedLine& line) {
    std::string art;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < line.Columns(); ++x) art += line.IsLit(x, y) ? '#' : '.';
        art += '\n';
    }
    return art;
}

std::string Expected(const LineCase& c) {
    std::vector<std::string> rows(16, std::string(static_cast<std::size_t>(c.columns), '.'));
    for (const auto& [row, text] : c.rows) rows[static_cast<std::size_t>(row)] = text;
    std::string art;
    for (const std::string& row : rows) art += row + '\n';
    return art;
}

class Composition : public testing::TestWithParam<LineCase> {
protected:
    FontState hindi = HindiFont();
    FontState jukta = JuktaFont();
    LineFonts fonts{hindi, &jukta};
};

TEST_P(Composition, DrawsTheLineAsTheSignShowsIt) {
    const LineCase& c = GetParam();
    const sign::LineLayout layout = sign::LayOutLine(c.text, fonts, 4);
    ASSERT_EQ(layout.columns, c.columns);
    EXPECT_EQ(Art(sign::DrawLine(layout, fonts)), Expected(c));
    std::vector<std::string> notes;
    for (const sign::LineNote& note : layout.notes) notes.push_back(note.text);
    EXPECT_EQ(notes, c.notes);
}

TEST_P(Composition, TheEntryForCodePointsAndAWindowOfTheLineAgree) {
    const LineCase& c = GetParam();
    const std::u32string text = *sign::DecodeUtf8(c.text);
    const std::vector<std::uint32_t> points(text.begin(), text.end());
    const SignFonts core = fonts.Core();
    std::vector<SignGlyph> glyphs(points.size());
    SignLine line{};
    line.glyphs = glyphs.data();
    line.glyph_capacity = glyphs.size();
    ASSERT_EQ(sign_compose(&core, points.data(), points.size(), 4, &line), SIGN_OK);
    EXPECT_EQ(line.warning_count, c.notes.size()) << "counted without a buffer";

    const sign::LineLayout layout = sign::LayOutLine(c.text, fonts, 4);
    ASSERT_EQ(line.glyph_count, layout.glyphs.size());
    EXPECT_EQ(line.columns, layout.columns);
    for (std::size_t i = 0; i < line.glyph_count; ++i) {
        EXPECT_EQ(glyphs[i].column, layout.glyphs[i].column) << i;
        EXPECT_EQ(glyphs[i].glyph, layout.glyphs[i].glyph) << i;
        EXPECT_EQ(glyphs[i].character + 1, layout.glyphs[i].character) << i;
    }
    // A controller's window that starts one column left of the line.
    sign::LedLine whole = sign::DrawLine(layout, fonts);
    std::vector<std::uint8_t> window(2 * static_cast<std::size_t>(c.columns + 1));
    ASSERT_EQ(sign_draw(&core, glyphs.data(), line.glyph_count, -1, window.data(), window.size() / 2),
              SIGN_OK);
    EXPECT_EQ(std::vector<std::uint8_t>(window.begin() + 2, window.end()),
              std::vector<std::uint8_t>(whole.Bytes().begin(), whole.Bytes().end()));
}

INSTANTIATE_TEST_SUITE_P(Lines, Composition, testing::ValuesIn(kLines),
                         [](const testing::TestParamInfo<LineCase>& p) { return std::string(p.param.name); });

// How the fonts draw a text, as ledfont coverage tells it: क्स shows its
// virama, स्क joins by the half form, र्क by the reph, ज़्‌य asks for the
// virama but lights nothing; the comma is a placeholder.
TEST(TextCoverage, CountsTheJoinsTheFallbacksAndWhatIsWorthAdding) {
    const FontState hindi = HindiFont();
    const FontState jukta = JuktaFont();
    const sign::TextCoverage c = sign::MeasureCoverage("क्स स्क,\nर्क ज़्\u200Cय क्सु", LineFonts{hindi, &jukta});
    EXPECT_EQ(c.joinSites, 4u);
    EXPECT_EQ(c.joinSitesJoined, 2u);
    EXPECT_EQ(c.visibleVirama.clusters, 2u);
    EXPECT_EQ(c.visibleVirama.examples, (std::vector<std::string>{"क्स", "क्सु"}));
    EXPECT_EQ(c.placeholder.clusters, 1u);
    EXPECT_EQ(c.clusters, 6u);
    EXPECT_EQ(c.blankGlyph.clusters, 1u) << "ज़ and य light nothing in these fonts";
    EXPECT_EQ(c.clustersIntended, 2u);
    ASSERT_FALSE(c.worthAdding.empty());
    EXPECT_EQ(c.worthAdding[0].pair.Text(), "क्")
        << "the half form serves as many as the conjunct, and more text";
    EXPECT_EQ(c.worthAdding[0].sites, 2u);
}

// What firmware meets when its buffers or its memory fail it.
TEST(CompositionCore, TellsTheCallerWhatItNeedsAndWhereTheTextIsWrong) {
    const FontState hindi = HindiFont();
    const LineFonts fonts{hindi};
    const SignFonts core = fonts.Core();
    SignGlyph glyphs[2];
    SignWarning warnings[1];
    SignLine line{};
    line.glyphs = glyphs;
    line.glyph_capacity = 2;
    const std::string text = "कि क";
    EXPECT_EQ(sign_compose_utf8(&core, text.data(), text.size(), 4, &line), SIGN_NO_ROOM);
    EXPECT_EQ(line.glyph_count, 3u);

    const std::string twoFaults = "ॄ";  // a column count and a mark alone
    line.warnings = warnings;
    line.warning_capacity = 1;
    EXPECT_EQ(sign_compose_utf8(&core, twoFaults.data(), twoFaults.size(), 4, &line), SIGN_NO_ROOM);
    EXPECT_EQ(line.warning_count, 2u);

    const std::string broken = "क \xE0\xA4";
    EXPECT_EQ(sign_compose_utf8(&core, broken.data(), broken.size(), 4, &line), SIGN_NOT_UTF8);
    EXPECT_EQ(line.error_character, 2u);
    EXPECT_EQ(line.error_offset, 4u);
    const std::uint32_t latin[] = {0x0915, 0x1F600};
    EXPECT_EQ(sign_compose(&core, latin, 2, 4, &line), SIGN_OK);
    ASSERT_EQ(line.warning_count, 1u);
    EXPECT_EQ(warnings[0].code, SIGN_WARN_PLACEHOLDER);
    EXPECT_EQ(warnings[0].character, 1u);
    EXPECT_EQ(warnings[0].detail, 0xFFFFu) << "a code point past U+FFFE";
    EXPECT_EQ(glyphs[1].flags, SIGN_GLYPH_PLACEHOLDER);

    const SignFonts failing{[](void*, std::uint16_t, std::uint8_t*, std::size_t) { return 0; }, nullptr, 0};
    EXPECT_EQ(sign_compose_utf8(&failing, text.data(), text.size(), 4, &line), SIGN_READ_FAILED);
}

}  // namespace
}  // namespace ledfont::test
