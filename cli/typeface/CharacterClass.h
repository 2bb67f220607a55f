#pragma once

#include "GlyphLimits.h"

namespace ledfont::cli {

// What the Unicode character data says of a code point, as a glyph's class:
// U+093F, the vowel sign i drawn before its consonant, is ikaar; the marks
// drawn above or below their base (general category Mn) are vowels; every
// other character is a consonant.
GlyphClass ClassOf(char32_t codePoint);

// Whether Unicode assigns the code point at all.
bool IsAssigned(char32_t codePoint);

}  // namespace ledfont::cli
