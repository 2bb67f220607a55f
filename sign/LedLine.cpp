#include "LedLine.h"

#include "Error.h"
#include "GlyphLimits.h"
#include "sign_draw.h"

namespace ledfont::sign {

LedLine::LedLine(int columns) : columns_(columns) {
    if (columns < 0)
        throw InvalidCallError("Invalid procedure call or argument (a line of " + std::to_string(columns) +
                               " columns)");
    bytes_.assign(2 * static_cast<std::size_t>(columns), 0xFF);
}

bool LedLine::IsLit(int column, int row) const {
    if (column < 0 || column >= columns_ || row < 0 || row >= kGridSide)
        throw SubscriptError("Subscript out of range: LED (" + std::to_string(column) + ", " +
                             std::to_string(row) + ") of a line of " + std::to_string(columns_) + " columns");
    const std::uint8_t half =
        bytes_[2 * static_cast<std::size_t>(column) + static_cast<std::size_t>(row / 8)];
    return ((half >> (row % 8)) & 1) == 0;
}

LedLine DrawLine(const LineLayout& layout, const LineFonts& fonts) {
    std::vector<SignGlyph> glyphs;
    glyphs.reserve(layout.glyphs.size());
    for (const PlacedGlyph& placed : layout.glyphs)
        glyphs.push_back({placed.column, static_cast<std::uint32_t>(placed.character - 1),
                          static_cast<std::uint8_t>(placed.font == FontMode::Jukta ? SIGN_JUKTA : SIGN_HINDI),
                          static_cast<std::uint8_t>(placed.glyph), static_cast<std::uint8_t>(placed.columns),
                          static_cast<std::uint8_t>(placed.placeholder ? SIGN_GLYPH_PLACEHOLDER : 0)});
    LedLine line(layout.columns);
    const SignFonts core = fonts.Core();
    if (sign_draw(&core, glyphs.data(), glyphs.size(), 0, line.Bytes().data(), line.Bytes().size() / 2) !=
        SIGN_OK)
        throw UnreadableFontsError();
    return line;
}

}  // namespace ledfont::sign
