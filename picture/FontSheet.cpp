#include "FontSheet.h"

#include <string>

#include "FontSheetLayout.h"
#include "HexText.h"

namespace ledfont::picture {
namespace {

using L = FontSheetLayout;

void DrawLabel(Picture& picture, const std::string& text, int left, int top) {
    DrawDigits(picture, text, left + (L::kBox - DigitsWidth(text)) / 2, top, LedLook::kLabel);
}

}  // namespace

Picture DrawFontSheet(const FontState& font, FontMode mode) {
    Picture picture(L::Width(), L::Height(mode), LedLook::kBackground);
    for (int c = 0; c < GlyphCount(mode); ++c) {
        const GlyphView glyph(font.FontBytes, c);
        const int left = L::BoxLeft(c);
        const int top = L::BoxTop(mode, c);
        DrawGlyphLeds(picture, glyph, left, top);
        if (glyph.ColumnCount() <= kGridSide) DrawColumnLine(picture, left, top, glyph.ColumnCount());
        DrawLabel(picture, GlyphCodeText(mode, c), left, L::LabelTop(mode, c, 0));
        if (mode == FontMode::Jukta)
            DrawLabel(picture, HexCh(font.JuktaCodes(c, 0)) + ' ' + HexCh(font.JuktaCodes(c, 1)), left,
                      L::LabelTop(mode, c, 1));
    }
    return picture;
}

}  // namespace ledfont::picture
