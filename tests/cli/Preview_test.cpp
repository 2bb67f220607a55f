// ledfont preview, encode and compose: a line of text laid out on the sign,
// on fonts whose glyphs each light one row across their columns, so every row
// of the output tells where one glyph landed.
#include "../support/PngImage.h"
#include "CompanionTest.h"
#include "HexLines.h"

namespace ledfont::test {
namespace {

// Glyph c: n columns, its class and centre, dark but for row `row` across its columns (none for -1).
void Shape(FontModel& font, int c, int n, int glyphClass, int centre, int row) {
    font.At(c, 0) = n;
    font.At(c, 1) = glyphClass * 16 + centre;
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) font.SetLit(c, x, y, y == row && x < n);
}

constexpr int kConsonant = 0, kVowel = 1, kIkaar = 2;

FontModel HindiFont() {
    FontModel font = MakeCleanFont(false, 1);
    for (int c = 0; c < 128; ++c) Shape(font, c, 3, kConsonant, 1, -1);
    Shape(font, 0x15, 3, kConsonant, 1, 0);   // क
    Shape(font, 0x16, 5, kConsonant, 3, 1);   // ख
    Shape(font, 0x38, 4, kConsonant, 2, 2);   // स
    Shape(font, 0x24, 3, kConsonant, 1, 3);   // त
    Shape(font, 0x4D, 3, kConsonant, 1, 4);   // virama
    Shape(font, 0x3F, 3, kIkaar, 1, 5);       // ि
    Shape(font, 0x41, 3, kVowel, 1, 15);      // ु
    Shape(font, 0x47, 3, kVowel, 1, 14);      // े
    Shape(font, 0x45, 7, kVowel, 3, 13);      // ॅ, wider than क
    Shape(font, 0x06, 4, 3, 1, 6);            // आ, a class the editor has no option for
    Shape(font, 0x07, 20, kConsonant, 1, 7);  // इ, more columns than a glyph holds
    return font;
}

// Glyph 0 is स्त (code pair 38 24); no other pair is of two consonants.
FontModel JuktaFont() {
    FontModel font = MakeCleanFont(true, 1);
    for (int c = 0; c < 64; ++c) {
        Shape(font, c, 3, kConsonant, 1, -1);
        font.codes[static_cast<std::size_t>(2 * c)] = 0x01;
        font.codes[static_cast<std::size_t>(2 * c + 1)] = c + 1;
    }
    Shape(font, 0, 6, kConsonant, 2, 6);
    font.codes[0] = 0x38;
    font.codes[1] = 0x24;
    return font;
}

// The terminal output: 16 rows of '.' with the rows given, then the summary.
std::string Art(int columns, const std::vector<std::pair<int, std::string>>& rows,
                const std::string& summary) {
    std::vector<std::string> lines(16, std::string(static_cast<std::size_t>(columns), '.'));
    for (const auto& [row, text] : rows) lines[static_cast<std::size_t>(row)] = text;
    std::string art;
    for (const std::string& line : lines) art += line + "\n";
    return art + summary;
}

class PreviewCommand : public Companion {
protected:
    PreviewCommand() {
        Write("hindi.txt", FontText(HindiFont()));
        Write("jukta.txt", FontText(JuktaFont()));
    }
    ProcessResult Preview(const std::string& text, std::vector<std::string> more = {}) const {
        std::vector<std::string> args = {"preview", text, "--hindi", "hindi.txt"};
        args.insert(args.end(), more.begin(), more.end());
        return Run(args);
    }
};

struct LayoutCase {
    const char* name;
    const char* text;
    std::vector<std::string> options;
    int columns;
    std::vector<std::pair<int, std::string>> rows;
    std::vector<std::string> notes;  // each on its own line of standard error
    std::string summary = "";        // after "N columns"
    int status = 0;

    friend void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }
};

const std::vector<std::string> kJukta = {"--jukta", "jukta.txt"};

