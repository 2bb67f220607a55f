#pragma once

#include <cstddef>

namespace ledfont {

// A font is either 128 Hindi glyphs (U+0900..U+097F) or 64 Jukta conjuncts
// with a code pair each.
enum class FontMode { Hindi, Jukta };

inline constexpr int kRecordBytes = 34;  // bytes 0..33 of a character's row
inline constexpr int kBitmapBytes = 32;  // record bytes 2..33

constexpr int GlyphCount(FontMode mode) { return mode == FontMode::Jukta ? 64 : 128; }
constexpr int LastGlyph(FontMode mode) { return GlyphCount(mode) - 1; }
constexpr FontMode ModeOf(bool isJukta) { return isJukta ? FontMode::Jukta : FontMode::Hindi; }
constexpr const char* ModeName(FontMode mode) { return mode == FontMode::Jukta ? "Jukta" : "Hindi"; }

// Items in a font text file: the glyph records, then (Jukta only) the code pairs.
constexpr int FileItemCount(FontMode mode) {
    return mode == FontMode::Jukta ? 64 * kRecordBytes + 64 * 2 : 128 * kRecordBytes;
}

}  // namespace ledfont
