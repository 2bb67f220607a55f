// ledfont verify: an Intel HEX file read back and compared with its font.
#include <cstdio>

#include "CompanionTest.h"
#include "HexLines.h"

namespace ledfont::test {
namespace {

class VerifyCommand : public Companion {
protected:
    VerifyCommand() {
        Write("hindi.txt", FontText(hindi));
        Write("jukta.txt", FontText(jukta));
    }
    ProcessResult Verify(const std::vector<std::string>& hexLines, bool isJukta = false) {
        Write("font.hex", Join(hexLines));
        return Run(
            {"verify", "font.hex", isJukta ? "jukta.txt" : "hindi.txt", isJukta ? "--jukta" : "--hindi"});
    }
    const FontModel hindi = MakeFont(false, 5);
    const FontModel jukta = MakeFont(true, 6);
    const std::vector<std::string> hindiHex = SplitLines(HexText(hindi));
    const std::vector<std::string> juktaHex = SplitLines(HexText(jukta));
};

TEST_F(VerifyCommand, AcceptsWhatHexWritesToldOrNotWhichFontItIs) {
    for (const bool isJukta : {false, true}) {
        const std::string font = isJukta ? "jukta.txt" : "hindi.txt";
        const std::string mode = isJukta ? "--jukta" : "--hindi";
        ASSERT_EQ(Run({"hex", font, mode}).status, 0);
        const std::string hexName = isJukta ? "jukta.hex" : "hindi.hex";
        for (const std::string& given : {mode, std::string("--")}) {
            const ProcessResult r = Run({"verify", hexName, font, given});
            EXPECT_EQ(r.status, 0) << r.out << r.err;
            EXPECT_EQ(r.out, "ok\n");
        }
    }
    // Untold, the addresses of the HEX file say which font it holds.
    const ProcessResult other = Run({"verify", "jukta.hex", "hindi.txt"});
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(other.out, "jukta.hex: the HEX file holds a Jukta font (A100..A97F and AA00..AA7F), and hindi.txt a "
                         "Hindi font\n");
}

TEST_F(VerifyCommand, AcceptsTheSameBytesLaidOutByAnotherTool) {
    // srec_cat writes 32-byte records under an extended linear address record.
    if (std::string(SREC_CAT).empty()) GTEST_SKIP() << "srec_cat (Debian's srecord) is not installed";
    std::string image;
    for (int b : hindi.glyphs) image += static_cast<char>(b);
    Write("font.bin", image);
    const ProcessResult made = RunProcess(
        {SREC_CAT, "font.bin", "-binary", "-offset", "0x9000", "-o", "other.hex", "-intel"},
        folder.Root());
    ASSERT_EQ(made.status, 0) << made.err;
    ASSERT_NE(Read("other.hex").find(":02000004"), std::string::npos);
    const ProcessResult r = Run({"verify", "other.hex", "hindi.txt", "--hindi"});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "ok\n");
}

TEST_F(VerifyCommand, AcceptsLineFeedsAndLowerCaseDigits) {
    std::string text;
    for (std::string line : hindiHex) {
        for (char& ch : line) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        text += line + "\n";
    }
    Write("font.hex", text);
    const ProcessResult r = Run({"verify", "font.hex", "hindi.txt", "--hindi"});
    EXPECT_EQ(r.out, "ok\n") << r.err;
}

TEST_F(VerifyCommand, AddressRecordsMoveTheDataThatFollows) {
    // Segment 0x0900 puts offset 0 at 0x9000: the same image, addressed anew.
    std::vector<std::string> segmented = {Record(2, 0, 2, {0x09, 0x00})};
    for (std::size_t i = 0; i + 1 < hindiHex.size(); ++i)
        segmented.push_back(Record(16, AddressOf(hindiHex[i]) - 0x9000, 0, DataOf(hindiHex[i])));
    segmented.push_back(hindiHex.back());
    const ProcessResult moved = Verify(segmented);
    EXPECT_EQ(moved.status, 0) << moved.out;
    EXPECT_EQ(moved.out, "ok\n");

    // An upper address of 1 puts the first record at 0x19000, far from the map.
    std::vector<std::string> high = hindiHex;
    high.insert(high.begin(), Record(2, 0, 4, {0x00, 0x01}));
    const ProcessResult outside = Verify(high);
    EXPECT_EQ(outside.status, 1);
    EXPECT_EQ(outside.out, "font.hex:2: address 19000 is outside the Hindi font's map (9000..A0FF)\n");
}

// A mutation of a good image, and the one line of standard output (after
// "font.hex") it must be reported with, with exit status 1.
struct Rejection {
    const char* name;
    bool jukta;
    std::string (*mutate)(std::vector<std::string>& lines, const FontModel& font);
};

std::string ChangeDataByteKeepChecksum(std::vector<std::string>& lines, const FontModel& font) {
    // Line 3 holds bytes 0x20..0x2F: byte 0x23 is glyph 1, byte 1.
    std::vector<int> data = DataOf(lines[2]);
    data[3] ^= 0x40;
    lines[2] = Record(16, AddressOf(lines[2]), 0, data);
    return ":3: address 9023 (glyph 1 (0901) byte 1, class and centre) is " + Hex2(data[3]) +
           " in the HEX file, " + Hex2(font.At(1, 1)) + " in the font";
}
std::string ChangeOneCharacter(std::vector<std::string>& lines, const FontModel&) {
    char& digit = lines[9][20];
    digit = digit == '0' ? '1' : '0';
    return ":10: " + ChecksumProblem(lines[9]);
}
std::string BreakChecksum(std::vector<std::string>& lines, const FontModel&) {
    std::string& line = lines[4];
    line.back() = line.back() == '0' ? '1' : '0';
    return ":5: " + ChecksumProblem(line);
}
std::string DropEndRecord(std::vector<std::string>& lines, const FontModel&) {
    lines.pop_back();
    return ": no end record (:00000001FF); the file may be cut short";
}
std::string MoveRecordBelowTheMap(std::vector<std::string>& lines, const FontModel&) {
    lines[0] = Record(16, 0x8FF0, 0, DataOf(lines[0]));
    return ":1: address 8FF0 is outside the Hindi font's map (9000..A0FF)";
}
std::string DropRecord(std::vector<std::string>& lines, const FontModel&) {
    lines.erase(lines.begin() + 100);
    // Record 100 begins at 0x9000 + 1600: glyph 47 (47 * 34 = 1598), byte 2.
    return ": address 9640 (glyph 47 (092F) byte 2, column 1, rows 1..8) is missing from the HEX file";
}
std::string RepeatRecord(std::vector<std::string>& lines, const FontModel&) {
    lines.insert(lines.begin() + 6, lines[5]);
    // 0x50 is glyph 2 (2 * 34 = 68), byte 12.
    return ":7: address 9050 (glyph 2 (0902) byte 12, column 6, rows 1..8) is written again; line 6 wrote it "
           "first";
}
std::string AddLineAfterEnd(std::vector<std::string>& lines, const FontModel&) {
    lines.push_back(lines[0]);
    return ":274: a line after the end record";
}
std::string UseUnknownType(std::vector<std::string>& lines, const FontModel&) {
    lines[7] = Record(16, AddressOf(lines[7]), 6, DataOf(lines[7]));
    return ":8: record type 06 is not an Intel HEX record type";
}
std::string WriteGarbage(std::vector<std::string>& lines, const FontModel&) {
    lines[1] = "10900000";
    return ":2: a record begins with ':'";
}
std::string ChangeCodePair(std::vector<std::string>& lines, const FontModel& font) {
    // The code pairs start at 0xAA00, after the 136 glyph records; byte 5 is glyph 2's second code.
    std::vector<int> data = DataOf(lines[136]);
    data[5] = (data[5] + 1) % 256;
    lines[136] = Record(16, AddressOf(lines[136]), 0, data);
    return ":137: address AA05 (code pair of glyph 2 (02) byte 1) is " + Hex2(data[5]) + " in the HEX file, " +
           Hex2(font.Code(2, 1)) + " in the font";
}
std::string ShiftJuktaGlyphsToHindiBase(std::vector<std::string>& lines, const FontModel&) {
    lines[0] = Record(16, 0x9000, 0, DataOf(lines[0]));
    return ":1: address 9000 is outside the Jukta font's map (A100..A97F and AA00..AA7F)";
}

class VerifyRejects : public VerifyCommand, public testing::WithParamInterface<Rejection> {};

TEST_P(VerifyRejects, TheFirstProblemWithItsPlace) {
    const Rejection& c = GetParam();
    std::vector<std::string> lines = c.jukta ? juktaHex : hindiHex;
    const std::string expected = "font.hex" + c.mutate(lines, c.jukta ? jukta : hindi) + "\n";
    const ProcessResult r = Verify(lines, c.jukta);
    EXPECT_EQ(r.status, 1) << r.out << r.err;
    EXPECT_EQ(r.out, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Mutations, VerifyRejects,
    testing::Values(Rejection{"DataByte", false, ChangeDataByteKeepChecksum},
                    Rejection{"OneCharacter", false, ChangeOneCharacter},
                    Rejection{"Checksum", false, BreakChecksum},
                    Rejection{"NoEndRecord", false, DropEndRecord},
                    Rejection{"WrongAddress", false, MoveRecordBelowTheMap},
                    Rejection{"MissingRecord", false, DropRecord},
                    Rejection{"RepeatedRecord", false, RepeatRecord},
                    Rejection{"AfterEnd", false, AddLineAfterEnd},
                    Rejection{"UnknownType", false, UseUnknownType},
                    Rejection{"Garbage", false, WriteGarbage},
                    Rejection{"CodePair", true, ChangeCodePair},
                    Rejection{"JuktaAtHindiBase", true, ShiftJuktaGlyphsToHindiBase}),
    [](const testing::TestParamInfo<Rejection>& p) { return std::string(p.param.name); });

TEST_F(VerifyCommand, ReportsTheFontsByteAgainstTheFilesByte) {
    FontModel changed = hindi;
    changed.At(127, 33) = (changed.At(127, 33) + 1) % 256;
    Write("changed.txt", FontText(changed));
    Write("font.hex", HexText(hindi));
    const ProcessResult r = Run({"verify", "font.hex", "changed.txt", "--hindi"});
    EXPECT_EQ(r.status, 1);
    // Glyph 127 byte 33 sits at 0x9000 + 127 * 34 + 33 = 0xA0FF, the last byte of the map.
    EXPECT_EQ(r.out, "font.hex:272: address A0FF (glyph 127 (097F) byte 33, column 16, rows 9..16) is " +
                         Hex2(hindi.At(127, 33)) + " in the HEX file, " + Hex2(changed.At(127, 33)) +
                         " in the font\n");
}

TEST_F(VerifyCommand, UnreadableInputIsAFailureNotAFinding) {
    const ProcessResult noHex = Run({"verify", "none.hex", "hindi.txt", "--hindi"});
    EXPECT_EQ(noHex.status, 2);
    EXPECT_EQ(noHex.err, "ledfont verify: cannot open \"none.hex\": there is no such file [File not found]\n");
    Write("font.hex", HexText(hindi));
    Write("short.txt", "1\r\n2\r\n");
    const ProcessResult badFont = Run({"verify", "font.hex", "short.txt", "--hindi"});
    EXPECT_EQ(badFont.status, 2);
    EXPECT_EQ(badFont.err,
              "ledfont verify: \"short.txt\" ends after 2 items, and a Hindi font has 4352 [Input past end of "
              "file]\n");
    EXPECT_EQ(badFont.out, "");
}

}  // namespace
}  // namespace ledfont::test
