// ledfont sheet: the whole font in one PNG, read back pixel by pixel.
#include "../support/PngImage.h"
#include "CompanionTest.h"

namespace ledfont::test {
namespace {

// The sheet's geometry as its help and the README describe it: an 8-pixel
// margin, 16 glyphs to a row, each a 97-pixel black box of LEDs 5 pixels
// square on a 6-pixel pitch (a 1-pixel gap first), its code 4 pixels below in
// 5 x 7 dots of 2 pixels, in a Jukta font its code pair 4 pixels below that,
// and 8 pixels to the next glyph.
constexpr int kCellWidth = 97 + 8;
constexpr int kCellHeight = 97 + 4 + 14 + 8;
constexpr int kJuktaCellHeight = kCellHeight + 4 + 14;
int CellHeight(bool jukta) { return jukta ? kJuktaCellHeight : kCellHeight; }
int BoxLeft(int c) { return 8 + (c % 16) * kCellWidth; }
int BoxTop(int c, bool jukta = false) { return 8 + (c / 16) * CellHeight(jukta); }
// The middle pixel of LED (x, y) of glyph c.
Colour LedCentre(const PngImage& image, int c, int x, int y, bool jukta = false) {
    return image.At(BoxLeft(c) + 1 + 6 * x + 2, BoxTop(c, jukta) + 1 + 6 * y + 2);
}

const Colour kRed{255, 0, 0};
const Colour kGreen{0, 255, 0};
const Colour kBlack{0, 0, 0};

bool IsNearBlack(Colour colour) {
    return colour.red < 64 && colour.green < 64 && colour.blue < 64 && colour != kBlack;
}

class SheetCommand : public Companion {
protected:
    PngImage Sheet(const FontModel& font, const std::vector<std::string>* env = nullptr,
                   const std::string& name = "sheet.png") {
        Write("font.txt", FontText(font));
        const std::vector<std::string> args = {
            LEDFONT_COMPANION, "sheet", "font.txt", font.Jukta() ? "--jukta" : "--hindi", "-o", name};
        const ProcessResult r = RunProcess(args, folder.Root(), env);
        EXPECT_EQ(r.status, 0) << r.err;
        return ReadPng(Read(name));
    }
};

TEST_F(SheetCommand, EveryLedIsLitOrDarkAsTheFontSays) {
    for (const bool jukta : {false, true}) {
        const FontModel font = MakeFont(jukta, 3);
        const PngImage image = Sheet(font);
        ASSERT_FALSE(image.IsNull()) << image.problem;
        const int glyphs = jukta ? 64 : 128;
        EXPECT_EQ(image.width, 8 + 16 * kCellWidth);
        EXPECT_EQ(image.height, 8 + glyphs / 16 * CellHeight(jukta));
        for (int c = 0; c < glyphs; ++c)
            for (int x = 0; x < 16; ++x)
                for (int y = 0; y < 16; ++y) {
                    const Colour colour = LedCentre(image, c, x, y, jukta);
                    if (font.Lit(c, x, y))
                        ASSERT_EQ(colour, kRed) << "glyph " << c << " cell " << x << "," << y;
                    else
                        ASSERT_TRUE(IsNearBlack(colour)) << "glyph " << c << " cell " << x << "," << y;
                }
    }
}

TEST_F(SheetCommand, RedPixelsAreExactlyTheLitLeds) {
    const FontModel font = MakeFont(false, 8);
    const PngImage image = Sheet(font);
    long lit = 0;
    for (int c = 0; c < 128; ++c)
        for (int x = 0; x < 16; ++x)
            for (int y = 0; y < 16; ++y) lit += font.Lit(c, x, y);
    long red = 0;
    for (int py = 0; py < image.height; ++py)
        for (int px = 0; px < image.width; ++px) red += image.At(px, py) == kRed;
    EXPECT_EQ(red, lit * 25);
}

TEST_F(SheetCommand, AGreenLineStandsAfterTheLastColumn) {
    FontModel font = MakeFont(false, 1);
    font.At(0, 0) = 3;
    font.At(1, 0) = 16;
    font.At(2, 0) = 0;
    font.At(3, 0) = 200;  // no line for a count the grid cannot hold
    const PngImage image = Sheet(font);
    for (const auto& [c, n] :
         std::vector<std::pair<int, int>>{{0, 3}, {1, 16}, {2, 0}, {17, font.At(17, 0)}}) {
        for (int y = 0; y < 97; y += 8)
            EXPECT_EQ(image.At(BoxLeft(c) + 6 * n, BoxTop(c) + y), kGreen) << c;
        EXPECT_NE(image.At(BoxLeft(c) + 6 * n + 6, BoxTop(c)), kGreen) << c;
    }
    for (int x = 0; x <= 96; ++x) EXPECT_NE(image.At(BoxLeft(3) + x, BoxTop(3)), kGreen);
}

TEST_F(SheetCommand, EachGlyphIsLabelledWithItsCode) {
    // Under glyph 0 of a Hindi font "0900", under glyph 63 of a Jukta font "3F"
    // and on a second line its code pair: 5-dot digits, centred under the box.
    const auto dotLit = [](const PngImage& image, int c, bool jukta, const std::string& text, int digit,
                           int dotX, int dotY, int line = 0) {
        const int digits = static_cast<int>(text.size());
        const int left = BoxLeft(c) + (97 - (digits * 12 - 2)) / 2 + digit * 12 + 2 * dotX;
        const Colour colour = image.At(left, BoxTop(c, jukta) + 97 + 4 + line * (14 + 4) + 2 * dotY);
        return colour.red > 150 && colour.green > 150 && colour.blue > 150;
    };
    const PngImage hindi = Sheet(MakeFont(false, 1));
    // "0": top row .XXX.; "9": fourth row .XXXX
    EXPECT_FALSE(dotLit(hindi, 0, false, "0900", 0, 0, 0));
    EXPECT_TRUE(dotLit(hindi, 0, false, "0900", 0, 1, 0));
    EXPECT_TRUE(dotLit(hindi, 0, false, "0900", 1, 4, 3));
    EXPECT_FALSE(dotLit(hindi, 0, false, "0900", 1, 0, 3));
    const FontModel juktaFont = MakeFont(true, 1);
    const PngImage jukta = Sheet(juktaFont);
    // "3": top row XXXXX; "F": bottom row X....
    for (int dot = 0; dot < 5; ++dot) EXPECT_TRUE(dotLit(jukta, 63, true, "3F", 0, dot, 0));
    EXPECT_TRUE(dotLit(jukta, 63, true, "3F", 1, 0, 6));
    EXPECT_FALSE(dotLit(jukta, 63, true, "3F", 1, 1, 6));
    // Its code pair 42 60: "4" fifth row XXXXX, top row ...X.; a space; "6" top row ..XX.
    const std::string pair = Hex2(juktaFont.Code(63, 0)) + " " + Hex2(juktaFont.Code(63, 1));
    ASSERT_EQ(pair, "42 60");
    for (int dot = 0; dot < 5; ++dot) EXPECT_TRUE(dotLit(jukta, 63, true, pair, 0, dot, 4, 1));
    EXPECT_TRUE(dotLit(jukta, 63, true, pair, 0, 3, 0, 1));
    EXPECT_FALSE(dotLit(jukta, 63, true, pair, 0, 2, 0, 1));
    for (int dot = 0; dot < 5; ++dot)
        for (int row = 0; row < 7; ++row) EXPECT_FALSE(dotLit(jukta, 63, true, pair, 2, dot, row, 1));
    EXPECT_TRUE(dotLit(jukta, 63, true, pair, 3, 2, 0, 1));
    EXPECT_FALSE(dotLit(jukta, 63, true, pair, 3, 1, 0, 1));
}

TEST_F(SheetCommand, NeedsNoDisplay) {
    const std::vector<std::string> env =
        EnvironmentWithout({"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
    const FontModel font = MakeFont(false, 2);
    const PngImage image = Sheet(font, &env, "Sheet.PNG");  // the suffix in any case
    ASSERT_FALSE(image.IsNull()) << image.problem;
    EXPECT_EQ(LedCentre(image, 5, 0, 0) == kRed, font.Lit(5, 0, 0));
}

TEST_F(SheetCommand, RefusesToOverwriteTheFontAndKeepsAnOldPictureOnFailure) {
    const std::string text = FontText(MakeFont(false, 1));
    Write("font.txt", text);
    const ProcessResult self = Run({"sheet", "font.txt", "--hindi", "-o", "font.txt"});
    EXPECT_EQ(self.status, 2);
    EXPECT_EQ(self.err.substr(0, self.err.find('\n')),
              "ledfont sheet: \"font.txt\" does not end in .png: name a .png file, or - for standard output "
              "[Invalid procedure call or argument]");
    EXPECT_EQ(Read("font.txt"), text);
    Write("font.png", text);
    const ProcessResult samePng = Run({"sheet", "font.png", "--hindi", "-o", "font.png"});
    EXPECT_EQ(samePng.status, 2);
    EXPECT_EQ(samePng.err,
              "ledfont sheet: \"font.png\" would overwrite the file it is made from [Bad file name or number]\n");
    EXPECT_EQ(Read("font.png"), text);

    Write("bad.txt", "1\r\n");
    Write("old.png", "old picture");
    const ProcessResult bad = Run({"sheet", "bad.txt", "--hindi", "-o", "old.png"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err,
              "ledfont sheet: \"bad.txt\" ends after 1 item, and a Hindi font has 4352 [Input past end of file]\n");
    EXPECT_EQ(Read("old.png"), "old picture");
}

}  // namespace
}  // namespace ledfont::test

namespace ledfont::test {
namespace {

TEST_F(SheetCommand, TheReadmePictureIsTheSheetOfTheSampleFont) {
    const std::string docs = std::string(LEDFONT_SOURCE_DIR) + "/docs/";
    const ProcessResult r = Run({"sheet", docs + "sample-hindi.txt", "--hindi", "-o", "sheet.png"});
    ASSERT_EQ(r.status, 0) << r.err;
    const PngImage shown = ReadPng(TestFolder::Read(docs + "sheet.png"));
    ASSERT_FALSE(shown.IsNull()) << shown.problem;
    EXPECT_TRUE(ReadPng(Read("sheet.png")) == shown)
        << "run: ledfont sheet docs/sample-hindi.txt --hindi -o docs/sheet.png";
    // The same picture on standard output, byte for byte: nothing in it changes from run to run, and the
    // font's size tells that it is a Hindi font.
    const ProcessResult toStdout = Run({"sheet", docs + "sample-hindi.txt", "-o", "-"});
    ASSERT_EQ(toStdout.status, 0) << toStdout.err;
    EXPECT_EQ(toStdout.out, Read("sheet.png"));
}

}  // namespace
}  // namespace ledfont::test
