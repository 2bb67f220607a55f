#include "FontFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "Error.h"
#include "FileSizeLimit.h"
#include "TestFolder.h"
#include "Unprivileged.h"

namespace ledfont {
namespace {

using test::TestFolder;
using CellValue = std::function<int(int, int)>;

// Values the tests store: they cover one-, two- and three-digit bytes.
int GlyphPattern(int c, int k) { return (c * 31 + k * 7 + 3) % 256; }
int CodePattern(int c, int j) { return (c * 5 + j * 101 + 200) % 256; }

// Every cell of both tables (spare rows and columns too) holds its pattern value.
std::unique_ptr<FontState> PatternedFont(bool isJukta) {
    auto state = std::make_unique<FontState>();
    for (int c = 0; c <= 200; ++c) {
        for (int k = 0; k <= 50; ++k) state->FontBytes(c, k) = static_cast<Byte>(GlyphPattern(c, k));
        for (int j = 0; j <= 2; ++j) state->JuktaCodes(c, j) = static_cast<Byte>(CodePattern(c, j));
    }
    state->IsJukta = isJukta;
    return state;
}

// A state whose every member holds a value no test file carries, to see what a load touches.
std::unique_ptr<FontState> MarkedState(bool isJukta) {
    auto state = std::make_unique<FontState>();
    for (int c = 0; c <= 200; ++c) {
        for (int k = 0; k <= 50; ++k) state->FontBytes(c, k) = 0xEE;
        for (int j = 0; j <= 2; ++j) state->JuktaCodes(c, j) = 0xDD;
    }
    state->MapBytes.fill(0x11);
    state->HexBuf.fill(0x22);
    state->CurChar = 42;
    state->FontFile = "/somewhere/chosen.txt";
    state->IsJukta = isJukta;
    return state;
}

// The line values of a font file, in the order the format lists them.
std::vector<int> HindiLines(const CellValue& glyph = GlyphPattern) {
    std::vector<int> lines;
    for (int c = 0; c < 128; ++c)
        for (int k = 0; k < 34; ++k) lines.push_back(glyph(c, k));
    return lines;
}

std::vector<int> JuktaLines(const CellValue& glyph = GlyphPattern, const CellValue& code = CodePattern) {
    std::vector<int> lines;
    for (int c = 0; c < 64; ++c)
        for (int k = 0; k < 34; ++k) lines.push_back(glyph(c, k));
    for (int c = 0; c < 64; ++c)
        for (int j = 0; j < 2; ++j) lines.push_back(code(c, j));
    return lines;
}

std::vector<std::string> Texts(const std::vector<int>& values) {
    std::vector<std::string> texts;
    for (int v : values) texts.push_back(std::to_string(v));
    return texts;
}

std::string Join(const std::vector<std::string>& items, const std::string& lineEnd = "\r\n") {
    std::string out;
    for (const auto& item : items) out += item + lineEnd;
    return out;
}

std::string Join(const std::vector<int>& values, const std::string& lineEnd = "\r\n") {
    return Join(Texts(values), lineEnd);
}

// Checks that a load stored glyph(c, k) into the records of its mode and
// code(c, j) into the code pairs (Jukta), and left every other member as it was.
void ExpectLoaded(const FontState& before, const FontState& after, FontMode mode, const CellValue& glyph,
                  const CellValue& code) {
    std::ostringstream wrong;
    int count = 0;
    for (int c = 0; c <= 200; ++c) {
        for (int k = 0; k <= 50; ++k) {
            const bool loaded = c < GlyphCount(mode) && k < 34;
            const int expected = loaded ? glyph(c, k) : before.FontBytes(c, k);
            if (after.FontBytes(c, k) != expected && count++ < 5)
                wrong << " FontBytes(" << c << "," << k << ")=" << int{after.FontBytes(c, k)} << " not "
                      << expected << ";";
        }
        for (int j = 0; j <= 2; ++j) {
            const bool loaded = mode == FontMode::Jukta && c < 64 && j < 2;
            const int expected = loaded ? code(c, j) : before.JuktaCodes(c, j);
            if (after.JuktaCodes(c, j) != expected && count++ < 5)
                wrong << " JuktaCodes(" << c << "," << j << ")=" << int{after.JuktaCodes(c, j)} << " not "
                      << expected << ";";
        }
    }
    EXPECT_EQ(count, 0) << wrong.str();
    EXPECT_TRUE(after.MapBytes == before.MapBytes);
    EXPECT_TRUE(after.HexBuf == before.HexBuf);
    EXPECT_EQ(after.CurChar, before.CurChar);
    EXPECT_EQ(after.FontFile, before.FontFile);
    EXPECT_EQ(after.IsJukta, before.IsJukta);
}

void ExpectUnchanged(const FontState& before, const FontState& after) {
    EXPECT_TRUE(after.FontBytes == before.FontBytes) << "FontBytes changed";
    EXPECT_TRUE(after.JuktaCodes == before.JuktaCodes) << "JuktaCodes changed";
    EXPECT_TRUE(after.MapBytes == before.MapBytes);
    EXPECT_TRUE(after.HexBuf == before.HexBuf);
    EXPECT_EQ(after.CurChar, before.CurChar);
    EXPECT_EQ(after.FontFile, before.FontFile);
    EXPECT_EQ(after.IsJukta, before.IsJukta);
}

// A load of text in memory, down the road every load takes.
void LoadFromText(FontState& state, FontMode mode, std::string_view text) {
    ItemReader reader = ItemReader::OverText(text);
    LoadFontItems(state, mode, reader);
}

enum class Via { Memory, File };

std::ostream& operator<<(std::ostream& os, Via via) { return os << (via == Via::File ? "file" : "memory"); }

void Load(Via via, FontState& state, FontMode mode, const std::string& text) {
    if (via == Via::Memory) return LoadFromText(state, mode, text);
    TestFolder folder;
    const std::string path = folder.Write("font.txt", text);
    if (mode == FontMode::Jukta)
        LoadFontJukta(state, path);
    else
        LoadFont(state, path);
}

// ---- Saving: the layouts byte for byte ----

TEST(SaveFont, WritesTheHindiLayoutOneDecimalByteALine) {
    const auto state = PatternedFont(false);
    TestFolder folder;
    SaveFont(*state, folder.Path("hindi.txt"));
    const std::string expected = Join(HindiLines());
    EXPECT_EQ(TestFolder::Read(folder.Path("hindi.txt")), expected);
    EXPECT_EQ(FontText(*state), expected);
}

TEST(SaveFont, WritesTheJuktaLayoutGlyphsThenCodePairs) {
    const auto state = PatternedFont(true);
    TestFolder folder;
    SaveFont(*state, folder.Path("jukta.txt"));
    EXPECT_EQ(TestFolder::Read(folder.Path("jukta.txt")), Join(JuktaLines()));
}

TEST(SaveFont, WorkedExampleBeginsWithColumnCountCentreAndDarkColumns) {
    auto state = std::make_unique<FontState>();
    state->FontBytes(0, 0) = 10;
    state->FontBytes(0, 1) = 5;
    for (int k = 2; k < 34; ++k) state->FontBytes(0, k) = 255;
    state->FontBytes(1, 0) = 3;
    std::string expected = "10\r\n5\r\n";
    for (int i = 0; i < 32; ++i) expected += "255\r\n";
    expected += "3\r\n0\r\n";  // line 34 is byte 0 of character 1
    EXPECT_EQ(FontText(*state).substr(0, expected.size()), expected);
}

struct SizeCase {
    bool isJukta;
    Byte fill;
    std::size_t lines;
    std::size_t bytes;
};

class SavedSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SavedSize, LinesAndBytesOfTheSmallestAndLargestFont) {
    auto state = std::make_unique<FontState>();
    for (int c = 0; c <= 200; ++c) {
        for (int k = 0; k <= 50; ++k) state->FontBytes(c, k) = GetParam().fill;
        for (int j = 0; j <= 2; ++j) state->JuktaCodes(c, j) = GetParam().fill;
    }
    state->IsJukta = GetParam().isJukta;
    const std::string text = FontText(*state);
    std::size_t crlf = 0;
    for (std::size_t i = 0; (i = text.find("\r\n", i)) != std::string::npos; i += 2) ++crlf;
    EXPECT_EQ(crlf, GetParam().lines);
    EXPECT_EQ(text.size(), GetParam().bytes);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << "the last line ends with CR LF too";
}

INSTANTIATE_TEST_SUITE_P(BothModes, SavedSize,
                         ::testing::Values(SizeCase{false, 0, 4352, 13056}, SizeCase{false, 255, 4352, 21760},
                                           SizeCase{true, 0, 2304, 6912}, SizeCase{true, 255, 2304, 11520}));

// ---- Loading: what a good file does ----

TEST(LoadFont, SaveThenLoadGivesBackTheHindiRecordsAndNothingElse) {
    const auto saved = PatternedFont(false);
    TestFolder folder;
    SaveFont(*saved, folder.Path("font.txt"));
    const auto before = MarkedState(true);
    auto state = MarkedState(true);
    LoadFont(*state, folder.Path("font.txt"));
    ExpectLoaded(*before, *state, FontMode::Hindi, GlyphPattern, CodePattern);
}

TEST(LoadFontJukta, SaveThenLoadGivesBackTheJuktaRecordsAndCodePairsAndNothingElse) {
    const auto saved = PatternedFont(true);
    TestFolder folder;
    SaveFont(*saved, folder.Path("font.txt"));
    const auto before = MarkedState(false);
    auto state = MarkedState(false);
    LoadFontJukta(*state, folder.Path("font.txt"));
    ExpectLoaded(*before, *state, FontMode::Jukta, GlyphPattern, CodePattern);
}

TEST(LoadFont, AnyTableSurvivesTextAndBackInBothModes) {
    for (unsigned seed = 1; seed <= 10; ++seed) {
        std::mt19937 random(seed);
        auto saved = std::make_unique<FontState>();
        for (int c = 0; c <= 200; ++c) {
            for (int k = 0; k <= 50; ++k) saved->FontBytes(c, k) = static_cast<Byte>(random() % 256);
            for (int j = 0; j <= 2; ++j) saved->JuktaCodes(c, j) = static_cast<Byte>(random() % 256);
        }
        for (bool isJukta : {false, true}) {
            saved->IsJukta = isJukta;
            const FontMode mode = ModeOf(isJukta);
            const auto before = std::make_unique<FontState>();
            auto loaded = std::make_unique<FontState>();
            LoadFromText(*loaded, mode, FontText(*saved));
            const auto glyph = [&](int c, int k) { return int{saved->FontBytes(c, k)}; };
            const auto code = [&](int c, int j) { return int{saved->JuktaCodes(c, j)}; };
            ExpectLoaded(*before, *loaded, mode, glyph, code);
        }
    }
}

// The first lines of a Hindi font, and then as many more "0" lines as asked.
std::string HindiItems(std::size_t count) {
    std::vector<std::string> items = Texts(HindiLines());
    items.resize(count, "0");
    return Join(items);
}

TEST(LoadFontJukta, AWholeHindiFontIsRefusedAndChangesNothing) {
    TestFolder folder;
    for (const auto& [items, said] : {std::pair{std::size_t{4352}, std::string("holds 4352 items")},
                                      std::pair{std::size_t{5000}, std::string("holds more than 4352 items")}}) {
        const std::string path = folder.Write("hindi.txt", HindiItems(items));
        const auto before = MarkedState(true);
        auto state = MarkedState(true);
        try {
            LoadFontJukta(*state, path);
            FAIL() << items << " items loaded as a Jukta font";
        } catch (const BadFileModeError& e) {
            for (const std::string& part : {"\"" + path + "\"", said, std::string("choose Hindi")})
                EXPECT_NE(e.Description().find(part), std::string::npos) << e.Description();
        }
        ExpectUnchanged(*before, *state);
    }
}

TEST(LoadFontJukta, APartHindiFileLoadsWithCodePairsFromLines2176To2303) {
    TestFolder folder;
    const auto before = MarkedState(true);
    auto state = MarkedState(true);
    LoadFontJukta(*state, folder.Write("hindi.txt", HindiItems(4351)));
    const std::vector<int> lines = HindiLines();
    const auto code = [&](int c, int j) { return lines[static_cast<std::size_t>(2176 + 2 * c + j)]; };
    ExpectLoaded(*before, *state, FontMode::Jukta, GlyphPattern, code);
    // Line 2176 is byte 0 of Hindi glyph 64; line 2303 is byte 25 of glyph 67.
    EXPECT_EQ(state->JuktaCodes(0, 0), GlyphPattern(64, 0));
    EXPECT_EQ(state->JuktaCodes(0, 1), GlyphPattern(64, 1));
    EXPECT_EQ(state->JuktaCodes(17, 0), GlyphPattern(65, 0));
    EXPECT_EQ(state->JuktaCodes(63, 1), GlyphPattern(67, 25));
}

TEST(LoadFont, AJuktaFileFailsAtItsEndAndChangesNothing) {
    const auto saved = PatternedFont(true);
    TestFolder folder;
    SaveFont(*saved, folder.Path("jukta.txt"));
    const auto before = MarkedState(true);
    auto state = MarkedState(true);
    try {
        LoadFont(*state, folder.Path("jukta.txt"));
        FAIL() << "a 2304-line file loaded as a Hindi font";
    } catch (const InputPastEndError& e) {
        EXPECT_NE(e.Description().find("2304 items"), std::string::npos) << e.Description();
        EXPECT_NE(e.Description().find("4352"), std::string::npos) << e.Description();
        EXPECT_NE(e.Description().find("choose Jukta"), std::string::npos) << e.Description();
    }
    ExpectUnchanged(*before, *state);
}

struct FormCase {
    std::string name;
    std::function<std::string(const std::vector<std::string>&)> write;
};

std::ostream& operator<<(std::ostream& os, const FormCase& c) { return os << c.name; }

class TextForms : public ::testing::TestWithParam<std::tuple<FormCase, Via>> {};

TEST_P(TextForms, LoadLikeOneItemALine) {
    const auto& [form, via] = GetParam();
    for (FontMode mode : {FontMode::Hindi, FontMode::Jukta}) {
        const std::vector<int> values = mode == FontMode::Jukta ? JuktaLines() : HindiLines();
        const auto before = MarkedState(false);
        auto state = MarkedState(false);
        Load(via, *state, mode, form.write(Texts(values)));
        ExpectLoaded(*before, *state, mode, GlyphPattern, CodePattern);
    }
}

std::string CommaSeparated(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) out += items[i] + (i % 8 == 7 ? "\r\n" : ",");
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    ReaderLeniency, TextForms,
    ::testing::
        Combine(::testing::Values(
                    FormCase{"EightToALineWithCommas", CommaSeparated},
                    FormCase{"LoneLf", [](const auto& items) { return Join(items, "\n"); }},
                    FormCase{"LoneCr", [](const auto& items) { return Join(items, "\r"); }},
                    FormCase{"NoFinalLineEnd",
                             [](const auto& items) {
                                 auto all = Join(items);
                                 return all.substr(0, all.size() - 2);
                             }},
                    FormCase{"ExtraItemsAfterTheFont",
                             [](const auto& items) { return Join(items) + "junk\r\n300\r\n\r\n"; }},
                    FormCase{"BlankLineAfterTheFont", [](const auto& items) { return Join(items) + "\r\n"; }},
                    FormCase{
                        "SpacesAndHexItems",
                        [](const auto& items) {
                            std::string out;
                            for (const auto& item : items) {
                                char hex[8];
                                std::snprintf(hex, sizeof hex, "&H%X",
                                              static_cast<unsigned>(std::stoi(item)));
                                out += (std::stoi(item) % 2 ? " " + item + " " : std::string(hex)) + "\r\n";
                            }
                            return out;
                        }}),
                ::testing::Values(Via::Memory, Via::File)),
    [](const ::testing::TestParamInfo<std::tuple<FormCase, Via>>& param) {
        return std::get<0>(param.param).name + (std::get<1>(param.param) == Via::File ? "_File" : "_Memory");
    });

