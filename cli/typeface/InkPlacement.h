#pragma once

#include <string>

#include "FontState.h"
#include "GlyphInk.h"
#include "GlyphLimits.h"

namespace ledfont::cli {

// How much of a glyph's ink the 16 x 16 grid could not hold.
struct InkCut {
    int rowsAbove = 0;
    int rowsBelow = 0;
    int columnsRight = 0;

    bool Any() const { return rowsAbove > 0 || rowsBelow > 0 || columnsRight > 0; }
    // "ink cut off: 2 rows above the grid, 1 column right of it"
    std::string Text() const;
};

// Writes ink into glyph c of table, its baseline under row baselineRow
// (1..16; letters stand on that row, whatever its ink). The ink starts at
// column 1, or further right by its left side bearing; ink left of the pen is
// moved right so that none is lost there. The column count is the advance, at
// least the ink's right edge, kept within 3..16; the centre column is the
// middle of the ink, within 1..15 and not right of the column count. Ink
// outside the grid is left out and told in the result. Non-empty ink only.
InkCut PlaceInk(const GlyphInk& ink, int baselineRow, GlyphClass glyphClass, FontTable& table, int c);

}  // namespace ledfont::cli
