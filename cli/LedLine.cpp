#include "LedLine.h"

#include "Error.h"
#include "GlyphRecord.h"
#include "LedDrawing.h"

namespace ledfont::cli {

LedLine::LedLine(int columns) : columns_(columns) {
    if (columns < 0)
        throw InvalidCallError("Invalid procedure call or argument (a line of " + std::to_string(columns) +
                               " columns)");
    lit_.resize(static_cast<std::size_t>(columns) * kGridSide);
}

std::size_t LedLine::At(int column, int row) const {
    return static_cast<std::size_t>(column) * kGridSide + static_cast<std::size_t>(row);
}

bool LedLine::IsLit(int column, int row) const {
    if (column < 0 || column >= columns_ || row < 0 || row >= kGridSide)
        throw SubscriptError("Subscript out of range: LED (" + std::to_string(column) + ", " +
                             std::to_string(row) + ") of a line of " + std::to_string(columns_) + " columns");
    return lit_[At(column, row)];
}

void LedLine::Light(int column, int row) {
    if (column >= 0 && column < columns_ && row >= 0 && row < kGridSide) lit_[At(column, row)] = true;
}

LedLine DrawLine(const LineLayout& layout, const LineFonts& fonts) {
    LedLine line(layout.columns);
    for (const PlacedGlyph& placed : layout.glyphs) {
        const GlyphView view(fonts.Table(placed.font), placed.glyph);
        for (int x = 0; x < placed.columns; ++x)
            for (int y = 0; y < kGridSide; ++y)
                if (view.IsLit(x, y)) line.Light(placed.column + x, y);
    }
    return line;
}

std::string LineArt(const LedLine& line) {
    std::string art;
    art.reserve(static_cast<std::size_t>(line.Columns() + 1) * kGridSide);
    for (int y = 0; y < kGridSide; ++y) {
        for (int x = 0; x < line.Columns(); ++x) art += line.IsLit(x, y) ? '#' : '.';
        art += '\n';
    }
    return art;
}

}  // namespace ledfont::cli