TEST(LoadFontJukta, AHindiLoadThenAJuktaLoadKeepsGlyphs64To127AndSavesOnlyTheJuktaLayout) {
    auto state = std::make_unique<FontState>();
    LoadFromText(*state, FontMode::Hindi, Join(HindiLines()));
    const auto ones = [](int, int) { return 1; };
    LoadFromText(*state, FontMode::Jukta, Join(JuktaLines(ones, ones)));
    for (int c = 0; c < 128; ++c)
        for (int k = 0; k < 34; ++k)
            ASSERT_EQ(state->FontBytes(c, k), c < 64 ? 1 : GlyphPattern(c, k)) << c << "," << k;
    state->IsJukta = true;
    EXPECT_EQ(FontText(*state), Join(std::vector<int>(2304, 1)));
}

TEST(LoadFont, ALargeFileLoadsItsFirstItems) {
    TestFolder folder;
    const std::string path = folder.Path("large.txt");
    {
        std::ofstream out(path, std::ios::binary);
        out << Join(HindiLines());
        const std::string filler = Join(std::vector<int>(100'000, 255));  // 500 kB
        for (int i = 0; i < 100; ++i) out << filler;                      // 50 MB in all
    }
    ASSERT_GT(std::filesystem::file_size(path), 50'000'000u);
    const auto before = MarkedState(false);
    auto state = MarkedState(false);
    LoadFont(*state, path);
    ExpectLoaded(*before, *state, FontMode::Hindi, GlyphPattern, CodePattern);
}

// ---- Loading: what a bad file does ----

struct BadItemCase {
    std::string name;
    FontMode mode;
    int line;  // counted from 0
    std::string item;
    ErrorNumber number;
};

std::ostream& operator<<(std::ostream& os, const BadItemCase& c) { return os << c.name; }

class BadItem : public ::testing::TestWithParam<std::tuple<BadItemCase, Via>> {};

TEST_P(BadItem, FailsNamingTheLineAndLeavesTheStateExactlyAsItWas) {
    const auto& [bad, via] = GetParam();
    std::vector<std::string> items = Texts(bad.mode == FontMode::Jukta ? JuktaLines() : HindiLines());
    items[static_cast<std::size_t>(bad.line)] = bad.item;
    const auto before = MarkedState(bad.mode == FontMode::Hindi);
    auto state = MarkedState(bad.mode == FontMode::Hindi);
    try {
        Load(via, *state, bad.mode, Join(items));
        FAIL() << "a file with \"" << bad.item << "\" at line " << bad.line << " loaded";
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), bad.number) << e.Description();
        const std::string line = "line " + std::to_string(bad.line + 1) + " ";
        EXPECT_NE(e.Description().find(line), std::string::npos) << e.Description();
    }
    ExpectUnchanged(*before, *state);
}

