// ledfont unhex: the font file back from a controller image, ours or another tool's.
#include "CompanionTest.h"
#include "HexLines.h"

namespace ledfont::test {
namespace {

class UnhexCommand : public Companion {
protected:
    // The image bytes of a font as one binary, from the first address of its map.
    std::string Binary(const FontModel& font) const {
        std::string image;
        for (int b : font.glyphs) image += static_cast<char>(b);
        if (font.Jukta()) image.append(0xAA00 - 0xA100 - image.size(), '\0');  // the gap A980..A9FF
        for (int b : font.codes) image += static_cast<char>(b);
        return image;
    }
    // A HEX file of another tool, made from the binary named bin.
    ProcessResult Tool(const std::string& command) const {
        return RunProcess({"/bin/sh", "-c", command}, folder.Root());
    }

    const FontModel hindi = MakeFont(false, 5);
    const FontModel jukta = MakeFont(true, 6);
};

TEST_F(UnhexCommand, GivesBackEveryFontFileThatSaveWritesByteForByte) {
    for (const FontModel* font : {&hindi, &jukta}) {
        Write("font.txt", FontText(*font));
        ASSERT_EQ(Run({"hex", "font.txt"}).status, 0);
        const ProcessResult r = Run({"unhex", "font.hex", "-o", "back.txt"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "back.txt\n");
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(Read("back.txt"), FontText(*font)) << (font->Jukta() ? "Jukta" : "Hindi");
    }
}

TEST_F(UnhexCommand, ReadsTheImagesOfOtherTools) {
    Write("hindi.bin", Binary(hindi));
    Write("jukta.bin", Binary(jukta));
    struct Case {
        const char* command;  // writes other.hex
        const FontModel& font;
        std::string err;
    };
    for (const Case& c : {
             // 32-byte records under an extended linear address record.
             Case{"srec_cat hindi.bin -binary -offset 0x9000 -o other.hex -intel", hindi, ""},
             // 16-byte records and a start address record.
             Case{"objcopy -I binary -O ihex --change-addresses 0x9000 hindi.bin other.hex", hindi, ""},
             // One run from A100 to AA7F: the 128 bytes between the blocks are no part of the font.
             Case{"objcopy -I binary -O ihex --change-addresses 0xA100 jukta.bin other.hex", jukta,
                  "other.hex:137: addresses A980..A9FF are outside the Jukta font's map (A100..A97F and "
                  "AA00..AA7F): ignored\n"},
         }) {
        const ProcessResult made = Tool(c.command);
        ASSERT_EQ(made.status, 0) << c.command << made.err;
        const ProcessResult r = Run({"unhex", "other.hex", "-o", "-"});
        EXPECT_EQ(r.status, 0) << c.command;
        EXPECT_EQ(r.err, c.err) << c.command;
        EXPECT_TRUE(r.out == FontText(c.font)) << c.command;
    }
}

// A dump of a controller that holds both fonts is told which to write.
TEST_F(UnhexCommand, WritesTheFontItIsToldFromADumpOfBoth) {
    std::string dump = Binary(hindi);
    dump.append(0xA100 - 0x9000 - dump.size(), '\0');
    Write("dump.bin", dump + Binary(jukta));
    ASSERT_EQ(Tool("objcopy -I binary -O ihex --change-addresses 0x9000 dump.bin dump.hex").status, 0);
    const ProcessResult untold = Run({"unhex", "dump.hex", "-o", "font.txt"});
    EXPECT_EQ(untold.status, 2);
    EXPECT_EQ(untold.err.substr(0, untold.err.find('\n')),
              "ledfont unhex: \"dump.hex\" holds two fonts, a Hindi font at 9000..A0FF, a Jukta font at "
              "A100..A97F and AA00..AA7F: say which to write, --hindi or --jukta [Invalid procedure call or "
              "argument]");
    EXPECT_FALSE(Exists("font.txt"));

    const ProcessResult told = Run({"unhex", "dump.hex", "--jukta", "-o", "font.txt"});
    EXPECT_EQ(told.status, 0);
    EXPECT_EQ(
        told.err,
        "dump.hex:1: addresses 9000..A0FF are outside the Jukta font's map (A100..A97F and AA00..AA7F): "
        "ignored\n"
        "dump.hex:409: addresses A980..A9FF are outside the Jukta font's map (A100..A97F and AA00..AA7F): "
        "ignored\n");
    EXPECT_EQ(Read("font.txt"), FontText(jukta));
}

// What keeps an image from being exactly a font is told as verify tells it,
// every time; the font is written all the same, blank where bytes are missing.
TEST_F(UnhexCommand, WritesADamagedImageAndTellsEveryProblem) {
    std::vector<std::string> lines = SplitLines(HexText(hindi));
    // Line 5 is 9040..904F: glyph 1 (0901) bytes 30..33 and glyph 2 (0902) bytes 0..11.
    lines[4].back() = lines[4].back() == '0' ? '1' : '0';
    const std::string badChecksum = ChecksumProblem(lines[4]);
    lines.insert(lines.begin() + 7, lines[6]);
    lines.pop_back();
    Write("font.hex", Join(lines));
    const ProcessResult r = Run({"unhex", "font.hex", "-o", "font.txt"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "font.txt\n");
    EXPECT_EQ(
        r.err,
        "font.hex:5: " + badChecksum +
            "\n"
            "font.hex:8: addresses 9060..906F (glyph 2 (0902) byte 28 to glyph 3 (0903) byte 9) are "
            "written again; line 7 wrote them first\n"
            "font.hex: no end record (:00000001FF); the file may be cut short\n"
            "font.hex: addresses 9040..904F (glyph 1 (0901) byte 30 to glyph 2 (0902) byte 11) are missing "
            "from the HEX file; a blank font's bytes stand in\n");
    // A blank glyph: 10 columns, class 0 and centre 1, every LED dark.
    FontModel expected = hindi;
    for (int k = 30; k < 34; ++k) expected.At(1, k) = 0xFF;
    expected.At(2, 0) = 10;
    expected.At(2, 1) = 1;
    for (int k = 2; k < 12; ++k) expected.At(2, k) = 0xFF;
    EXPECT_EQ(Read("font.txt"), FontText(expected));
}

TEST_F(UnhexCommand, RefusesAnImageWithoutTheFont) {
    Write("font.hex", HexText(hindi));
    Write("empty.hex", ":00000001FF\r\n");
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    for (const Case& c : {
             Case{
                 {"unhex", "font.hex", "--jukta", "-o", "x.txt"},
                 "ledfont unhex: \"font.hex\" holds no byte of a Jukta font (A100..A97F and AA00..AA7F) [Bad "
                 "file mode]\n"},
             Case{{"unhex", "empty.hex", "-o", "x.txt"},
                  "ledfont unhex: \"empty.hex\" holds no byte of a font (a Hindi font at 9000..A0FF, a Jukta "
                  "font "
                  "at A100..A97F and AA00..AA7F) [Bad file mode]\n"},
             Case{{"unhex", "font.hex", "-o", "font.hex"},
                  "ledfont unhex: \"font.hex\" would overwrite the file it is made from [Bad file name or "
                  "number]\n"},
         }) {
        const ProcessResult r = Run(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"font.hex", "empty.hex"}));
    EXPECT_EQ(Read("font.hex"), HexText(hindi));
}

}  // namespace
}  // namespace ledfont::test
