#include "HexExport.h"
#include "HexText.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "Error.h"
#include "FontState.h"
#include "TestFolder.h"

namespace ledfont {
namespace {

namespace fs = std::filesystem;

using Image = std::map<std::uint32_t, Byte>;  // controller address -> byte

// ---------------------------------------------------------------- helpers

// A small xorshift generator, so the table holds a known but irregular pattern.
class Pattern {
public:
    explicit Pattern(std::uint32_t seed) : state_(seed) {}
    Byte Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<Byte>(state_ >> 11);
    }

private:
    std::uint32_t state_;
};

// Fills every cell of both tables, the unused ones too, so a read from the
// wrong place shows up as a wrong byte.
void FillWithPattern(FontState& state, std::uint32_t seed) {
    Pattern p(seed);
    for (long c = 0; c <= 200; ++c) {
        for (long k = 0; k <= 50; ++k) state.FontBytes(c, k) = p.Next();
        for (long j = 0; j <= 2; ++j) state.JuktaCodes(c, j) = p.Next();
    }
}

// What the controller should hold after loading the export of this state.
Image ExpectedImage(const FontState& state) {
    Image image;
    if (!state.IsJukta) {
        for (long c = 0; c < 128; ++c)
            for (long k = 0; k < 34; ++k)
                image[static_cast<std::uint32_t>(0x9000 + 34 * c + k)] = state.FontBytes(c, k);
        return image;
    }
    for (long c = 0; c < 64; ++c) {
        for (long k = 0; k < 34; ++k)
            image[static_cast<std::uint32_t>(0xA100 + 34 * c + k)] = state.FontBytes(c, k);
        for (long j = 0; j < 2; ++j)
            image[static_cast<std::uint32_t>(0xAA00 + 2 * c + j)] = state.JuktaCodes(c, j);
    }
    return image;
}

// Splits text into lines, requiring CR LF after every line and no bare CR or LF.
std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text does not end with CR LF";
            break;
        }
        std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "bare CR or LF in " << line;
        lines.push_back(std::move(line));
        start = end + 2;
    }
    return lines;
}

std::optional<int> HexDigitValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return std::nullopt;  // lower case is not what the export writes
}

std::optional<int> HexField(const std::string& line, std::size_t pos, std::size_t digits) {
    if (pos + digits > line.size()) return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        const auto d = HexDigitValue(line[pos + i]);
        if (!d) return std::nullopt;
        value = value * 16 + *d;
    }
    return value;
}

// A little Intel HEX reader of its own: every record is parsed, its checksum
// checked, and its data placed by address. Fails the test on anything odd.
Image ReadIntelHex(const std::string& text) {
    Image image;
    bool ended = false;
    for (const std::string& line : CrLfLines(text)) {
        EXPECT_FALSE(ended) << "record after the end record: " << line;
        if (line.empty() || line[0] != ':') {
            ADD_FAILURE() << "not a record: " << line;
            continue;
        }
        const auto count = HexField(line, 1, 2);
        if (!count || line.size() != 11 + 2 * static_cast<std::size_t>(*count)) {
            ADD_FAILURE() << "bad length: " << line;
            continue;
        }
        int sum = 0;
        for (std::size_t pos = 1; pos < line.size(); pos += 2) {
            const auto b = HexField(line, pos, 2);
            if (!b) ADD_FAILURE() << "bad digits: " << line;
            sum += b.value_or(0);
        }
        EXPECT_EQ(sum % 256, 0) << "bad checksum: " << line;
        const int address = *HexField(line, 3, 4);
        const int type = *HexField(line, 7, 2);
        if (type == 1) {
            ended = true;
            continue;
        }
        EXPECT_EQ(type, 0) << "unexpected record type: " << line;
        for (int i = 0; i < *count; ++i) {
            const auto where = static_cast<std::uint32_t>(address + i);
            EXPECT_EQ(image.count(where), 0u) << "address written twice: " << where;
            image[where] = static_cast<Byte>(*HexField(line, 9 + 2 * static_cast<std::size_t>(i), 2));
        }
    }
    EXPECT_TRUE(ended) << "no end record";
    return image;
}

std::string Hex4(int value) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04X", static_cast<unsigned>(value));
    return buf;
}