const LayoutCase kLayouts[] = {
    // ु and े on ख: their centre column 1 on its centre column 3; the dark
    // LEDs of the marks over row 1 leave ख lit there.
    {"MarksStandCentredOnTheGlyphBefore", "खुे", {}, 5, {{1, "#####"}, {14, "..###"}, {15, "..###"}}, {}},
    {"IkaarGoesBeforeAConsonant", "कि", {}, 6, {{0, "...###"}, {5, "###..."}}, {}},
    {"IkaarGoesBeforeAWholeConjunctDrawnAsItIs",
     "स्ति",
     {},
     13,
     {{2, "...####......"}, {3, "..........###"}, {4, ".......###..."}, {5, "###.........."}},
     {}},
    {"IkaarGoesBeforeAJuktaConjunct", "स्ति", kJukta, 9, {{5, "###......"}, {6, "...######"}}, {}},
    {"AConjunctIsTakenFromTheJuktaFont", "कस्त", kJukta, 9, {{0, "###......"}, {6, "...######"}}, {}},
    {"WithoutThatPairTheThreeGlyphsStand",
     "क्त",
     kJukta,
     9,
     {{0, "###......"}, {3, "......###"}, {4, "...###..."}},
     {}},
    {"ASpaceIsFourDarkColumns", "क क", {}, 10, {{0, "###....###"}}, {}},
    {"OrAsManyAsSpaceSays", "क  क", {"--space", "1"}, 8, {{0, "###..###"}}, {}},
    {"TheLineFitsTheSign",
     "कि",
     {"--width", "6"},
     6,
     {{0, "...###"}, {5, "###..."}},
     {},
     "fits a sign of 6 columns\n"},
    {"OrSaysHowManyColumnsItLacks",
     "कि",
     {"--width=5"},
     6,
     {{0, "...###"}, {5, "###..."}},
     {},
     "needs 1 more column than a sign of 5 columns\n"},
    {"AMarkWithNothingBeforeItTakesItsColumns",
     "ुक े",
     {},
     13,
     {{0, "...###......."}, {14, "..........###"}, {15, "###.........."}},
     {"character 1, Hindi glyph 65 (0941): a mark with no glyph before it to stand on; drawn where it is, 3 "
      "columns wide",
      "character 4, Hindi glyph 71 (0947): a mark with no glyph before it to stand on; drawn where it is, 3 "
      "columns wide"}},
    {"LitLedsOfAMarkLeftOfTheLineAreToldThoseRightOfItLengthenIt",
     "कॅ",
     {},
     5,
     {{0, "###.."}, {13, "#####"}},
     {"character 2, Hindi glyph 69 (0945): 2 lit LEDs fall outside the line; not shown"}},
    {"CharactersTheFontsLackAreBoxesAndTheyAndBlankGlyphsAreToldWithStatus1",
     "A गé",
     {},
     19,
     {{2, "#####........#####."},
      {3, "#...#........#...#."},
      {4, "#...#........#...#."},
      {5, "#...#........#...#."},
      {6, "#...#........#...#."},
      {7, "#...#........#...#."},
      {8, "#...#........#...#."},
      {9, "#...#........#...#."},
      {10, "#...#........#...#."},
      {11, "#####........#####."}},
     {"character 1, U+0041: not in the fonts; drawn as a box",
      "character 3, Hindi glyph 23 (0917): the glyph is blank; nothing shows for it",
      "character 4, U+00E9: not in the fonts; drawn as a box"},
     "",
     1},
    {"RecordsTheEditorCannotShowAreDrawnAsTheySay",
     "आइ",
     {},
     24,
     {{6, "####...................."}, {7, "....################...."}},
     {"character 1, Hindi glyph 6 (0906): class 3 is outside 0..2; drawn as a consonant",
      "character 2, Hindi glyph 7 (0907): column count 20 is outside 3..16; drawn 20 columns wide"}},
};

class PreviewLayout : public PreviewCommand, public testing::WithParamInterface<LayoutCase> {};

TEST_P(PreviewLayout, PrintsTheLineAsTheSignShowsIt) {
    const LayoutCase& c = GetParam();
    const ProcessResult r = Preview(c.text, c.options);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.out, Art(c.columns, c.rows, std::to_string(c.columns) + " columns\n" + c.summary));
    std::string notes;
    for (const std::string& note : c.notes) notes += "ledfont preview: " + note + "\n";
    EXPECT_EQ(r.err, notes);
}

INSTANTIATE_TEST_SUITE_P(Lines, PreviewLayout, testing::ValuesIn(kLayouts),
                         [](const testing::TestParamInfo<LayoutCase>& p) {
                             return std::string(p.param.name);
                         });

