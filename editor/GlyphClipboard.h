#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "EditorGlyph.h"

namespace ledfont {

// A glyph as the clipboard carries it between editors, as text:
//   ledfont-glyph 1
//   0A 01 FF FF ... (the 34 record bytes in hexadecimal)
//   15 37           (a Jukta glyph's code pair; none for a Hindi glyph)
struct ClipboardGlyph {
    RecordBytes record{};
    std::optional<std::array<Byte, 2>> codes;
    bool operator==(const ClipboardGlyph&) const = default;
};

std::string GlyphClipboardText(const ClipboardGlyph& glyph);
// Nothing for any text that is not such a glyph.
std::optional<ClipboardGlyph> ParseGlyphClipboardText(std::string_view text);

}  // namespace ledfont
