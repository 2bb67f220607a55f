// ledfont new and ledfont import, on the typeface the setup installs.
#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>

#include "CompanionTest.h"
#include "DefaultTypeface.h"

namespace ledfont::test {
namespace {

const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";  // no Devanagari

// The font a command wrote, read back item by item.
FontModel ReadFont(const std::string& text, bool jukta) {
    FontModel font;
    const std::vector<std::string> lines = SplitLines(text);
    const std::size_t records = (jukta ? 64u : 128u) * 34u;
    EXPECT_EQ(lines.size(), records + (jukta ? 128u : 0u));
    for (std::size_t i = 0; i < lines.size(); ++i)
        (i < records ? font.glyphs : font.codes).push_back(std::stoi(lines[i]));
    return font;
}

bool IsBlank(const FontModel& font, int c) {
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y)
            if (font.Lit(c, x, y)) return false;
    return font.At(c, 0) == 10 && font.At(c, 1) % 16 == 1;
}

// The row (1..16) with the most lit cells: the headline of a consonant.
int HeadlineRow(const FontModel& font, int c) {
    int best = 0;
    int bestCount = -1;
    for (int y = 0; y < 16; ++y) {
        int count = 0;
        for (int x = 0; x < 16; ++x) count += font.Lit(c, x, y);
        if (count > bestCount) std::tie(best, bestCount) = std::pair{y + 1, count};
    }
    return best;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The import's tests draw with the default typeface; where it is not
// installed they say so and are skipped.
class ImportCommand : public Companion {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(LEDFONT_DEFAULT_TYPEFACE))
            GTEST_SKIP() << "the default typeface " << LEDFONT_DEFAULT_TYPEFACE
                         << " is not installed (Debian's fonts-lohit-deva)";
    }
};

// ---- Hindi ---------------------------------------------------------------

class EveryRendering : public ImportCommand, public testing::WithParamInterface<std::vector<std::string>> {
protected:
    FontModel Import(const char* mode) {
        std::vector<std::string> args = {"import", mode, "-o", "font.txt"};
        args.insert(args.end(), GetParam().begin(), GetParam().end());
        const ProcessResult r = Run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        return ReadFont(Read("font.txt"), std::string(mode) == "--jukta");
    }
};

