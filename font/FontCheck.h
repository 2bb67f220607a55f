#pragma once

#include <string>
#include <vector>

#include "FontFile.h"
#include "FontMode.h"
#include "FontState.h"

namespace ledfont {

// Something in a loaded font that the editor cannot show, or would change
// when the glyph is stepped over after an edit.
struct FontFinding {
    long line = 0;     // line of the offending byte in the font file
    std::string text;  // "glyph 5 (0905): column count 17 is outside 3..16"
};

// Checks every glyph of the font: a column count outside 3..16, a class
// outside 0..2, a centre column outside 1..15 or right of a valid column
// count, lit cells right of the column count, and in a Jukta font empty
// (00 00) or repeated code pairs, and items after the last one the mode
// reads. seen is what the load saw of the file (LoadFontItems fills it).
// Findings come in the order of the file.
std::vector<FontFinding> CheckFont(const FontState& font, FontMode mode, const LoadReport& seen);

}  // namespace ledfont