INSTANTIATE_TEST_SUITE_P(
    AtVariousPositions, BadItem,
    ::testing::Combine(
        ::testing::Values(
            BadItemCase{"HindiFirstItem", FontMode::Hindi, 0, "abc", ErrorNumber::TypeMismatch},
            BadItemCase{"HindiLine40TooBig", FontMode::Hindi, 40, "256", ErrorNumber::Overflow},
            BadItemCase{"HindiBlankLine", FontMode::Hindi, 100, "", ErrorNumber::TypeMismatch},
            BadItemCase{"HindiHexTooBig", FontMode::Hindi, 500, "&H100", ErrorNumber::Overflow},
            BadItemCase{"HindiFraction", FontMode::Hindi, 1234, "1.5", ErrorNumber::TypeMismatch},
            BadItemCase{"HindiNul", FontMode::Hindi, 2000, std::string(1, '\0'), ErrorNumber::TypeMismatch},
            BadItemCase{"HindiBrokenUtf8", FontMode::Hindi, 3000, "\xC3\x28", ErrorNumber::TypeMismatch},
            BadItemCase{"HindiItemTooLongForAByte", FontMode::Hindi, 3500, std::string(40, '1'),
                        ErrorNumber::TypeMismatch},
            BadItemCase{"HindiLastItem", FontMode::Hindi, 4351, "-1", ErrorNumber::Overflow},
            BadItemCase{"JuktaFirstItem", FontMode::Jukta, 0, "1e2", ErrorNumber::TypeMismatch},
            BadItemCase{"JuktaLastGlyphByte", FontMode::Jukta, 2175, "x", ErrorNumber::TypeMismatch},
            BadItemCase{"JuktaFirstCode", FontMode::Jukta, 2176, "300", ErrorNumber::Overflow},
            BadItemCase{"JuktaCodePart", FontMode::Jukta, 2200, "abc", ErrorNumber::TypeMismatch},
            BadItemCase{"JuktaLastItem", FontMode::Jukta, 2303, "99999999999", ErrorNumber::Overflow}),
        ::testing::Values(Via::Memory, Via::File)),
    [](const ::testing::TestParamInfo<std::tuple<BadItemCase, Via>>& param) {
        return std::get<0>(param.param).name + (std::get<1>(param.param) == Via::File ? "_File" : "_Memory");
    });

