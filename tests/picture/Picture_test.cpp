// The companion's picture and its PNG writer, read back with libpng's reader.
#include "Picture.h"

#include <gtest/gtest.h>

#include "../support/PngImage.h"
#include "Error.h"
#include "PngWriter.h"

namespace ledfont::test {
namespace {

using picture::EncodePng;
using picture::Picture;
using picture::Rgb;

constexpr Rgb kGrey{10, 20, 30};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kWhite{255, 255, 255};

Colour ColourOf(char ch) {
    switch (ch) {
        case 'R':
            return {255, 0, 0};
        case 'G':
            return {0, 255, 0};
        case 'B':
            return {0, 0, 255};
        case 'W':
            return {255, 255, 255};
        default:
            return {10, 20, 30};
    }
}

// A picture drawn with rectangles and what it must show, one character a pixel.
struct PictureCase {
    const char* name;
    Picture (*draw)();
    std::vector<std::string> art;

    friend void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.name; }
};

const PictureCase kCases[] = {
    {"OnePixel", [] { return Picture(1, 1, kWhite); }, {"W"}},
    {"EveryPixelOfItsOwn",
     [] {
         Picture p(3, 2, kGrey);
         p.FillRect(0, 0, 1, 1, kRed);
         p.FillRect(1, 0, 1, 1, kGreen);
         p.FillRect(2, 0, 1, 1, kBlue);
         p.FillRect(0, 1, 1, 1, kWhite);
         p.FillRect(2, 1, 1, 1, kRed);
         return p;
     },
     {"RGB", "W.R"}},
    {"RectanglesClippedAtEveryEdge",
     [] {
         Picture p(7, 5, kRed);
         p.Fill(kGrey);
         p.FillRect(-3, -2, 5, 4, kRed);                     // over the top left corner
         p.FillRect(5, 3, 100, 100, kGreen);                 // over the bottom right corner
         p.FillRect(3, -1, 1, 99, kBlue);                    // through the whole height
         p.FillRect(1, 4, 0, 1, kWhite);                     // no width: nothing
         p.FillRect(4, 4, 2, -1, kWhite);                    // negative height: nothing
         p.FillRect(-2147483647, 4, 2147483647, 1, kWhite);  // ends just left of the picture
         p.FillRect(6, 0, 2147483647, 1, kBlue);             // an end past the largest int
         return p;
     },
     {"RR.B..B", "RR.B...", "...B...", "...B.GG", "...B.GG"}},
};

class PictureReadsBack : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureReadsBack, PixelForPixelInThePictureAndItsPng) {
    const Picture picture = GetParam().draw();
    const std::vector<std::string>& art = GetParam().art;
    const PngImage png = ReadPng(EncodePng(picture));
    ASSERT_FALSE(png.IsNull()) << png.problem;
    ASSERT_EQ(picture.Width(), static_cast<int>(art[0].size()));
    ASSERT_EQ(picture.Height(), static_cast<int>(art.size()));
    EXPECT_EQ(png.width, picture.Width());
    EXPECT_EQ(png.height, picture.Height());
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const Colour expected = ColourOf(art[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
            const Rgb drawn = picture.At(x, y);
            EXPECT_EQ((Colour{drawn.red, drawn.green, drawn.blue}), expected) << x << "," << y;
            EXPECT_EQ(png.At(x, y), expected) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureReadsBack, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<PictureCase>& p) {
                             return std::string(p.param.name);
                         });

TEST(Picture, RefusesWhatItCannotHoldWithATypedError) {
    EXPECT_THROW(Picture(-1, 4), InvalidCallError);
    const Picture picture(4, 3);
    EXPECT_THROW(picture.At(4, 0), SubscriptError);
    EXPECT_THROW(picture.At(0, -1), SubscriptError);
    // libpng refuses an empty picture; its reason comes back as the error's description.
    try {
        EncodePng(Picture(0, 3));
        ADD_FAILURE() << "an empty picture was encoded";
    } catch (const InvalidCallError& e) {
        EXPECT_NE(e.Description().find("cannot be written as PNG: "), std::string::npos) << e.Description();
        EXPECT_NE(e.Description().find("IHDR"), std::string::npos) << e.Description();
    }
}

}  // namespace
}  // namespace ledfont::test
