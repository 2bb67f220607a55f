#pragma once

#include "FontState.h"
#include "Picture.h"

namespace ledfont::picture {

// The whole font on one picture, 16 glyphs to a row: each glyph as its
// 16 x 16 LEDs, a green line in the gap after its last column (none for a
// column count over 16), and under it its code ("0905", "3F") and, in a Jukta
// font, its code pair ("15 37").
Picture DrawFontSheet(const FontState& font, FontMode mode);

}  // namespace ledfont::picture
