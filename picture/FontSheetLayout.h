#pragma once

#include "FontMode.h"
#include "LedDigits.h"
#include "LedDrawing.h"
#include "LedLook.h"

namespace ledfont::picture {

// Where everything stands on a font sheet, in pixels. Each glyph is a box of
// 16 x 16 LEDs; under it stand its code in the dot digits and, in a Jukta
// font, its code pair on a second line, since the pair is what tells two
// conjuncts apart.
struct FontSheetLayout {
    static constexpr int kGlyphsPerRow = 16;
    static constexpr int kMargin = LedLook::kMargin;          // around the sheet and between glyphs
    static constexpr int kBox = LedLook::BoxSide(kGridSide);  // 97
    static constexpr int kLabelGap = 4;                       // box to the first label, label to label
    static constexpr int kCellWidth = kBox + kMargin;

    static constexpr int LabelLines(FontMode mode) { return mode == FontMode::Jukta ? 2 : 1; }
    static constexpr int CellHeight(FontMode mode) {
        return kBox + LabelLines(mode) * (kLabelGap + kDigitHeight) + kMargin;
    }
    static constexpr int Rows(FontMode mode) { return GlyphCount(mode) / kGlyphsPerRow; }
    static constexpr int Width() { return kMargin + kGlyphsPerRow * kCellWidth; }
    static constexpr int Height(FontMode mode) { return kMargin + Rows(mode) * CellHeight(mode); }
    // Top left of glyph c's box.
    static constexpr int BoxLeft(int c) { return kMargin + (c % kGlyphsPerRow) * kCellWidth; }
    static constexpr int BoxTop(FontMode mode, int c) {
        return kMargin + (c / kGlyphsPerRow) * CellHeight(mode);
    }
    // Top of label line 0 (the code) or 1 (the code pair) under glyph c.
    static constexpr int LabelTop(FontMode mode, int c, int line) {
        return BoxTop(mode, c) + kBox + kLabelGap + line * (kDigitHeight + kLabelGap);
    }
};

}  // namespace ledfont::picture
