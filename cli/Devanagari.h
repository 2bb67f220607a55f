#pragma once

namespace ledfont::cli {

// The characters a line of a sign may hold, and the ones its layout treats
// specially. Character U+09xx is Hindi glyph xx.
inline constexpr char32_t kFirstDevanagari = 0x0900;
inline constexpr char32_t kLastDevanagari = 0x097F;
inline constexpr char32_t kSpace = 0x0020;
inline constexpr char32_t kNukta = 0x093C;   // the dot under a consonant: क + ़ is क़
inline constexpr char32_t kVirama = 0x094D;  // joins the consonant before it to the one after

constexpr bool IsDevanagari(char32_t ch) { return ch >= kFirstDevanagari && ch <= kLastDevanagari; }

// The consonant letters: क..ह, the letters with a nukta क़..य़, and the later
// consonant letters ॸ..ॿ (Marwari, Sindhi, Kashmiri and others). These are
// what a virama joins into clusters and conjuncts. Independent vowels, signs
// and digits are not consonants.
constexpr bool IsConsonant(char32_t ch) {
    return (ch >= 0x0915 && ch <= 0x0939) || (ch >= 0x0958 && ch <= 0x095F) || (ch >= 0x0978 && ch <= 0x097F);
}

// The glyph of a Hindi font that stands for ch, a Devanagari character; also
// the byte a code pair of a Jukta font holds for it.
constexpr int HindiGlyphOf(char32_t ch) { return static_cast<int>(ch - kFirstDevanagari); }

}  // namespace ledfont::cli
