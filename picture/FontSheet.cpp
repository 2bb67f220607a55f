#include "FontSheet.h"

#include <string>

#include "FontSheetLayout.h"
#include "HexText.h"

namespace ledfont::picture {
namespace {

using Layout = FontSheetLayout;

void DrawLabel(Picture& picture, const std::string& text, int left, int top) {
    DrawDigits(picture, text, left + (Layout::kBox - DigitsWidth(text)) / 2, top, LedLook::kLabel);
}

}  // namespace

Picture DrawFontSheet(const FontState& font, FontMode mode) {
    Picture picture(Layout::Width(), Layout::Height(mode), LedLook::kBackground);
    for (int c = 0; c < GlyphCount(mode); ++c) {
        const GlyphView glyph(font.FontBytes, c);
        const int left = Layout::BoxLeft(c);
        const int top = Layout::BoxTop(mode, c);
        DrawGlyphLeds(picture, glyph, left, top);
        if (glyph.ColumnCount() <= kGridSide) DrawColumnLine(picture, left, top, glyph.ColumnCount());
        DrawLabel(picture, GlyphCodeText(mode, c), left, Layout::LabelTop(mode, c, 0));
        if (mode == FontMode::Jukta)
            DrawLabel(picture, HexCh(font.JuktaCodes(c, 0)) + ' ' + HexCh(font.JuktaCodes(c, 1)), left,
                      Layout::LabelTop(mode, c, 1));
    }
    return picture;
}

}  // namespace ledfont::picture
