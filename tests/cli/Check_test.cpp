// ledfont check: what the editor cannot show, with glyph, code and line.
#include "CompanionTest.h"
#include "FontMode.h"

namespace ledfont::test {
namespace {

// Line of byte k of glyph c in a file of one byte per line.
int LineOf(int c, int k) { return 34 * c + k + 1; }
// Line of code byte j of conjunct c in a Jukta file.
int CodeLineOf(int c, int j) { return CodePairItem(c, j) + 1; }

std::string Finding(int line, const std::string& text) {
    return "font.txt:" + std::to_string(line) + ": " + text + "\n";
}

// "glyph 5 (0905)" in a Hindi font, "glyph 5 (05)" in a Jukta font.
std::string Glyph(const FontModel& font, int c) {
    return "glyph " + std::to_string(c) + " (" + (font.Jukta() ? "" : "09") + Hex2(c) + ")";
}

void Darken(FontModel& font, int c) {
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) font.SetLit(c, x, y, false);
}

// One kind of problem: the change to a clean font and what check must print.
struct Problem {
    const char* name;
    bool jukta;
    std::string (*make)(FontModel& font);  // changes font, returns the expected output
};

std::string ColumnCountTooHigh(FontModel& font) {
    font.At(5, 0) = 17;
    return Finding(LineOf(5, 0), Glyph(font, 5) + ": column count 17 is outside 3..16");
}
std::string ColumnCountTooLow(FontModel& font) {
    font.At(6, 0) = 2;
    Darken(font, 6);
    font.SetLit(6, 1, 1, true);
    return Finding(LineOf(6, 0), Glyph(font, 6) + ": column count 2 is outside 3..16");
}
std::string ClassOutside(FontModel& font) {
    font.At(9, 1) = 3 * 16 + font.At(9, 1) % 16;
    return Finding(LineOf(9, 1), Glyph(font, 9) + ": class 3 is outside 0..2");
}
std::string CentreZero(FontModel& font) {
    font.At(10, 1) = font.At(10, 1) / 16 * 16;
    return Finding(LineOf(10, 1), Glyph(font, 10) + ": centre column 0 is outside 1..15");
}
std::string CentreRightOfCount(FontModel& font) {
    const int n = font.At(14, 0);
    EXPECT_LT(n, 15);
    font.At(14, 1) = font.At(14, 1) / 16 * 16 + n + 1;
    return Finding(LineOf(14, 1), Glyph(font, 14) + ": centre column " + std::to_string(n + 1) +
                                      " is right of the column count " + std::to_string(n));
}
std::string LitRightOfCount(FontModel& font) {
    const int n = font.At(2, 0);
    EXPECT_LT(n, 15);
    font.SetLit(2, 15, 0, true);
    font.SetLit(2, n, 9, true);  // rows 9..16 of column n + 1: the second byte of that column
    return Finding(LineOf(2, 2 + 2 * n + 1), Glyph(font, 2) + ": lit cells right of the column count " +
                                                 std::to_string(n) + ", in columns " + std::to_string(n + 1) +
                                                 ", 16");
}
// An ikaar's arc overhangs the cluster after it; a mark's stray cell is a slip.
std::string LitRightOfCountOfAMarkNotOfAnIkaar(FontModel& font) {
    for (const int c : {2, 3}) {
        font.At(c, 1) = (c == 2 ? 2 : 1) * 16 + 1;
        font.SetLit(c, 15, 0, true);
    }
    return Finding(LineOf(3, 2 + 2 * 15), Glyph(font, 3) + ": lit cells right of the column count " +
                                               std::to_string(font.At(3, 0)) + ", in column 16");
}
std::string EmptyCodePair(FontModel& font) {
    font.codes[6] = 0;
    font.codes[7] = 0;
    return Finding(CodeLineOf(3, 0), "glyph 3 (03): code pair 00 00 is empty");
}
std::string RepeatedCodePair(FontModel& font) {
    font.codes[80] = font.codes[14];
    font.codes[81] = font.codes[15];
    return Finding(CodeLineOf(40, 0), "glyph 40 (28): code pair " + Hex2(font.codes[14]) + " " +
                                          Hex2(font.codes[15]) + " is also the code pair of glyph 7 (07)");
}

std::string ItemsAfterAHindiFont(FontModel& font) {
    font.glyphs.insert(font.glyphs.end(), {1, 2, 3});
    return Finding(4353, "3 items after the 4352 that a Hindi font holds: Load ignores them and Save drops them");
}
std::string ItemAfterAJuktaFont(FontModel& font) {
    font.codes.push_back(7);
    return Finding(2305, "1 item after the 2304 that a Jukta font holds: Load ignores them and Save drops them");
}

class CheckFinds : public Companion, public testing::WithParamInterface<Problem> {};

TEST_P(CheckFinds, EachProblemWithGlyphCodeAndLine) {
    FontModel font = MakeCleanFont(GetParam().jukta, 1);
    const std::string expected = GetParam().make(font);
    Write("font.txt", FontText(font));
    const ProcessResult r = Run({"check", "font.txt", GetParam().jukta ? "--jukta" : "--hindi"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(Kinds, CheckFinds,
                         testing::Values(Problem{"ColumnCountTooHigh", false, ColumnCountTooHigh},
                                         Problem{"ColumnCountTooLow", false, ColumnCountTooLow},
                                         Problem{"ClassOutside", false, ClassOutside},
                                         Problem{"CentreZero", false, CentreZero},
                                         Problem{"CentreRightOfCount", false, CentreRightOfCount},
                                         Problem{"LitRightOfCount", false, LitRightOfCount},
                                         Problem{"LitRightOfCountOfAMarkNotOfAnIkaar", false,
                                                 LitRightOfCountOfAMarkNotOfAnIkaar},
                                         Problem{"JuktaRecord", true, ClassOutside},
                                         Problem{"EmptyCodePair", true, EmptyCodePair},
                                         Problem{"RepeatedCodePair", true, RepeatedCodePair},
                                         Problem{"ItemsAfterAHindiFont", false, ItemsAfterAHindiFont},
                                         Problem{"ItemAfterAJuktaFont", true, ItemAfterAJuktaFont}),
                         [](const testing::TestParamInfo<Problem>& p) { return std::string(p.param.name); });

using CheckCommand = Companion;

TEST_F(CheckCommand, FindsNothingInACleanFontToldOrNotWhichItIs) {
    for (const bool jukta : {false, true}) {
        Write("font.txt", FontText(MakeCleanFont(jukta, 2)));
        for (const char* mode : {jukta ? "--jukta" : "--hindi", "--"}) {
            const ProcessResult r = Run({"check", "font.txt", mode});
            EXPECT_EQ(r.status, 0) << mode << r.out << r.err;
            EXPECT_EQ(r.out, "ok\n");
        }
    }
}

TEST_F(CheckCommand, ListsEveryProblemInFileOrder) {
    FontModel font = MakeCleanFont(true, 1);
    // Made in another order than the file's: code pairs come after all records.
    const std::string laterCode = RepeatedCodePair(font);
    const std::string earlierCode = EmptyCodePair(font);
    const std::string laterRecord = CentreZero(font);
    const std::string earlierRecord = ColumnCountTooHigh(font);
    Write("font.txt", FontText(font));
    const ProcessResult r = Run({"check", "font.txt", "--jukta"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, earlierRecord + laterRecord + earlierCode + laterCode);
}

TEST_F(CheckCommand, LinesAreTheFilesLinesWhenItemsShareALine) {
    // One glyph record to a line, its bytes parted by commas.
    FontModel font = MakeCleanFont(false, 1);
    ColumnCountTooHigh(font);
    std::string text;
    for (int c = 0; c < 128; ++c) {
        for (int k = 0; k < 34; ++k) text += std::to_string(font.At(c, k)) + (k < 33 ? "," : "\r\n");
    }
    Write("font.txt", text);
    const ProcessResult r = Run({"check", "font.txt", "--hindi"});
    EXPECT_EQ(r.out, Finding(6, "glyph 5 (0905): column count 17 is outside 3..16"));
}

TEST_F(CheckCommand, AFontThatCannotLoadIsAFailureNamingFileAndWhy) {
    std::vector<std::string> lines = FontLines(MakeCleanFont(false, 1));
    lines[99] = "300";
    Write("overflow.txt", Join(lines));
    Write("hindi.txt", FontText(MakeCleanFont(false, 1)));
    Write("jukta.txt", FontText(MakeCleanFont(true, 1)));
    Write("short.txt", Join(std::vector<std::string>(2303, "1")));
    ASSERT_EQ(mkfifo(folder.Path("pipe").c_str(), 0644), 0);
    struct Case {
        const char* file;
        const char* mode;  // "--": none, the file tells
        std::string said;
    };
    for (const Case& c :
         {Case{"overflow.txt", "--hindi",
               "line 100 of \"overflow.txt\" holds \"300\", a number outside 0 to 255 [Overflow]"},
          Case{"hindi.txt", "--jukta",
               "\"hindi.txt\" holds 4352 items, a whole Hindi font, and a Jukta font has 2304; loaded as Jukta, "
               "glyphs 64 to 127 would be lost at the next Save: choose Hindi [Bad file mode]"},
          Case{"jukta.txt", "--hindi",
               "\"jukta.txt\" ends after 2304 items, and a Hindi font has 4352; that is the size of a Jukta "
               "font: choose Jukta [Input past end of file]"},
          Case{"short.txt", "--",
               "\"short.txt\" ends after 2303 items, and a Hindi font has 4352, a Jukta font 2304 [Input past "
               "end of file]"},
          Case{"pipe", "--",
               "cannot read \"pipe\": it is a named pipe (FIFO), not a regular file [Path/File access error]"}}) {
        for (const char* command : {"check", "hex"}) {
            const ProcessResult r = Run({command, c.file, c.mode});
            EXPECT_EQ(r.status, 2) << command << ' ' << c.file;
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err, "ledfont " + std::string(command) + ": " + c.said + "\n");
        }
    }
    EXPECT_EQ(folder.Entries(),
              (std::set<std::string>{"overflow.txt", "hindi.txt", "jukta.txt", "short.txt", "pipe"}));
}

}  // namespace
}  // namespace ledfont::test