TEST_F(PreviewCommand, RefusesWhatItCannotShowAndSaysWhere) {
    Write("jukta.png", FontText(JuktaFont()));
    const struct {
        std::vector<std::string> args;
        std::string said;
    } cases[] = {
        {{"preview", "क\xE0\xA4", "--hindi", "hindi.txt"},
         "character 2 of the text, at byte 4, is not UTF-8"},
        {{"preview", "\xE0\x80\x95", "--hindi", "hindi.txt"},
         "character 1 of the text, at byte 1, is not UTF-8"},
        {{"preview", "क", "--hindi", "missing.txt"},
         "ledfont preview: cannot open \"missing.txt\": there is no such file [File not found]"},
        {{"preview", "क", "--hindi", "hindi.txt", "--jukta", "hindi.txt"},
         "ledfont preview: \"hindi.txt\" holds 4352 items"},
        {{"preview", "क", "--jukta", "jukta.txt"}, "--hindi FONT is needed"},
        {{"preview", "क", "--hindi", "hindi.txt", "--space", "65"},
         "--space takes a whole number from 0 to 64"},
        {{"preview", "क", "--hindi", "hindi.txt", "-o", "line.txt"}, "\"line.txt\" does not end in .png"},
        {{"preview", "क", "--hindi", "hindi.txt", "--jukta", "jukta.png", "-o", "jukta.png"},
         "would overwrite the file it is made from"},
    };
    for (const auto& c : cases) {
        const ProcessResult r = Run(c.args);
        EXPECT_EQ(r.status, 2) << c.said;
        EXPECT_EQ(r.out, "") << c.said;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
    }
    EXPECT_EQ(Read("jukta.png"), FontText(JuktaFont()));
    EXPECT_FALSE(Exists("line.txt"));
}