struct MessageCase {
    FontMode mode;
    std::string text;
    std::string description;
};

class LoadMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(LoadMessage, SaysWhatIsWrongWithTheFileAndWhere) {
    auto state = std::make_unique<FontState>();
    try {
        LoadFromText(*state, GetParam().mode, GetParam().text);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.Description(), GetParam().description);
    }
}

// A Hindi font with the item of one line (from 0) replaced.
std::string HindiWith(std::size_t line, const std::string& item) {
    std::vector<std::string> items = Texts(HindiLines());
    items[line] = item;
    return Join(items);
}

INSTANTIATE_TEST_SUITE_P(
    Wording, LoadMessage,
    ::testing::Values(
        MessageCase{FontMode::Hindi, HindiWith(40, "abc"),
                    "line 41 of text holds \"abc\", not a number from 0 to 255 [Type mismatch]"},
        MessageCase{FontMode::Hindi, HindiWith(40, "256"),
                    "line 41 of text holds \"256\", a number outside 0 to 255 [Overflow]"},
        MessageCase{FontMode::Hindi, HindiWith(0, std::string("1\0", 2)),
                    "line 1 of text holds \"1?\", not a number from 0 to 255 [Type mismatch]"},
        MessageCase{FontMode::Hindi, HindiWith(9, ""),
                    "line 10 of text holds \"\", not a number from 0 to 255 [Type mismatch]"},
        MessageCase{FontMode::Jukta, Join(std::vector<int>(100, 7)),
                    "text ends after 100 items, and a Jukta font has 2304 [Input past end of file]"},
        MessageCase{
            FontMode::Hindi, Join(JuktaLines()),
            "text ends after 2304 items, and a Hindi font has 4352; that is the size of a Jukta font: "
            "choose Jukta [Input past end of file]"},
        MessageCase{
            FontMode::Jukta, Join(HindiLines()),
            "text holds 4352 items, a whole Hindi font, and a Jukta font has 2304; loaded as Jukta, glyphs "
            "64 to 127 would be lost at the next Save: choose Hindi [Bad file mode]"}));

