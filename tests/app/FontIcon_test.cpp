#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <regex>
#include <set>
#include <string>
#include <utility>

#include "FontIcon.h"

namespace {

using ledfont::FontIconImage;
using ledfont::IconLedLit;
using ledfont::kIconLeds;

// The window's icon as it has always looked, drawn by hand: the pictures the
// window must keep showing at 16 and 32 pixels.
const char* const kDrawnIcon32[] = {
    "32 32 4 1",
    ". c #000000",
    "r c #E00000",
    "R c #FF6060",
    "d c #400000",
    "d.d.d.d.d.d.d.d.d.d.d.d.d.d.d.d.",
    "................................",
    "d.RrRrRrRrRrRrRrRrRrRrRrRrRrRrd.",
    "..rrrrrrrrrrrrrrrrrrrrrrrrrrrr..",
    "d.d.d.d.d.d.d.d.Rrd.d.d.d.d.d.d.",
    "................rr..............",
    "d.d.d.d.d.d.d.d.Rrd.d.d.d.d.d.d.",
    "................rr..............",
    "d.d.RrRrRrd.d.d.Rrd.d.RrRrRrd.d.",
    "....rrrrrr......rr....rrrrrr....",
    "d.Rrd.d.d.Rrd.d.Rrd.Rrd.d.d.Rrd.",
    "..rr......rr....rr..rr......rr..",
    "d.Rrd.d.d.d.Rrd.RrRrd.d.d.d.Rrd.",
    "..rr........rr..rrrr........rr..",
    "d.d.Rrd.d.d.RrRrRrd.d.d.d.Rrd.d.",
    "....rr......rrrrrr........rr....",
    "d.d.d.RrRrRrRrd.Rrd.RrRrRrd.d.d.",
    "......rrrrrrrr..rr..rrrrrr......",
    "d.d.d.d.d.d.d.d.Rrd.d.d.d.d.d.d.",
    "................rr..............",
    "d.d.d.d.d.d.d.d.Rrd.d.d.d.d.d.d.",
    "................rr..............",
    "d.d.d.d.d.d.d.d.Rrd.d.d.d.d.d.d.",
    "................rr..............",
    "d.d.d.d.d.d.d.d.Rrd.d.d.d.d.d.d.",
    "................rr..............",
    "d.d.d.d.d.d.d.d.Rrd.d.d.d.d.d.d.",
    "................rr..............",
    "d.d.d.d.d.d.d.d.d.d.d.d.d.d.d.d.",
    "................................",
    "d.d.d.d.d.d.d.d.d.d.d.d.d.d.d.d.",
    "................................"
};
const char* const kDrawnIcon16[] = {
    "16 16 2 1",
    ". c #000000",
    "r c #E00000",
    "................",
    ".rrrrrrrrrrrrrr.",
    "........r.......",
    "........r.......",
    "..rrr...r..rrr..",
    ".r...r..r.r...r.",
    ".r....r.rr....r.",
    "..r...rrr....r..",
    "...rrrr.r.rrr...",
    "........r.......",
    "........r.......",
    "........r.......",
    "........r.......",
    "........r.......",
    "................",
    "................"
};

bool LooksLit(QRgb pixel) { return qRed(pixel) >= 0xC0 && qGreen(pixel) < 0x80; }
bool LooksDark(QRgb pixel) { return qRed(pixel) <= 0x40 && qGreen(pixel) == 0; }

TEST(FontIcon, WindowIconIsTheDrawnPictureAtSixteenAndThirtyTwoPixels) {
    for (const auto& [size, drawn] : {std::pair{16, kDrawnIcon16}, std::pair{32, kDrawnIcon32}}) {
        SCOPED_TRACE(size);
        const QImage expected = QImage(drawn).convertToFormat(QImage::Format_RGB32);
        const QImage made = FontIconImage(size).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(made.size(), expected.size());
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ASSERT_EQ(made.pixel(x, y), expected.pixel(x, y)) << "pixel " << x << ',' << y;
    }
}

// Every theme size shows the same letter: each LED's middle is lit or dark as
// the pattern says, with the grid centred in the picture.
TEST(FontIcon, EveryThemeSizeLightsTheSameLeds) {
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage image = FontIconImage(size);
        ASSERT_EQ(image.size(), QSize(size, size));
        const int pitch = size / kIconLeds;
        const int margin = (size - pitch * kIconLeds) / 2;
        for (int row = 0; row < kIconLeds; ++row) {
            for (int column = 0; column < kIconLeds; ++column) {
                const QRgb middle = image.pixel(margin + column * pitch + pitch / 2, margin + row * pitch + pitch / 2);
                const bool lit = IconLedLit(row, column);
                EXPECT_TRUE(lit ? LooksLit(middle) : LooksDark(middle))
                    << "LED " << column << ',' << row << " should be " << (lit ? "lit" : "dark");
            }
        }
        if (margin > 0) {
            EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
        }
    }
}

TEST(FontIcon, ScalableIconLightsTheSameLeds) {
    const std::string svg = ledfont::FontIconSvg();
    const std::regex litCircle(R"re(<circle cx="(\d+)" cy="(\d+)" r="6" fill="#E00000"/>)re");
    std::set<std::pair<int, int>> drawn;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), litCircle); it != std::sregex_iterator(); ++it)
        drawn.insert({(std::stoi((*it)[2]) - 8) / 16, (std::stoi((*it)[1]) - 8) / 16});
    std::set<std::pair<int, int>> pattern;
    for (int row = 0; row < kIconLeds; ++row)
        for (int column = 0; column < kIconLeds; ++column) {
            if (IconLedLit(row, column)) pattern.insert({row, column});
        }
    EXPECT_EQ(drawn, pattern);
    EXPECT_NE(svg.find("viewBox=\"0 0 256 256\""), std::string::npos);
}

}  // namespace