TEST_P(EveryRendering, PutsTheHeadlineOnOneRowInEveryConsonantAndConjunct) {
    std::set<int> rows;
    const FontModel hindi = Import("--hindi");
    for (int c = 0x15; c <= 0x39; ++c) rows.insert(HeadlineRow(hindi, c));  // क..ह
    EXPECT_EQ(rows.size(), 1u) << "headline rows " << testing::PrintToString(rows);
    EXPECT_LT(*rows.begin(), 9) << "the headline stands in the upper half";
    // A conjunct's own strokes may outweigh its headline (श्च); it lights the consonants' row all the same.
    const FontModel jukta = Import("--jukta");
    // A half form's short headline may light fewer LEDs than its stem; the reph, the rakar and ें are marks.
    const auto isConjunct = [&](int c) { return jukta.Code(c, 1) != 0x4D; };
    const auto isMark = [&](int c) { return jukta.At(c, 1) >> 4 == 1; };
    const int headline = *rows.begin() - 1;
    for (int c = 0; c < 64; ++c) {
        if (isMark(c)) continue;
        int lit = 0;
        for (int x = 0; x < 16; ++x) lit += jukta.Lit(c, x, headline);
        EXPECT_GE(lit, isConjunct(c) ? 4 : 2) << "Jukta glyph " << c << " has no headline on row " << headline + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Renderings, EveryRendering,
                         testing::Values(std::vector<std::string>{},
                                         std::vector<std::string>{"--hinting", "light"},
                                         std::vector<std::string>{"--threshold", "100"},
                                         std::vector<std::string>{"--size", "14"}));

// The lowest lit row (1..16) of glyph c.
int LowestRow(const FontModel& font, int c) {
    for (int y = 15; y >= 0; --y)
        for (int x = 0; x < 16; ++x)
            if (font.Lit(c, x, y)) return y + 1;
    return 0;
}

// The rows left dark above and below the ink of the whole font.
std::pair<int, int> RoomAboveAndBelow(const FontModel& font) {
    int top = 16, bottom = -1;
    for (int c = 0; c < 128; ++c)
        for (int x = 0; x < 16; ++x)
            for (int y = 0; y < 16; ++y)
                if (font.Lit(c, x, y)) top = std::min(top, y), bottom = std::max(bottom, y);
    return {top, 15 - bottom};
}

TEST_F(ImportCommand, StandsLettersOnTheBaselineRowItReports) {
    struct Case {
        std::vector<std::string> options;
        int baseline;  // 0: as reported, where the ink of the block stands in the middle of the rows
    };
    for (const Case& c : {Case{{}, 0}, Case{{"--baseline", "13"}, 13},
                          Case{{"--size", "14", "--baseline", "15"}, 15}, Case{{"--size", "8"}, 0}}) {
        std::vector<std::string> args = {"import", "--hindi", "-o", "hindi.txt"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const ProcessResult r = Run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        const std::size_t at = r.err.find("baseline under row ");
        ASSERT_NE(at, std::string::npos) << r.err;
        const int reported = std::stoi(r.err.substr(at + 19));
        const FontModel font = ReadFont(Read("hindi.txt"), false);
        if (c.baseline != 0) {
            EXPECT_EQ(reported, c.baseline);
        } else {
            // Where the rows leave no middle, the ink stands a row higher.
            const auto [above, below] = RoomAboveAndBelow(font);
            EXPECT_TRUE(below == above || below == above + 1)
                << above << " rows above, " << below << " below";
            // Letters fill the rows: a Hindi consonant's body from its headline down is 9 rows or more.
            for (int code = 0x15; code <= 0x39 && c.options.empty(); ++code) {
                if (code == 0x33) continue;  // ळ, of Marathi, which the typeface draws shorter
                EXPECT_GE(LowestRow(font, code) - HeadlineRow(font, code) + 1, 9) << std::hex << code;
            }
        }
        for (int code : {0x15, 0x2A, 0x38}) EXPECT_EQ(LowestRow(font, code), reported) << r.err;  // क प स
    }
    // ो's hook, a row taller than the room above the headline, keeps its bend: the
    // straight top of it is shortened, not its tip blotted into two LEDs like a dot.
    ASSERT_EQ(Run({"import", "--hindi", "-o", "default.txt"}).status, 0);
    const FontModel font = ReadFont(Read("default.txt"), false);
    for (int y = 0; y + 1 < HeadlineRow(font, 0x15); ++y) {
        int lit = 0;
        for (int x = 0; x < 16; ++x) lit += font.Lit(0x4B, x, y);
        EXPECT_LE(lit, 1) << "row " << y + 1 << " of ो";
    }
}

TEST_F(ImportCommand, LightsMoreInGreyAtALowerThresholdAndHintingChangesThePixels) {
    const auto lit = [&](const std::vector<std::string>& options) {
        std::vector<std::string> args = {"import", "--hindi", "-o", "hindi.txt", "--size", "14"};
        args.insert(args.end(), options.begin(), options.end());
        EXPECT_EQ(Run(args).status, 0);
        const FontModel font = ReadFont(Read("hindi.txt"), false);
        long count = 0;
        for (int c = 0; c < 128; ++c)
            for (int x = 0; x < 16; ++x)
                for (int y = 0; y < 16; ++y) count += font.Lit(c, x, y);
        return count;
    };
    EXPECT_GT(lit({"--threshold", "40"}), lit({"--threshold", "200"}));
    EXPECT_NE(lit({"--hinting", "none"}), lit({"--hinting", "full"}));
}

TEST_F(ImportCommand, GivesEachSignItsClassFromTheCharacterData) {
    ASSERT_EQ(Run({"import", "--hindi", "-o", "hindi.txt"}).status, 0);
    const FontModel font = ReadFont(Read("hindi.txt"), false);
    struct Sign {
        int code;
        int glyphClass;
    };
    for (const Sign& sign : {Sign{0x093F, 2},     // ि, drawn before its consonant: ikaar
                             Sign{0x0941, 1},     // ु below
                             Sign{0x0947, 1},     // े above
                             Sign{0x0902, 1},     // ं above
                             Sign{0x0940, 0},     // ी takes room of its own
                             Sign{0x0915, 0}}) {  // क
        const int c = sign.code - 0x0900;
        EXPECT_EQ(font.At(c, 1) / 16, sign.glyphClass) << std::hex << sign.code;
        EXPECT_FALSE(IsBlank(font, c)) << std::hex << sign.code << " is drawn, alone";
    }
}

TEST_F(ImportCommand, WritesTheSameFontEveryTimeAndACheckFindsNothing) {
    for (const char* mode : {"--hindi", "--jukta"}) {
        const ProcessResult first = Run({"import", mode, "-o", "a.txt"});
        const ProcessResult second = Run({"import", mode, "-o", "b.txt"});
        ASSERT_EQ(first.status, 0) << first.err;
        EXPECT_EQ(first.out, "a.txt\n");
        EXPECT_EQ(Read("a.txt"), Read("b.txt")) << mode;
        // Nothing missing, no finding, and no common sign cut: only rare signs (of other languages).
        EXPECT_TRUE(Contains(first.err, "0 blank, ")) << first.err;
        for (const std::string& line : SplitLines(first.err)) {
            const std::size_t code = line.find("(09");
            if (code == std::string::npos || !Contains(line, "cut off")) continue;
            const int cp = std::stoi(line.substr(code + 1, 4), nullptr, 16);
            const bool common = (cp >= 0x0901 && cp <= 0x0903) || (cp >= 0x0905 && cp <= 0x0939) ||
                                (cp >= 0x093E && cp <= 0x094D) || (cp >= 0x0964 && cp <= 0x096F);
            EXPECT_FALSE(common) << line;
        }
        const ProcessResult check = Run({"check", "a.txt", mode});
        EXPECT_EQ(check.status, 0) << check.out;
        EXPECT_EQ(check.out, "ok\n");
    }
}

TEST_F(ImportCommand, LeavesWhatTheTypefaceLacksBlankAndSaysSo) {
    const ProcessResult r = Run({"import", "--hindi", "-o", "hindi.txt", kDejaVu});
    ASSERT_EQ(r.status, 0) << r.err;
    const FontModel font = ReadFont(Read("hindi.txt"), false);
    for (int c : {0x15, 0x41, 0x7F}) EXPECT_TRUE(IsBlank(font, c)) << c;
    EXPECT_EQ(font.At(0x41, 1) / 16, 1) << "a blank sign keeps its class";
    EXPECT_TRUE(
        Contains(r.err, "hindi.txt: glyph 21 (0915): the typeface has no glyph for U+0915; left blank\n"))
        << r.err;
    EXPECT_TRUE(Contains(r.err, "128 blank")) << r.err;
}

TEST_F(ImportCommand, ReportsInkCutOffAtTheGridsEdges) {
    // Letters standing on the bottom row leave no room for the signs below them.
    const ProcessResult r = Run({"import", "--hindi", "-o", "hindi.txt", "--baseline", "16"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.err, "hindi.txt: glyph 65 (0941): ink cut off: ")) << r.err;
    EXPECT_TRUE(Contains(r.err, " rows below the grid")) << r.err;
    EXPECT_FALSE(Contains(r.err, "glyph 21 (0915)")) << "क fits";
    EXPECT_EQ(Run({"check", "hindi.txt", "--hindi"}).out, "ok\n");
}

TEST_F(ImportCommand, TheSampleFontsAreWhatTheReadmeCommandsWrite) {
    for (const char* mode : {"--hindi", "--jukta"}) {
        ASSERT_EQ(Run({"import", mode, "-o", "sample.txt"}).status, 0);
        const std::string sample = std::string(LEDFONT_SOURCE_DIR) + "/docs/sample-" + (mode + 2) + ".txt";
        EXPECT_EQ(Read("sample.txt"), TestFolder::Read(sample))
            << "run: ledfont import " << mode << " -o docs/sample-" << (mode + 2) << ".txt";
    }
}

// ---- Jukta ---------------------------------------------------------------

TEST_F(ImportCommand, TakesTheCodePairsOfTheListOrOfTheFirstAndLastConsonant) {
    // the rakar is (virama, र), a mark; a consonant with the vowel sign below it its byte and the sign's
    Write("list.txt", "# two conjuncts, the rakar, रु\nक्ष A1 b2\nत्र\n्र\nरु\n");
    const ProcessResult r = Run({"import", "--jukta", "list.txt", "-o", "jukta.txt"});
    ASSERT_EQ(r.status, 0) << r.err;
    const FontModel font = ReadFont(Read("jukta.txt"), true);
    EXPECT_EQ(std::vector<int>(font.codes.begin(), font.codes.begin() + 10),
              (std::vector<int>{0xA1, 0xB2, 0x24, 0x30, 0x4D, 0x30, 0x30, 0x41, 0, 0}));
    for (int c = 0; c < 4; ++c) EXPECT_FALSE(IsBlank(font, c)) << c;
    EXPECT_EQ(font.At(2, 1) >> 4, 1) << "the rakar is a mark";
    EXPECT_EQ(font.At(3, 1) >> 4, 0) << "रु takes its columns";
    EXPECT_TRUE(IsBlank(font, 4));
    EXPECT_TRUE(Contains(r.err, "jukta.txt: glyphs 4..63 (04..3F) are blank with the empty code pair 00 00"))
        << r.err;

    // The shipped list: its own code pairs, from the half form प् (2A 4D) on.
    ASSERT_EQ(Run({"import", "--jukta", "-o", "common.txt"}).status, 0);
    const FontModel common = ReadFont(Read("common.txt"), true);
    EXPECT_EQ(common.Code(0, 0), 0x2A);
    EXPECT_EQ(common.Code(0, 1), 0x4D);
}

// स् joins three clusters, र् two, and of क्ष's two ways the half form serves
// more text; then the half forms of the other consonants, and the conjuncts of
// what half forms joined, the reph's left out.
TEST_F(ImportCommand, ChoosesFromACorpusAndWritesTheListToEditAndImportAgain) {
    Write("corpus.txt", "स्त स्क स्प\nर्क र्म क्ष\n");
    const ProcessResult r = Run({"import", "--jukta", "--corpus", "corpus.txt", "-o", "jukta.txt"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "jukta.txt\njukta.conjuncts.txt\n");
    EXPECT_TRUE(Contains(r.err,
                         "jukta.conjuncts.txt: 11 Jukta glyphs chosen from corpus.txt: they join 100.0 % of "
                         "its 6 consonant + virama + consonant\n"))
        << r.err;
    std::string entries;
    std::istringstream list(Read("jukta.conjuncts.txt"));
    for (std::string line; std::getline(list, line);)
        if (!line.starts_with('#')) entries += line + ' ';
    EXPECT_EQ(entries, "स् र् क् त् प् म् ष् क्ष स्क स्त स्प ");
    const FontModel font = ReadFont(Read("jukta.txt"), true);
    EXPECT_EQ(std::vector<int>(font.codes.begin(), font.codes.begin() + 8),
              (std::vector<int>{0x38, 0x4D, 0x30, 0x4D, 0x15, 0x4D, 0x24, 0x4D}));

    ASSERT_EQ(Run({"import", "--jukta", "jukta.conjuncts.txt", "-o", "again.txt"}).status, 0);
    EXPECT_EQ(Read("again.txt"), Read("jukta.txt"));
    ASSERT_EQ(
        Run({"import", "--jukta", "--corpus", "corpus.txt", "-o", "-", "--list-out", "mine.txt"}).status, 0);
    EXPECT_EQ(Read("mine.txt"), Read("jukta.conjuncts.txt"));
    EXPECT_EQ(Run({"import", "--hindi", "--corpus", "corpus.txt", "-o", "h.txt"}).status, 2);
}

TEST_F(ImportCommand, ToldATypefaceFromAConjunctListByItsContent) {
    Write("list.txt", "क्ष\n");
    ASSERT_EQ(Run({"import", "--jukta", "-o", "from-list.txt", "list.txt"}).status, 0);
    ASSERT_EQ(Run({"import", "--jukta", "-o", "from-typeface.txt", LEDFONT_DEFAULT_TYPEFACE}).status, 0);
    EXPECT_EQ(ReadFont(Read("from-list.txt"), true).Code(1, 0), 0) << "one conjunct only";
    EXPECT_EQ(ReadFont(Read("from-typeface.txt"), true).Code(1, 0), 0x24) << "the shipped list: त् second";
    // A list given as the typeface is refused by FreeType, not read as a list.
    const ProcessResult swapped = Run({"import", "--jukta", "list.txt", "-o", "x.txt", "list.txt"});
    EXPECT_EQ(swapped.status, 2);
    EXPECT_EQ(swapped.err,
              "ledfont import: cannot read the typeface \"list.txt\": it is not a typeface FreeType reads "
              "[Bad file mode]\n");
}

TEST_F(ImportCommand, RefusesABadConjunctLineWithItsNumber) {
    const std::string ksha = "क्ष";
    struct BadList {
        std::string text;
        std::string message;
    };
    std::string tooLong;
    for (int i = 0; i < 65; ++i) tooLong += ksha + " 01 " + Hex2(i) + "\n";
    for (const BadList& bad :
         {BadList{
              "\n" + ksha + " 15 3G\n",
              "line 2 of \"list.txt\" holds \"3G\", not a code byte (hexadecimal, 00 to FF) [Type mismatch]"},
          BadList{ksha + " 15\n",
                  "line 1 of \"list.txt\" holds \"" + ksha +
                      " 15\", not a conjunct alone or followed by its two code bytes [Type mismatch]"},
          BadList{ksha + " 15 37\n" + ksha + " 1 100\n",
                  "line 2 of \"list.txt\" holds \"100\", not a code byte (hexadecimal, 00 to FF) [Type "
                  "mismatch]"},
          BadList{"ksa\n",
                  "line 1 of \"list.txt\" holds \"ksa\", which is not Devanagari text [Type mismatch]"},
          BadList{"क\n",
                  "line 1 of \"list.txt\" holds \"क\", which is neither a conjunct of two consonants nor a "
                  "half form: give its two code bytes [Invalid property value]"},
          BadList{"\xE0\xA4\n", "line 1 of \"list.txt\" is not UTF-8 text [Type mismatch]"},
          BadList{tooLong,
                  "line 65 of \"list.txt\" is conjunct 65, and a Jukta font holds at most 64 [Invalid "
                  "property value]"},
          BadList{"# nothing\n", "\"list.txt\" holds no conjunct [Invalid property value]"}}) {
        Write("list.txt", bad.text);
        const ProcessResult r = Run({"import", "--jukta", "list.txt", "-o", "jukta.txt"});
        EXPECT_EQ(r.status, 2) << bad.message;
        EXPECT_EQ(r.err, "ledfont import: " + bad.message + "\n");
        EXPECT_FALSE(Exists("jukta.txt"));
    }
}

TEST_F(ImportCommand, FindsTheShippedListBesideTheProgramInShareLedfont) {
    // The two programs moved to bin/ (an installation puts the import program in
    // libexec; beside ledfont is looked at first).
    namespace fs = std::filesystem;
    fs::create_directories(folder.Path("bin"));
    const fs::path built = fs::path(LEDFONT_COMPANION).parent_path();
    for (const char* file : {"ledfont", "ledfont-import"})
        fs::copy_file(built / file, folder.Path("bin") / fs::path(file));
    const std::string program = folder.Path("bin/ledfont");
    const ProcessResult missing =
        RunProcess({program, "import", "--jukta", "-o", "jukta.txt"}, folder.Root());
    EXPECT_EQ(missing.status, 2);
    // The third place is the data folder of the installation, which the build chose.
    const std::string told =
        "ledfont import: cannot find the data file conjuncts.txt: looked for \"" +
        folder.Path("share/ledfont/conjuncts.txt") + "\", \"" +
        (fs::path(folder.Root()).parent_path() / "share/ledfont/conjuncts.txt").string() + "\" and \"";
    EXPECT_EQ(missing.err.substr(0, told.size()), told);
    EXPECT_TRUE(missing.err.ends_with("/conjuncts.txt\" [File not found]\n")) << missing.err;

    fs::create_directories(folder.Path("share/ledfont"));
    Write("share/ledfont/conjuncts.txt", "त्र\n");
    const ProcessResult found = RunProcess({program, "import", "--jukta", "-o", "jukta.txt"}, folder.Root());
    ASSERT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(ReadFont(Read("jukta.txt"), true).Code(0, 0), 0x24) << "त्र, not प्, is first";
}

TEST_F(Companion, ABadTypefaceIsRefusedInWordsNotANumber) {
    struct Case {
        std::string bytes;
        const char* why;
    };
    // A collection header that claims more fonts than memory holds.
    for (const Case& c : {Case{std::string("ttcf\0\1\0\0\xFF\xFF\xFF\xFF", 12), "it is damaged"},
                          Case{"true", "it is not a typeface FreeType reads"}}) {
        Write("bad.ttf", c.bytes);
        const ProcessResult r = Run({"import", "--hindi", "-o", "x.txt", "bad.ttf"});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, std::string("ledfont import: cannot read the typeface \"bad.ttf\": ") + c.why +
                             " [Bad file mode]\n");
        EXPECT_FALSE(Exists("x.txt"));
    }
}

// ---- new -----------------------------------------------------------------

TEST_F(Companion, NewWritesABlankFontThatLoads) {
    for (const bool jukta : {false, true}) {
        const char* mode = jukta ? "--jukta" : "--hindi";
        const ProcessResult r = Run({"new", mode, "-o", "new.txt"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "new.txt\n");
        const FontModel font = ReadFont(Read("new.txt"), jukta);
        for (int c = 0; c < (jukta ? 64 : 128); ++c) {
            EXPECT_TRUE(IsBlank(font, c)) << c;
            EXPECT_EQ(font.At(c, 1), 1) << "consonant, centre 1";
        }
        EXPECT_EQ(font.codes, std::vector<int>(jukta ? 128 : 0, 0));
        // A check finds nothing but the empty code pairs, which new has told.
        const ProcessResult check = Run({"check", "new.txt", mode});
        if (!jukta) {
            EXPECT_EQ(check.out, "ok\n");
            continue;
        }
        int empty = 0;
        for (std::size_t at = 0; (at = check.out.find("code pair 00 00 is empty\n", at)) != std::string::npos;
             ++at)
            ++empty;
        EXPECT_EQ(empty, 64);
        EXPECT_EQ(std::count(check.out.begin(), check.out.end(), '\n'), 64) << check.out;
        EXPECT_EQ(r.err, "new.txt: the 64 code pairs are 00 00, empty until they are typed in\n");
    }
}

TEST_F(ImportCommand, RefusesToOverwriteItsInputs) {
    Write("list.txt", "क्ष\n");
    const std::string list = Read("list.txt");
    const ProcessResult r = Run({"import", "--jukta", "list.txt", "-o", "list.txt"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(
        r.err,
        "ledfont import: \"list.txt\" would overwrite the file it is made from [Bad file name or number]\n");
    EXPECT_EQ(Read("list.txt"), list);
    EXPECT_EQ(Run({"new", "--hindi", "-o", "."}).status, 2) << "a folder is no font";
}

}  // namespace
}  // namespace ledfont::test
