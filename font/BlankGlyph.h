#pragma once

#include "FontMode.h"
#include "FontState.h"
#include "GlyphLimits.h"
#include "GlyphRecord.h"

namespace ledfont {

// The glyph the window shows before anything is loaded: column count 10,
// centre column 1, every LED dark. A new font is made of it, and an import
// leaves it where the typeface has nothing to draw.
inline constexpr int kBlankColumnCount = 10;
inline constexpr int kBlankCentre = kFirstCentre;

inline void SetBlankGlyph(FontTable& table, int c, GlyphClass glyphClass = GlyphClass::Consonant) {
    GlyphRecord record(table, c);
    record.SetColumnCount(kBlankColumnCount);
    record.SetClassAndCentre(static_cast<int>(glyphClass), kBlankCentre);
    for (int i = 0; i < kBitmapBytes; ++i) record.SetBitmapByte(i, 0xFF);
}

// A font of blank glyphs in the given mode; a Jukta font's code pairs are 00 00.
inline FontState BlankFont(FontMode mode) {
    FontState font;
    font.IsJukta = mode == FontMode::Jukta;
    for (int c = 0; c < GlyphCount(mode); ++c) SetBlankGlyph(font.FontBytes, c);
    return font;
}

}  // namespace ledfont