TEST(LoadFont, TheFirstBadItemIsTheOneReported) {
    std::vector<std::string> items = Texts(HindiLines());
    items[10] = "abc";
    items[20] = "999";
    auto state = std::make_unique<FontState>();
    try {
        LoadFromText(*state, FontMode::Hindi, Join(items));
        FAIL();
    } catch (const TypeMismatchError& e) {
        EXPECT_NE(e.Description().find("line 11 "), std::string::npos) << e.Description();
    }
}

TEST(LoadFont, AShortFileReportsItsEndBeforeABadItem) {
    std::vector<std::string> items = Texts(JuktaLines());
    items[5] = "abc";
    auto state = std::make_unique<FontState>();
    EXPECT_THROW(LoadFromText(*state, FontMode::Hindi, Join(items)), InputPastEndError);
}

struct ShortCase {
    std::string name;
    std::string text;
};

class ShortFile : public ::testing::TestWithParam<ShortCase> {};

TEST_P(ShortFile, FailsAtTheEndAndChangesNothing) {
    for (FontMode mode : {FontMode::Hindi, FontMode::Jukta}) {
        const auto before = PatternedFont(false);
        auto state = PatternedFont(false);
        EXPECT_THROW(Load(Via::File, *state, mode, GetParam().text), InputPastEndError);
        ExpectUnchanged(*before, *state);
    }
}

