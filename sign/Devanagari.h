#pragma once

#include "sign_devanagari.h"

namespace ledfont::sign {

// The Devanagari character knowledge of the composer's core, for C++.
// Character U+09xx is Hindi glyph xx.
inline constexpr char32_t kFirstDevanagari = SIGN_FIRST_DEVANAGARI;
inline constexpr char32_t kLastDevanagari = SIGN_LAST_DEVANAGARI;
inline constexpr char32_t kSpace = SIGN_SPACE;

inline bool IsDevanagari(char32_t ch) { return sign_is_devanagari(ch) != 0; }
inline bool IsConsonant(char32_t ch) { return sign_is_consonant(ch) != 0; }
// ी ो ौ: their hook reaches left over the consonant before them.
inline bool ReachesLeft(char32_t ch) { return sign_reaches_left(ch) != 0; }

// The glyph of a Hindi font that stands for ch, a Devanagari character; also
// the byte a code pair of a Jukta font holds for it.
constexpr int HindiGlyphOf(char32_t ch) { return static_cast<int>(ch - kFirstDevanagari); }

}  // namespace ledfont::sign