// The 16 data bytes of a data record line.
std::vector<Byte> DataOf(const std::string& line) {
    std::vector<Byte> bytes;
    for (std::size_t i = 0; i < 16; ++i) bytes.push_back(static_cast<Byte>(*HexField(line, 9 + 2 * i, 2)));
    return bytes;
}

const std::string* LineAt(const std::vector<std::string>& lines, int address) {
    const std::string prefix = ":10" + Hex4(address) + "00";
    for (const auto& line : lines)
        if (line.rfind(prefix, 0) == 0) return &line;
    return nullptr;
}

std::vector<std::string> NamesIn(const test::TestFolder& dir) {
    const std::set<std::string> names = dir.Entries();
    return {names.begin(), names.end()};
}

// The tables are large; keep them off the stack.
std::unique_ptr<FontState> NewState() { return std::make_unique<FontState>(); }

// ---------------------------------------------------------------- HexCh

struct HexChCase {
    int value;
    const char* text;
};

class HexChTest : public ::testing::TestWithParam<HexChCase> {};

TEST_P(HexChTest, FormatsTwoUpperCaseDigits) {
    EXPECT_EQ(HexCh(static_cast<Byte>(GetParam().value)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Bytes, HexChTest,
                         ::testing::Values(HexChCase{0, "00"}, HexChCase{10, "0A"}, HexChCase{15, "0F"},
                                           HexChCase{16, "10"}, HexChCase{171, "AB"},
                                           HexChCase{255, "FF"}));

TEST(HexChTest, EveryByteReadsBackAsItsValue) {
    for (int v = 0; v <= 255; ++v) {
        const std::string text = HexCh(static_cast<Byte>(v));
        ASSERT_EQ(text.size(), 2u);
        EXPECT_EQ(HexField(text, 0, 2), v) << text;
    }
}

// ---------------------------------------------------------------- record lines

struct RecordCase {
    const char* name;
    bool jukta;
    int address;
    std::vector<Byte> data;
    const char* line;
};

void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.name; }

std::vector<Byte> FifteenZerosThen(Byte last) {
    std::vector<Byte> v(16, 0x00);
    v[15] = last;
    return v;
}

// Hindi cases put the bytes into glyph 0's record, the Jukta case into code
// pairs 0..7; either way they are the first 16 bytes of their block.
void PlaceRecordBytes(FontState& state, const RecordCase& c) {
    state.IsJukta = c.jukta;
    for (long i = 0; i < 16; ++i) {
        if (c.jukta) state.JuktaCodes(i / 2, i % 2) = c.data[static_cast<std::size_t>(i)];
        else state.FontBytes(0, i) = c.data[static_cast<std::size_t>(i)];
    }
}

class RecordLineTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordLineTest, MatchesWorkedRecord) {
    const auto& c = GetParam();
    ASSERT_EQ(c.data.size(), 16u);
    auto state = NewState();
    PlaceRecordBytes(*state, c);
    const auto lines = CrLfLines(HexImageText(*state));
    const std::string* line = LineAt(lines, c.address);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(*line, c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, RecordLineTest,
    ::testing::Values(
        RecordCase{"AllFf", false, 0x9000, std::vector<Byte>(16, 0xFF),
                   ":10900000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF70"},
        RecordCase{"TwoBytesThenFf", false, 0x9000,
                   {0x10, 0x08, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                    0xFF, 0xFF},
                   ":109000001008FFFFFFFFFFFFFFFFFFFFFFFFFFFF56"},
        RecordCase{"CodeCounting", true, 0xAA00,
                   {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
                   ":10AA0000000102030405060708090A0B0C0D0E0FCE"},
        RecordCase{"SumMultipleOf256", false, 0x9000, FifteenZerosThen(0x60),
                   ":109000000000000000000000000000000000006000"},
        // 0x0A + 0x50 + 0x10 + 0x90 = 0xFA, checksum 0x06: leading zeros in data and checksum.
        RecordCase{"LeadingZeros", false, 0x9000,
                   {0x0A, 0x50, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                   ":109000000A50000000000000000000000000000006"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

// ---------------------------------------------------------------- whole exports

TEST(HexImageTextTest, HindiExportIs272RecordsFrom9000ThenEndRecord) {
    auto state = NewState();
    FillWithPattern(*state, 7);
    const auto lines = CrLfLines(HexImageText(*state));
    ASSERT_EQ(lines.size(), 273u);
    for (int r = 0; r < 272; ++r) {
        const auto& line = lines[static_cast<std::size_t>(r)];
        EXPECT_EQ(line.size(), 43u) << line;
        EXPECT_EQ(line.substr(0, 9), ":10" + Hex4(0x9000 + 16 * r) + "00") << "record " << r;
    }
    EXPECT_EQ(lines[0].substr(0, 7), ":109000");
    EXPECT_EQ(lines[271].substr(0, 9), ":10A0F000");
    EXPECT_EQ(lines[272], ":00000001FF");
}

TEST(HexImageTextTest, JuktaExportIsGlyphBlockThenCodeBlockThenEndRecord) {
    auto state = NewState();
    FillWithPattern(*state, 8);
    state->IsJukta = true;
    const auto lines = CrLfLines(HexImageText(*state));
    ASSERT_EQ(lines.size(), 145u);
    for (int r = 0; r < 144; ++r) {
        const int address = r < 136 ? 0xA100 + 16 * r : 0xAA00 + 16 * (r - 136);
        const auto& line = lines[static_cast<std::size_t>(r)];
        EXPECT_EQ(line.size(), 43u) << line;
        EXPECT_EQ(line.substr(0, 9), ":10" + Hex4(address) + "00") << "record " << r;
    }
    EXPECT_EQ(lines[0].substr(0, 9), ":10A10000");
    EXPECT_EQ(lines[135].substr(0, 9), ":10A97000");
    EXPECT_EQ(lines[136].substr(0, 9), ":10AA0000");
    EXPECT_EQ(lines[143].substr(0, 9), ":10AA7000");
    EXPECT_EQ(lines[144], ":00000001FF");
}

TEST(HexImageTextTest, FirstJuktaRecordsHoldConjunctZeroAndFirstCodePairs) {
    auto state = NewState();
    FillWithPattern(*state, 9);
    state->IsJukta = true;
    const auto lines = CrLfLines(HexImageText(*state));

    std::vector<Byte> glyph0;
    std::vector<Byte> codes;
    for (long k = 0; k < 16; ++k) glyph0.push_back(state->FontBytes(0, k));
    for (long c = 0; c < 8; ++c)
        for (long j = 0; j < 2; ++j) codes.push_back(state->JuktaCodes(c, j));

    const std::string* glyphLine = LineAt(lines, 0xA100);
    const std::string* codeLine = LineAt(lines, 0xAA00);
    ASSERT_NE(glyphLine, nullptr);
    ASSERT_NE(codeLine, nullptr);
    EXPECT_EQ(DataOf(*glyphLine), glyph0);
    EXPECT_EQ(DataOf(*codeLine), codes);
}

class ParseBackTest : public ::testing::TestWithParam<bool> {};

TEST_P(ParseBackTest, EveryTableByteLandsAtItsControllerAddress) {
    auto state = NewState();
    FillWithPattern(*state, GetParam() ? 1234u : 4321u);
    state->IsJukta = GetParam();
    EXPECT_EQ(ReadIntelHex(HexImageText(*state)), ExpectedImage(*state));
}

INSTANTIATE_TEST_SUITE_P(Modes, ParseBackTest, ::testing::Values(false, true),
                         [](const auto& testInfo) { return testInfo.param ? "Jukta" : "Hindi"; });

TEST(HexImageTextTest, HindiImageFillsHexBufWithGlyphRecordsOnly) {
    auto state = NewState();
    FillWithPattern(*state, 21);
    state->HexBuf.fill(0xEE);
    HexImageText(*state);
    for (long c = 0; c < 128; ++c)
        for (long k = 0; k < 34; ++k) ASSERT_EQ(state->HexBuf(34 * c + k), state->FontBytes(c, k));
    for (long i = 4352; i <= 5000; ++i) ASSERT_EQ(state->HexBuf(i), 0xEE) << i;
}

TEST(HexImageTextTest, JuktaImageLeavesCodePairsOverStartOfGlyphImage) {
    auto state = NewState();
    FillWithPattern(*state, 22);
    state->IsJukta = true;
    state->HexBuf.fill(0xEE);
    HexImageText(*state);
    for (long c = 0; c < 64; ++c)
        for (long j = 0; j < 2; ++j) ASSERT_EQ(state->HexBuf(2 * c + j), state->JuktaCodes(c, j));
    for (long i = 128; i < 2176; ++i) ASSERT_EQ(state->HexBuf(i), state->FontBytes(i / 34, i % 34)) << i;
    for (long i = 2176; i <= 5000; ++i) ASSERT_EQ(state->HexBuf(i), 0xEE) << i;
}

TEST(HexImageTextTest, StaleHexBufDoesNotReachTheExport) {
    auto state = NewState();
    FillWithPattern(*state, 23);
    Pattern junk(99);
    for (long i = 0; i <= 5000; ++i) state->HexBuf(i) = junk.Next();
    state->IsJukta = true;
    EXPECT_EQ(ReadIntelHex(HexImageText(*state)), ExpectedImage(*state));
}

// ---------------------------------------------------------------- output name

struct NameCase {
    const char* fontFile;
    const char* hexFile;
};

class HexOutputNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(HexOutputNameTest, ReplacesExactlyTheLastThreeCharacters) {
    EXPECT_EQ(HexOutputName(GetParam().fontFile), GetParam().hexFile);
}

INSTANTIATE_TEST_SUITE_P(
    Names, HexOutputNameTest,
    ::testing::Values(NameCase{"/fonts/hindi.txt", "/fonts/hindi.hex"},
                      NameCase{"/fonts/hindi.fnt", "/fonts/hindi.hex"},
                      NameCase{"/fonts/jukta.font", "/fonts/jukta.fhex"},
                      NameCase{"/fonts/a.jk", "/fonts/ahex"}, NameCase{"/fonts/abc", "/fonts/hex"},
                      NameCase{"/fonts/font.HEX", "/fonts/font.hex"}, NameCase{"abc", "hex"},
                      NameCase{"hindi.txt", "hindi.hex"},
                      // Characters, not bytes: "é" is two bytes and "क" three in UTF-8.
                      NameCase{"/f/a\xC3\xA9\xC3\xA9", "/f/hex"},
                      NameCase{"/f/x.\xC3\xA9\xC3\xA9", "/f/xhex"},
                      NameCase{"/f/\xE0\xA4\x95\xE0\xA4\x96\xE0\xA4\x97\xE0\xA4\x98", "/f/\xE0\xA4\x95hex"}));

class HexOutputNameRefusalTest : public ::testing::TestWithParam<const char*> {};

TEST_P(HexOutputNameRefusalTest, RefusesNameThatCannotGiveASafeHexFile) {
    EXPECT_THROW(HexOutputName(GetParam()), BadFileNameError);
}

INSTANTIATE_TEST_SUITE_P(Names, HexOutputNameRefusalTest,
                         ::testing::Values("", "a", "ab", "\xC3\xA9\xC3\xA9", "hex", "/fonts/font.hex", "/fonts/fonthex",
                                           "/fonts/ab", "/fonts/a/", "/fonts/"));

TEST(HexOutputNameTest, RefusalSaysWhyNamingTheFontFile) {
    const std::pair<const char*, const char*> refusals[] = {
        {"/fonts/font.hex",
         "\"/fonts/font.hex\" would overwrite the file it is made from [Bad file name or number]"},
        {"ab", "\"ab\" is too short to make a HEX file name from [Bad file name or number]"},
        {"/fonts/a/", "the HEX file for \"/fonts/a/\" would not lie beside it [Bad file name or number]"},
    };
    for (const auto& [fontFile, description] : refusals) {
        try {
            HexOutputName(fontFile);
            ADD_FAILURE() << "no error for " << fontFile;
        } catch (const BadFileNameError& e) {
            EXPECT_EQ(e.Description(), description);
        }
    }
}

TEST(HexOutputNameTest, RefusesFontFileThatIsALinkToItsHexName) {
    test::TestFolder dir;
    dir.Write("font.hex", "12\r\n");
    fs::create_symlink(dir.Path("font.hex"), dir.Path("font.txt"));
    EXPECT_THROW(HexOutputName(dir.Path("font.txt")), BadFileNameError);
}

TEST(HexOutputNameTest, RefusesHexNameThatIsALinkToTheFontFile) {
    test::TestFolder dir;
    dir.Write("font.txt", "12\r\n");
    fs::create_symlink(dir.Path("font.txt"), dir.Path("font.hex"));
    EXPECT_THROW(HexOutputName(dir.Path("font.txt")), BadFileNameError);
}

TEST(HexOutputNameTest, RefusesHardLinkToTheFontFile) {
    test::TestFolder dir;
    dir.Write("font.txt", "12\r\n");
    fs::create_hard_link(dir.Path("font.txt"), dir.Path("font.hex"));
    EXPECT_THROW(HexOutputName(dir.Path("font.txt")), BadFileNameError);
}

TEST(HexOutputNameTest, AcceptsExistingSeparateHexFile) {
    test::TestFolder dir;
    dir.Write("font.txt", "12\r\n");
    dir.Write("font.hex", "old");
    EXPECT_EQ(HexOutputName(dir.Path("font.txt")), dir.Path("font.hex"));
}

// ---------------------------------------------------------------- Make HEX File

// Runs the test body in another working folder and comes back afterwards.
class WorkingFolder {
public:
    explicit WorkingFolder(const fs::path& folder) : previous_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~WorkingFolder() { fs::current_path(previous_); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    fs::path previous_;
};

TEST(MakeHexFileTest, EmptyFontFileCreatesNoFileAndLeavesHexBuf) {
    test::TestFolder dir;
    WorkingFolder here(dir.Root());
    auto state = NewState();
    FillWithPattern(*state, 31);
    state->HexBuf(0) = 0x5A;
    EXPECT_NO_THROW(MakeHexFile(*state));
    EXPECT_TRUE(NamesIn(dir).empty());
    EXPECT_EQ(state->HexBuf(0), 0x5A);
}

TEST(MakeHexFileTest, WritesTheImageBesideTheFontFile) {
    test::TestFolder dir;
    dir.Write("hindi.txt", "font");
    auto state = NewState();
    FillWithPattern(*state, 32);
    state->FontFile = dir.Path("hindi.txt");
    MakeHexFile(*state);
    EXPECT_EQ(NamesIn(dir), (std::vector<std::string>{"hindi.hex", "hindi.txt"}));
    const std::string text = test::TestFolder::Read(dir.Path("hindi.hex"));
    EXPECT_EQ(CrLfLines(text).size(), 273u);
    EXPECT_EQ(ReadIntelHex(text), ExpectedImage(*state));
    EXPECT_EQ(test::TestFolder::Read(dir.Path("hindi.txt")), "font");
}

TEST(MakeHexFileTest, ExportingAgainReplacesTheFileCompletely) {
    test::TestFolder dir;
    auto state = NewState();
    FillWithPattern(*state, 33);
    state->FontFile = dir.Path("font.txt");
    MakeHexFile(*state);  // Hindi: 273 lines
    FillWithPattern(*state, 34);
    state->IsJukta = true;
    MakeHexFile(*state);  // Jukta: 145 lines, shorter
    const std::string text = test::TestFolder::Read(dir.Path("font.hex"));
    EXPECT_EQ(CrLfLines(text).size(), 145u);
    EXPECT_EQ(ReadIntelHex(text), ExpectedImage(*state));
    EXPECT_EQ(NamesIn(dir), std::vector<std::string>{"font.hex"});
}

TEST(MakeHexFileTest, MissingFolderThrowsAndCreatesNothing) {
    test::TestFolder dir;
    auto state = NewState();
    state->FontFile = dir.Path("missing/font.txt");
    EXPECT_THROW(MakeHexFile(*state), Error);
    EXPECT_TRUE(NamesIn(dir).empty());
}

TEST(MakeHexFileTest, DirectoryInTheWayThrowsAndLeavesNoTemporaryFile) {
    test::TestFolder dir;
    fs::create_directory(dir.Path("font.hex"));
    auto state = NewState();
    state->FontFile = dir.Path("font.txt");
    EXPECT_THROW(MakeHexFile(*state), Error);
    EXPECT_EQ(NamesIn(dir), std::vector<std::string>{"font.hex"});
    EXPECT_TRUE(fs::is_directory(dir.Path("font.hex")));
    EXPECT_TRUE(fs::is_empty(dir.Path("font.hex")));
}

TEST(MakeHexFileTest, FontFileNamedHexIsRefusedAndKept) {
    test::TestFolder dir;
    dir.Write("font.hex", "font bytes");
    auto state = NewState();
    state->FontFile = dir.Path("font.hex");
    EXPECT_THROW(MakeHexFile(*state), BadFileNameError);
    EXPECT_EQ(test::TestFolder::Read(dir.Path("font.hex")), "font bytes");
    EXPECT_EQ(NamesIn(dir), std::vector<std::string>{"font.hex"});
}

// Limits the size of any file this process writes, so a write fails part way
// (as on a full disk); the old limit and signal handling come back afterwards.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ok_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool ok() const { return ok_; }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
    bool ok_ = false;
};

TEST(MakeHexFileTest, FailedWriteLeavesOlderHexUntouchedAndNoTemporaryFile) {
    test::TestFolder dir;
    dir.Write("font.hex", "older export\r\n");
    auto state = NewState();
    FillWithPattern(*state, 35);
    state->FontFile = dir.Path("font.txt");
    {
        FileSizeLimit limit(4096);  // the Hindi export is over 12 000 bytes
        if (!limit.ok()) GTEST_SKIP() << "cannot limit the file size here";
        EXPECT_THROW(MakeHexFile(*state), Error);
    }
    EXPECT_EQ(test::TestFolder::Read(dir.Path("font.hex")), "older export\r\n");
    EXPECT_EQ(NamesIn(dir), std::vector<std::string>{"font.hex"});
}

// ---------------------------------------------------------------- binutils cross-check

bool HaveObjcopy() { return std::system("command -v objcopy >/dev/null 2>&1") == 0; }

std::string ObjcopyToBinary(const test::TestFolder& dir, const std::string& hexText) {
    dir.Write("in.hex", hexText);
    const std::string command =
        "objcopy -I ihex -O binary '" + dir.Path("in.hex") + "' '" + dir.Path("out.bin") + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return test::TestFolder::Read(dir.Path("out.bin"));
}

TEST(ObjcopyTest, HindiHexConvertsToTheTableBytes) {
    if (!HaveObjcopy()) GTEST_SKIP() << "objcopy not installed";
    test::TestFolder dir;
    auto state = NewState();
    FillWithPattern(*state, 41);
    std::string expected;
    for (long c = 0; c < 128; ++c)
        for (long k = 0; k < 34; ++k) expected += static_cast<char>(state->FontBytes(c, k));
    const std::string binary = ObjcopyToBinary(dir, HexImageText(*state));
    EXPECT_EQ(binary.size(), 4352u);
    EXPECT_TRUE(binary == expected) << "objcopy image differs from the table";
}

TEST(ObjcopyTest, JuktaHexConvertsToGlyphsGapAndCodes) {
    if (!HaveObjcopy()) GTEST_SKIP() << "objcopy not installed";
    test::TestFolder dir;
    auto state = NewState();
    FillWithPattern(*state, 42);
    state->IsJukta = true;
    // 0xA100..0xAA7F: glyphs, the unwritten gap 0xA980..0xA9FF (zero-filled), code pairs.
    std::string expected;
    for (long c = 0; c < 64; ++c)
        for (long k = 0; k < 34; ++k) expected += static_cast<char>(state->FontBytes(c, k));
    expected.append(0x80, '\0');
    for (long c = 0; c < 64; ++c)
        for (long j = 0; j < 2; ++j) expected += static_cast<char>(state->JuktaCodes(c, j));
    const std::string binary = ObjcopyToBinary(dir, HexImageText(*state));
    EXPECT_EQ(binary.size(), std::size_t{0xAA80 - 0xA100});
    EXPECT_TRUE(binary == expected) << "objcopy image differs from the table";
}

}  // namespace
}  // namespace ledfont