INSTANTIATE_TEST_SUITE_P(Ends, ShortFile,
                         ::testing::Values(ShortCase{"Empty", ""}, ShortCase{"OneLineEnd", "\r\n"},
                                           ShortCase{"OneItemShort", Join(std::vector<int>(2303, 7))},
                                           ShortCase{"AllOnOneLineOneShort",
                                                     [] {
                                                         std::string line = "7";
                                                         for (int i = 1; i < 2303; ++i) line += ",7";
                                                         return line;
                                                     }()}),
                         [](const ::testing::TestParamInfo<ShortCase>& param) { return param.param.name; });

TEST(LoadFont, AVeryLongLineIsATypeMismatchAndChangesNothing) {
    std::vector<std::string> items = Texts(HindiLines());
    items[5] = std::string(1 << 20, '9');
    const auto before = MarkedState(false);
    auto state = MarkedState(false);
    EXPECT_THROW(Load(Via::File, *state, FontMode::Hindi, Join(items)), TypeMismatchError);
    ExpectUnchanged(*before, *state);
}

TEST(LoadFont, FilesThatCannotBeOpenedAreTypedErrorsAndChangeNothing) {
    TestFolder folder;
    const std::string plain = folder.Write("plain.txt", Join(HindiLines()));
    std::filesystem::create_directory(folder.Path("sub"));
    const std::vector<std::pair<std::string, ErrorNumber>> cases = {
        {folder.Path("missing.txt"), ErrorNumber::FileNotFound},
        {folder.Path("sub"), ErrorNumber::PathFileAccess},
        {plain + "/font.txt", ErrorNumber::PathNotFound},
        {"", ErrorNumber::BadFileName},
    };
    for (const auto& [path, number] : cases) {
        for (bool jukta : {false, true}) {
            const auto before = MarkedState(jukta);
            auto state = MarkedState(jukta);
            try {
                jukta ? LoadFontJukta(*state, path) : LoadFont(*state, path);
                ADD_FAILURE() << "loaded \"" << path << "\"";
            } catch (const Error& e) {
                EXPECT_EQ(e.Number(), number) << path << ": " << e.Description();
            }
            ExpectUnchanged(*before, *state);
        }
    }
}

