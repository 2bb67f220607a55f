#pragma once

#include <cstddef>
#include <optional>

namespace ledfont {

// A font is either 128 Hindi glyphs (U+0900..U+097F) or 64 Jukta conjuncts
// with a code pair each.
enum class FontMode { Hindi, Jukta };

inline constexpr int kRecordBytes = 34;   // bytes 0..33 of a character's row
inline constexpr int kBitmapBytes = 32;   // record bytes 2..33
inline constexpr int kCodePairBytes = 2;  // a conjunct's two code bytes

constexpr int GlyphCount(FontMode mode) { return mode == FontMode::Jukta ? 64 : 128; }
constexpr int LastGlyph(FontMode mode) { return GlyphCount(mode) - 1; }
constexpr FontMode ModeOf(bool isJukta) { return isJukta ? FontMode::Jukta : FontMode::Hindi; }
constexpr const char* ModeName(FontMode mode) { return mode == FontMode::Jukta ? "Jukta" : "Hindi"; }

// A font text file holds the glyph records one after another, then (Jukta
// only) the code pairs; in the file Save writes, item i stands on line i + 1.
inline constexpr int kCodePairsItem = GlyphCount(FontMode::Jukta) * kRecordBytes;  // 2176, code pair 0

// The item of byte j of glyph c's code pair in a Jukta file.
constexpr int CodePairItem(int c, int j) { return kCodePairsItem + kCodePairBytes * c + j; }

constexpr int FileItemCount(FontMode mode) {
    if (mode == FontMode::Jukta) return kCodePairsItem + GlyphCount(mode) * kCodePairBytes;
    return GlyphCount(mode) * kRecordBytes;
}

// The mode the editor's loads give a file of this many items: 4352 or more
// are a Hindi font (a Jukta load refuses them: glyphs 64..127 would be lost at
// the next Save); 2304 to 4351 load as a Jukta font only; fewer load as neither.
constexpr std::optional<FontMode> ModeOfItemCount(long items) {
    if (items >= FileItemCount(FontMode::Hindi)) return FontMode::Hindi;
    if (items >= FileItemCount(FontMode::Jukta)) return FontMode::Jukta;
    return std::nullopt;
}

}  // namespace ledfont
