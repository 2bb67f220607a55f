#pragma once

#include "FontMode.h"

namespace ledfont::cli {

// Where everything stands on a font sheet, in pixels. Each glyph is a black
// box of 16 x 16 LEDs, 5 pixels square on a 6-pixel pitch with a 1-pixel
// gap before the first; its code is written under the box in 5 x 7 dot
// digits drawn 2 pixels to a dot.
struct SheetLayout {
    static constexpr int kGlyphsPerRow = 16;
    static constexpr int kMargin = 8;  // around the sheet and between glyphs
    static constexpr int kLedPitch = 6;
    static constexpr int kLedSize = 5;
    static constexpr int kBox = 16 * kLedPitch + 1;  // 97
    static constexpr int kDotSize = 2;
    static constexpr int kDigitAdvance = 6 * kDotSize;  // 5 dots and a space
    static constexpr int kLabelGap = 4;                 // box to label
    static constexpr int kLabelHeight = 7 * kDotSize;
    static constexpr int kCellWidth = kBox + kMargin;
    static constexpr int kCellHeight = kBox + kLabelGap + kLabelHeight + kMargin;

    static constexpr int Rows(FontMode mode) { return GlyphCount(mode) / kGlyphsPerRow; }
    static constexpr int Width() { return kMargin + kGlyphsPerRow * kCellWidth; }
    static constexpr int Height(FontMode mode) { return kMargin + Rows(mode) * kCellHeight; }
    // Top left of glyph c's box.
    static constexpr int BoxLeft(int c) { return kMargin + (c % kGlyphsPerRow) * kCellWidth; }
    static constexpr int BoxTop(int c) { return kMargin + (c / kGlyphsPerRow) * kCellHeight; }
    // Top left of LED (x, y) of glyph c.
    static constexpr int LedLeft(int c, int x) { return BoxLeft(c) + 1 + x * kLedPitch; }
    static constexpr int LedTop(int c, int y) { return BoxTop(c) + 1 + y * kLedPitch; }
};

}  // namespace ledfont::cli
