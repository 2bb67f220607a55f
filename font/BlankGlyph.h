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

// Makes the records of the mode blank and, in a Jukta font, the code pairs
// 00 00; the rest of the table stays as it is.
inline void MakeBlankFont(FontState& font, FontMode mode) {
    font.IsJukta = mode == FontMode::Jukta;
    for (int c = 0; c < GlyphCount(mode); ++c) {
        SetBlankGlyph(font.FontBytes, c);
        if (mode == FontMode::Jukta) font.JuktaCodes(c, 0) = font.JuktaCodes(c, 1) = 0;
    }
}

// A font of blank glyphs in the given mode.
inline FontState BlankFont(FontMode mode) {
    FontState font;
    MakeBlankFont(font, mode);
    return font;
}

}  // namespace ledfont
