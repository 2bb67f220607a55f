// ledfont sheet: the whole font in one PNG, read back pixel by pixel.
#include <QColor>
#include <QImage>

#include "CompanionTest.h"

namespace ledfont::test {
namespace {

// The sheet's geometry as its help and the README describe it: an 8-pixel
// margin, 16 glyphs to a row, each a 97-pixel black box of LEDs 5 pixels
// square on a 6-pixel pitch (a 1-pixel gap first), its code 4 pixels below in
// 5 x 7 dots of 2 pixels, and 8 pixels to the next glyph.
constexpr int kCellWidth = 97 + 8;
constexpr int kCellHeight = 97 + 4 + 14 + 8;
int BoxLeft(int c) { return 8 + (c % 16) * kCellWidth; }
int BoxTop(int c) { return 8 + (c / 16) * kCellHeight; }
// The middle pixel of LED (x, y) of glyph c.
QPoint LedCentre(int c, int x, int y) { return {BoxLeft(c) + 1 + 6 * x + 2, BoxTop(c) + 1 + 6 * y + 2}; }

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);

bool IsNearBlack(QColor colour) {
    return colour.red() < 64 && colour.green() < 64 && colour.blue() < 64 && colour != QColor(0, 0, 0);
}

class SheetCommand : public Companion {
protected:
    QImage Sheet(const FontModel& font, const std::vector<std::string>* env = nullptr) {
        Write("font.txt", FontText(font));
        const std::vector<std::string> args = {
            LEDFONT_COMPANION, "sheet", "font.txt", font.Jukta() ? "--jukta" : "--hindi", "-o", "sheet.png"};
        const ProcessResult r = RunProcess(args, folder.Root(), env);
        EXPECT_EQ(r.status, 0) << r.err;
        return QImage(QString::fromStdString(folder.Path("sheet.png")));
    }
};

TEST_F(SheetCommand, EveryLedIsLitOrDarkAsTheFontSays) {
    for (const bool jukta : {false, true}) {
        const FontModel font = MakeFont(jukta, 3);
        const QImage image = Sheet(font);
        ASSERT_FALSE(image.isNull());
        const int glyphs = jukta ? 64 : 128;
        EXPECT_EQ(image.size(), QSize(8 + 16 * kCellWidth, 8 + glyphs / 16 * kCellHeight));
        for (int c = 0; c < glyphs; ++c)
            for (int x = 0; x < 16; ++x)
                for (int y = 0; y < 16; ++y) {
                    const QColor colour = image.pixelColor(LedCentre(c, x, y));
                    if (font.Lit(c, x, y))
                        ASSERT_EQ(colour, kRed) << "glyph " << c << " cell " << x << "," << y;
                    else
                        ASSERT_TRUE(IsNearBlack(colour)) << "glyph " << c << " cell " << x << "," << y;
                }
    }
}

TEST_F(SheetCommand, RedPixelsAreExactlyTheLitLeds) {
    const FontModel font = MakeFont(false, 8);
    const QImage image = Sheet(font);
    long lit = 0;
    for (int c = 0; c < 128; ++c)
        for (int x = 0; x < 16; ++x)
            for (int y = 0; y < 16; ++y) lit += font.Lit(c, x, y);
    long red = 0;
    for (int py = 0; py < image.height(); ++py)
        for (int px = 0; px < image.width(); ++px) red += image.pixelColor(px, py) == kRed;
    EXPECT_EQ(red, lit * 25);
}

TEST_F(SheetCommand, AGreenLineStandsAfterTheLastColumn) {
    FontModel font = MakeFont(false, 1);
    font.At(0, 0) = 3;
    font.At(1, 0) = 16;
    font.At(2, 0) = 0;
    font.At(3, 0) = 200;  // no line for a count the grid cannot hold
    const QImage image = Sheet(font);
    for (const auto& [c, n] :
         std::vector<std::pair<int, int>>{{0, 3}, {1, 16}, {2, 0}, {17, font.At(17, 0)}}) {
        for (int y = 0; y < 97; y += 8)
            EXPECT_EQ(image.pixelColor(BoxLeft(c) + 6 * n, BoxTop(c) + y), kGreen) << c;
        EXPECT_NE(image.pixelColor(BoxLeft(c) + 6 * n + 6, BoxTop(c)), kGreen) << c;
    }
    for (int x = 0; x <= 96; ++x) EXPECT_NE(image.pixelColor(BoxLeft(3) + x, BoxTop(3)), kGreen);
}

TEST_F(SheetCommand, EachGlyphIsLabelledWithItsCode) {
    // Under glyph 0 of a Hindi font "0900", under glyph 63 of a Jukta font "3F":
    // four or two 5-dot digits, centred under the box.
    const auto dotLit = [](const QImage& image, int c, int digits, int digit, int dotX, int dotY) {
        const int left = BoxLeft(c) + (97 - (digits * 12 - 2)) / 2 + digit * 12 + 2 * dotX;
        const QColor colour = image.pixelColor(left, BoxTop(c) + 97 + 4 + 2 * dotY);
        return colour.lightness() > 150;
    };
    const QImage hindi = Sheet(MakeFont(false, 1));
    // "0": top row .XXX.; "9": fourth row .XXXX
    EXPECT_FALSE(dotLit(hindi, 0, 4, 0, 0, 0));
    EXPECT_TRUE(dotLit(hindi, 0, 4, 0, 1, 0));
    EXPECT_TRUE(dotLit(hindi, 0, 4, 1, 4, 3));
    EXPECT_FALSE(dotLit(hindi, 0, 4, 1, 0, 3));
    const QImage jukta = Sheet(MakeFont(true, 1));
    // "3": top row XXXXX; "F": bottom row X....
    for (int dot = 0; dot < 5; ++dot) EXPECT_TRUE(dotLit(jukta, 63, 2, 0, dot, 0));
    EXPECT_TRUE(dotLit(jukta, 63, 2, 1, 0, 6));
    EXPECT_FALSE(dotLit(jukta, 63, 2, 1, 1, 6));
}

TEST_F(SheetCommand, NeedsNoDisplay) {
    const std::vector<std::string> env =
        EnvironmentWithout({"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
    const FontModel font = MakeFont(false, 2);
    const QImage image = Sheet(font, &env);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixelColor(LedCentre(5, 0, 0)) == kRed, font.Lit(5, 0, 0));
}

TEST_F(SheetCommand, RefusesToOverwriteTheFontAndKeepsAnOldPictureOnFailure) {
    const std::string text = FontText(MakeFont(false, 1));
    Write("font.txt", text);
    const ProcessResult self = Run({"sheet", "font.txt", "--hindi", "-o", "font.txt"});
    EXPECT_EQ(self.status, 2);
    EXPECT_EQ(Read("font.txt"), text);

    Write("bad.txt", "1\r\n");
    Write("old.png", "old picture");
    const ProcessResult bad = Run({"sheet", "bad.txt", "--hindi", "-o", "old.png"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("bad.txt"), std::string::npos) << bad.err;
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
    const QImage drawn(QString::fromStdString(folder.Path("sheet.png")));
    const QImage shown(QString::fromStdString(docs + "sheet.png"));
    EXPECT_EQ(drawn.convertToFormat(QImage::Format_RGB32), shown.convertToFormat(QImage::Format_RGB32))
        << "run: ledfont sheet docs/sample-hindi.txt --hindi -o docs/sheet.png";
}

}  // namespace
}  // namespace ledfont::test
