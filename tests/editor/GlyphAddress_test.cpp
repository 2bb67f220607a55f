#include "GlyphAddress.h"

#include <gtest/gtest.h>

#include "Error.h"

namespace ledfont {
namespace {

// What Go to glyph makes of what the user types, in both fonts; -1: refused.
TEST(GlyphAddress, CodeIndexOrCharacterNamesAGlyphOfTheFont) {
    FontState jukta;
    jukta.IsJukta = true;
    jukta.JuktaCodes(9, 0) = 0x15;  // क्ष is the conjunct of the pair 15 37
    jukta.JuktaCodes(9, 1) = 0x37;
    const FontState hindi;
    const struct {
        const FontState& font;
        const char* text;
        int index;
    } cases[] = {
        {hindi, "0915", 0x15}, {hindi, "097f", 0x7F}, {hindi, "1F", 0x1F},     {hindi, "क", 0x15},
        {hindi, " ि ", 0x3F},  {hindi, "0A15", -1},   {hindi, "80", -1},       {hindi, "क्ष", -1},
        {hindi, "", -1},       {hindi, "k", -1},      {hindi, "\xE0\xA4", -1}, {jukta, "1F", 0x1F},
        {jukta, "40", -1},     {jukta, "0915", -1},   {jukta, "क्ष", 9},        {jukta, "त्र", -1},
        {jukta, "क", -1},
    };
    for (const auto& c : cases) {
        if (c.index < 0) {
            EXPECT_THROW(GlyphOfAddress(c.text, c.font), InvalidCallError) << c.text;
        } else {
            EXPECT_EQ(GlyphOfAddress(c.text, c.font), c.index) << c.text;
        }
    }
}

}  // namespace
}  // namespace ledfont
