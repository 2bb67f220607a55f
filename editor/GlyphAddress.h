#pragma once

#include <cstdint>
#include <string_view>

#include "FontState.h"

namespace ledfont {

// The glyph a user names to go to:
//  - a code of four hexadecimal digits, 0900..097F (a Hindi font);
//  - an index of two, 00..7F or 00..3F (either font; in a Hindi font the
//    index is the code's low byte);
//  - the character itself: one of U+0900..U+097F in a Hindi font; in a Jukta
//    font a consonant, a virama and a consonant, the conjunct whose code
//    pair is the two consonants' low bytes.
// Surrounding blanks are ignored. Throws InvalidCallError saying why for
// anything else, or when no glyph of the font answers to it.
std::int16_t GlyphOfAddress(std::string_view text, const FontState& font);

}  // namespace ledfont