TEST(LoadFont, AnUnreadableFileIsPermissionDeniedAndChangesNothing) {
    TestFolder folder;
    folder.OpenToEveryone();
    const std::string path = folder.Write("locked.txt", Join(HindiLines()));
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    const auto before = MarkedState(false);
    auto state = MarkedState(false);
    const int result = test::RunUnprivileged([&] {
        try {
            LoadFont(*state, path);
            return 1;
        } catch (const PermissionDeniedError&) {
            return state->FontBytes == before->FontBytes && state->JuktaCodes == before->JuktaCodes ? 0 : 2;
        }
    });
    EXPECT_EQ(result, 0) << "1: loaded anyway, 2: the table changed";
    ExpectUnchanged(*before, *state);
}

// ---- Saving: failures and the file system ----

TEST(SaveFont, AFailedSaveKeepsThePreviousFontFile) {
    TestFolder folder;
    const std::string old = Join(HindiLines());
    const std::string path = folder.Write("font.txt", old);
    const auto state = std::make_unique<FontState>();  // a different, all-zero font
    {
        test::FileSizeLimit limit(4096);  // the new 13 kB text cannot be written whole
        EXPECT_THROW(SaveFont(*state, path), Error);
    }
    EXPECT_EQ(TestFolder::Read(path), old);
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"font.txt"})) << "no temporary file may stay";
}

TEST(SaveFont, IntoAMissingFolderIsPathNotFoundAndCreatesNothing) {
    TestFolder folder;
    const auto state = PatternedFont(false);
    EXPECT_THROW(SaveFont(*state, folder.Path("gone/font.txt")), PathNotFoundError);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST(SaveFont, OverAFolderFailsAndLeavesTheFolder) {
    TestFolder folder;
    std::filesystem::create_directory(folder.Path("font.txt"));
    const auto state = PatternedFont(false);
    EXPECT_THROW(SaveFont(*state, folder.Path("font.txt")), PathFileAccessError);
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path("font.txt")));
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"font.txt"}));
}

TEST(SaveFont, KeepsTheFilePermissionsAndASymbolicLink) {
    TestFolder folder;
    const std::string real = folder.Write("real.txt", "old");
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    const std::string link = folder.Path("font.txt");
    std::filesystem::create_symlink(real, link);
    const auto state = PatternedFont(true);
    SaveFont(*state, link);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(TestFolder::Read(real), Join(JuktaLines()));
    struct stat st {};
    ASSERT_EQ(stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

}  // namespace
}  // namespace ledfont
