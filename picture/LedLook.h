#pragma once

#include "Picture.h"

namespace ledfont::picture {

// How every picture of the companion shows LEDs, so a sheet of glyphs and a
// line of text look like the same sign: square LEDs 5 pixels wide on a
// 6-pixel pitch, set in a black box with a 1-pixel gap around each, lit red
// and dark near black, on a grey background with a margin of 8 pixels.
struct LedLook {
    static constexpr int kLedSize = 5;
    static constexpr int kLedPitch = 6;
    static constexpr int kMargin = 8;  // around a picture's boxes

    static constexpr Rgb kBackground{48, 48, 48};
    static constexpr Rgb kBox{0, 0, 0};
    static constexpr Rgb kLit{255, 0, 0};
    static constexpr Rgb kDark{36, 36, 36};
    static constexpr Rgb kColumnLine{0, 255, 0};  // marks a glyph's width
    static constexpr Rgb kLabel{220, 220, 220};

    // Pixels across a box of n LEDs: n pitches and the gap after the last.
    static constexpr int BoxSide(int leds) { return leds * kLedPitch + 1; }
    // Offset of LED i from the box's left (or top) edge.
    static constexpr int LedOffset(int i) { return 1 + i * kLedPitch; }
};

}  // namespace ledfont::picture
