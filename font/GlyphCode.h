#pragma once

#include <string>

#include "FontMode.h"

namespace ledfont {

// The code a glyph stands for, as the editor labels it: a Hindi glyph its code
// point 0x0900 + index in four upper-case digits ("0905"), a Jukta glyph its
// index in two ("3F").
std::string GlyphCodeText(FontMode mode, int index);

// A glyph as reports name it: "glyph 5 (0905)", "glyph 5 (05)".
std::string GlyphNameText(FontMode mode, int index);

}  // namespace ledfont
