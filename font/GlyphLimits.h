#pragma once

namespace ledfont {

// What the editor's controls can show of a glyph record, and so what a font
// should hold: the column-count list offers 3..16, the centre list 1..15, and
// the three class options Consonant, Vowel and Ikaar. The loader itself
// accepts any byte; these limits are what the editor and the checks hold to.
enum class GlyphClass { Consonant = 0, Vowel = 1, Ikaar = 2 };

inline constexpr int kGridSide = 16;  // LEDs across and down a glyph
inline constexpr int kFewestColumns = 3;
inline constexpr int kMostColumns = kGridSide;
inline constexpr int kFirstCentre = 1;
inline constexpr int kLastCentre = 15;
inline constexpr int kLastClass = static_cast<int>(GlyphClass::Ikaar);

// Items of the two lists: item i of the column list is i + 3, of the centre list i + 1.
inline constexpr int kColumnItems = kMostColumns - kFewestColumns + 1;  // 14
inline constexpr int kCentreItems = kLastCentre - kFirstCentre + 1;     // 15

constexpr bool IsShownColumnCount(int n) { return n >= kFewestColumns && n <= kMostColumns; }
constexpr bool IsShownCentre(int centre) { return centre >= kFirstCentre && centre <= kLastCentre; }
constexpr bool IsShownClass(int glyphClass) { return glyphClass >= 0 && glyphClass <= kLastClass; }

}  // namespace ledfont