TEST_F(PreviewCommand, CoverageTellsHowTheFontsDrawAText) {
    Write("text.txt", "स्त क्स, क्स\n");
    const ProcessResult r = Run({"coverage", "text.txt", "--hindi", "hindi.txt", "--jukta", "jukta.txt"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(
        r.out,
        "text.txt: 10 characters, 30.0 % drawn as intended; 4 clusters, 25.0 % drawn as intended\n"
        "consonant + virama + consonant: 3, 33.3 % drawn without a visible virama\n"
        "fallbacks:\n"
        "  visible virama: 2 clusters (50.0 %): क्स\n"
        "  missing glyph (column count 0): 0 clusters (0.0 %)\n"
        "  blank glyph: 0 clusters (0.0 %)\n"
        "  placeholder (not Devanagari): 1 cluster (25.0 %): ,\n"
        "most worth adding to the Jukta font, with the share of consonant + virama + consonant each would "
        "join:\n"
        "  क् 15 4D  half form, +66.7 %\n"
        "  क्स 15 38  conjunct, +66.7 %\n");
    EXPECT_EQ(Run({"coverage", "text.txt", "--jukta", "jukta.txt"}).status, 2) << "no Hindi font";
}

// The middle pixel of LED (x, y) of a picture of a line.
Colour LedCentre(const PngImage& image, int x, int y) {
    return image.At(8 + 1 + 6 * x + 2, 8 + 1 + 6 * y + 2);
}

TEST_F(PreviewCommand, ThePictureShowsTheLedsTheTerminalShows) {
    const std::string text = "खुे कि स्ति आइ कॅ";
    const ProcessResult shown = Preview(text, {"--jukta", "jukta.txt", "--width", "70"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    const ProcessResult drawn = Preview(text, {"--jukta", "jukta.txt", "--width", "70", "-o", "line.png"});
    ASSERT_EQ(drawn.status, 0) << drawn.err;
    EXPECT_EQ(drawn.err, shown.err);
    const std::string summary = "65 columns\nfits a sign of 70 columns\n";
    EXPECT_EQ(drawn.out, summary);
    ASSERT_EQ(shown.out.substr(shown.out.size() - summary.size()), summary);

    const PngImage image = ReadPng(Read("line.png"));
    ASSERT_FALSE(image.IsNull()) << image.problem;
    // A box of 70 LEDs (the sign) and the 8-pixel margin around it.
    EXPECT_EQ(image.width, 8 + 70 * 6 + 1 + 8);
    EXPECT_EQ(image.height, 8 + 16 * 6 + 1 + 8);
    const Colour red{255, 0, 0}, dark{36, 36, 36}, green{0, 255, 0};
    for (int y = 0; y < 16; ++y) {
        const std::string row = shown.out.substr(static_cast<std::size_t>(y) * 66, 65);
        for (int x = 0; x < 70; ++x) {
            const bool lit = x < 65 && row[static_cast<std::size_t>(x)] == '#';
            ASSERT_EQ(LedCentre(image, x, y), lit ? red : dark) << "LED " << x << ", " << y << " of\n"
                                                                << shown.out;
        }
    }
    for (int y = 8; y < 8 + 97; y += 4) EXPECT_EQ(image.At(8 + 6 * 70, y), green) << y;
    EXPECT_NE(image.At(8 + 6 * 69, 20), green);
}

TEST_F(PreviewCommand, TheReadmeShowsWhatPreviewDraws) {
    const std::string docs = std::string(LEDFONT_SOURCE_DIR) + "/docs/";
    const std::string readme = TestFolder::Read(std::string(LEDFONT_SOURCE_DIR) + "/README.md");
    const ProcessResult word = Run({"preview", "दिन", "--hindi", docs + "sample-hindi.txt", "--width", "24"});
    ASSERT_EQ(word.status, 0) << word.err;
    EXPECT_NE(readme.find("```console\n$ ledfont preview दिन --hindi docs/sample-hindi.txt --width 24\n" +
                          word.out + "```"),
              std::string::npos)
        << word.out;

    const ProcessResult phrase =
        Run({"preview", "नमस्ते शुभ दिन", "--hindi", docs + "sample-hindi.txt", "--jukta",
             docs + "sample-jukta.txt", "--width", "96", "-o", "preview.png"});
    ASSERT_EQ(phrase.status, 0) << phrase.err;
    const PngImage shown = ReadPng(TestFolder::Read(docs + "preview.png"));
    ASSERT_FALSE(shown.IsNull()) << shown.problem;
    EXPECT_TRUE(ReadPng(Read("preview.png")) == shown)
        << "run: ledfont preview 'नमस्ते शुभ दिन' --hindi docs/sample-hindi.txt --jukta docs/sample-jukta.txt "
           "--width 96 -o docs/preview.png";

    const ProcessResult model = Run({"preview", "हिंदी किताब, कीमत 20", "--hindi", docs + "sample-hindi.txt", "--jukta",
                                     docs + "sample-jukta.txt", "--width", "128", "-o", "model.png"});
    EXPECT_EQ(model.status, 1) << "three placeholders: " << model.err;
    EXPECT_TRUE(ReadPng(Read("model.png")) == ReadPng(TestFolder::Read(docs + "model.png")))
        << "run: ledfont preview 'हिंदी किताब, कीमत 20' --hindi docs/sample-hindi.txt --jukta "
           "docs/sample-jukta.txt --width 128 -o docs/model.png";
}

TEST_F(PreviewCommand, TheReadmeShowsWhatEncodeAndComposeWrite) {
    const std::string docs = std::string(LEDFONT_SOURCE_DIR) + "/docs/";
    const std::string readme = TestFolder::Read(std::string(LEDFONT_SOURCE_DIR) + "/README.md");
    const std::vector<std::string> fonts = {"--hindi", docs + "sample-hindi.txt", "--jukta",
                                            docs + "sample-jukta.txt"};
    std::vector<std::string> encode = {"encode", "नमस्ते मित्र"}, compose = {"compose", "नमस्ते मित्र"};
    encode.insert(encode.end(), fonts.begin(), fonts.end());
    compose.insert(compose.end(), fonts.begin(), fonts.end());
    compose.insert(compose.end(), {"-o", "line.c"});
    const std::string said =
        "$ ledfont encode 'नमस्ते मित्र' --hindi docs/sample-hindi.txt --jukta docs/sample-jukta.txt\n" +
        Run(encode).out +
        "$ ledfont compose 'नमस्ते मित्र' --hindi docs/sample-hindi.txt --jukta docs/sample-jukta.txt "
        "-o line.c\n" +
        Run(compose).out;
    EXPECT_NE(readme.find(said), std::string::npos) << said;
}

// The columns as compose writes them, from the rows preview prints: 2 bytes
// a column, rows 0..7 then 8..15, bit r row r, 0 lit.
std::string ColumnBytes(const std::string& art, int columns) {
    std::string bytes;
    const auto row = [&](int y) {
        return art.substr(static_cast<std::size_t>(y * (columns + 1)), static_cast<std::size_t>(columns));
    };
    for (int x = 0; x < columns; ++x)
        for (int half = 0; half < 2; ++half) {
            int byte = 0xFF;
            for (int r = 0; r < 8; ++r)
                if (row(8 * half + r)[static_cast<std::size_t>(x)] == '#') byte &= ~(1 << r);
            bytes += static_cast<char>(byte);
        }
    return bytes;
}

// The options of preview that compose takes too: all but the sign's width.
std::vector<std::string> WithoutWidth(const std::vector<std::string>& options) {
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i] == "--width")
            ++i;
        else if (!options[i].starts_with("--width="))
            kept.push_back(options[i]);
    return kept;
}

TEST_P(PreviewLayout, ComposeWritesTheLedsPreviewPrints) {
    const LayoutCase& c = GetParam();
    std::vector<std::string> args = {"compose", c.text, "--hindi", "hindi.txt", "-o", "line.bin"};
    for (const std::string& option : WithoutWidth(c.options)) args.push_back(option);
    const ProcessResult r = Run(args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.out, "line.bin: " + std::to_string(c.columns) + " columns\n");
    EXPECT_EQ(Read("line.bin"), ColumnBytes(Art(c.columns, c.rows, ""), c.columns));
    EXPECT_EQ(r.err.empty(), c.notes.empty()) << r.err;
}

TEST_F(PreviewCommand, EncodePrintsTheGlyphCodesInTheOrderTheyAreDrawn) {
    const struct {
        const char* text;
        std::vector<std::string> options;
        std::string codes;
        int status = 0;
    } cases[] = {
        {"कि", {}, "H3F H15"},              // ि before its consonant
        {"स्ति", kJukta, "H3F J00"},         // and before a Jukta conjunct
        {"स्ति", {}, "H3F H38 H4D H24"},     // or the cluster drawn glyph by glyph
        {"खुे", {}, "H16 H41 H47"},           // marks after the glyph they stand on
        {" क  ख ", {}, "_ H15 _ _ H16 _"},  // every space, leading and trailing too
        {"क, ख", {}, "H15 ? _ H16", 1},     // a character the fonts lack has no code
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"encode", c.text, "--hindi", "hindi.txt"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const ProcessResult r = Run(args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.out, c.codes + "\n") << c.text;
    }
}

TEST_F(PreviewCommand, ComposeWritesACArrayOrIntelHexAtTheAddressGiven) {
    // क: 3 columns lit in row 0.
    ASSERT_EQ(Run({"compose", "क", "--hindi", "hindi.txt", "-o", "7 line.c"}).status, 0);
    EXPECT_NE(Read("7 line.c")
                  .find("const unsigned _7_line_columns = 3;\n"
                        "const uint8_t _7_line[6] = {\n"
                        "    0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF,\n};\n"),
              std::string::npos)
        << Read("7 line.c");

    // Records stop at the 64 KiB boundary, and the next takes its upper address.
    const ProcessResult hex =
        Run({"compose", "क", "--hindi", "hindi.txt", "--address", "0x0800FFFC", "-o", "LINE.HEX"});
    EXPECT_EQ(hex.status, 0) << hex.err;
    EXPECT_EQ(Read("LINE.HEX"),
              Join({Record(2, 0, 4, {0x08, 0x00}), Record(4, 0xFFFC, 0, {0xFE, 0xFF, 0xFE, 0xFF}),
                    Record(2, 0, 4, {0x08, 0x01}), Record(2, 0, 0, {0xFE, 0xFF}), ":00000001FF"}));
    const ProcessResult low =
        Run({"compose", "क", "--hindi", "hindi.txt", "--address", "32768", "--format", "hex", "-o", "-"});
    EXPECT_EQ(low.out, Join({Record(6, 0x8000, 0, {0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF}), ":00000001FF"}));

    const ProcessResult raw = Run({"compose", "क", "--hindi", "hindi.txt", "--format", "bin", "-o", "-"});
    EXPECT_EQ(raw.out, std::string("\xFE\xFF\xFE\xFF\xFE\xFF"));
}

TEST_F(PreviewCommand, ComposeRefusesAnOutputItCannotWriteAndWritesNothing) {
    const struct {
        std::vector<std::string> args;
        std::string said;
    } cases[] = {
        {{"-o", "line.txt"}, "\"line.txt\" does not end in .bin, .c or .hex"},
        {{"-o", "-"}, "\"-\" does not end in .bin, .c or .hex"},
        {{"-o", "line.hex"}, "Intel HEX output needs --address"},
        {{"-o", "line.bin", "--address", "0x8000"}, "--address is for Intel HEX output"},
        {{"-o", "line.hex", "--address", "0x1G"}, "--address takes an address from 0 to 0xFFFFFFFF"},
        {{"-o", "line.hex", "--address", "0xFFFFFFFC"},
         "the line's 6 bytes at 0xFFFFFFFC would reach past 0xFFFFFFFF"},
        {{"-o", "line.bin", "--format", "elf"}, "--format takes bin, c or hex"},
        {{"-o", "hindi.txt", "--format", "bin"}, "would overwrite the file it is made from"},
        {{}, "-o"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"compose", "क", "--hindi", "hindi.txt"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ProcessResult r = Run(args);
        EXPECT_EQ(r.status, 2) << c.said;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
    }
    EXPECT_FALSE(Exists("line.txt") || Exists("line.hex") || Exists("line.bin"));
    EXPECT_EQ(Read("hindi.txt"), FontText(HindiFont()));
}

}  // namespace
}  // namespace ledfont::test
