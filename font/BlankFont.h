#pragma once

#include "FontMode.h"
#include "FontState.h"
#include "GlyphLimits.h"
#include "GlyphRecord.h"

namespace ledfont {

// A blank glyph: column count 10, centre column 1, class consonant, every LED
// dark, as the window shows a glyph before anything is loaded.
inline constexpr int kBlankColumnCount = 10;
inline constexpr int kBlankCentre = kFirstCentre;

// Makes the records (and, in a Jukta font, the code pairs, 00 00) of the
// mode blank; the rest of the table stays as it is.
inline void MakeBlankFont(FontState& font, FontMode mode) {
    font.IsJukta = mode == FontMode::Jukta;
    for (int c = 0; c < GlyphCount(mode); ++c) {
        GlyphRecord record(font.FontBytes, c);
        record.SetColumnCount(kBlankColumnCount);
        record.SetClassAndCentre(static_cast<int>(GlyphClass::Consonant), kBlankCentre);
        for (int i = 0; i < kBitmapBytes; ++i) record.SetBitmapByte(i, 0xFF);
        if (mode == FontMode::Jukta) font.JuktaCodes(c, 0) = font.JuktaCodes(c, 1) = 0;
    }
}

}  // namespace ledfont
