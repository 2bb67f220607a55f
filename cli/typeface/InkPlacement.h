#pragma once

#include <optional>
#include <string>

#include "FontState.h"
#include "GlyphInk.h"
#include "GlyphLimits.h"

namespace ledfont::cli {

// How much of a glyph's ink the 16 x 16 grid could not hold, how it was
// fitted in, and a centre column that had to be clamped.
struct InkCut {
    int rowsAbove = 0;
    int rowsBelow = 0;
    int columnsRight = 0;
    int movedDown = 0;  // rows the ink above the headline (or a whole mark) moved down to fit
    int movedUp = 0;    // rows the ink below the baseline (or a whole mark) moved up to fit
    std::optional<int> centreWanted;  // where marks attach, when outside 1..15 or the column count
    int centre = 0;                   // the centre column written

    bool Any() const { return rowsAbove > 0 || rowsBelow > 0 || columnsRight > 0; }
    bool Fitted() const { return movedDown > 0 || movedUp > 0; }
    bool Clamped() const { return centreWanted.has_value(); }
    // "ink cut off: 2 rows above the grid, 1 column right of it"
    std::string Text() const;
    // "fitted into the grid: its ink above the headline moved 1 row down"
    std::string FittedText() const;
    // "centre column 17, where the typeface attaches marks, clamped to 10"
    std::string ClampedText() const;
};

// Where a glyph's ink goes in the grid.
struct InkGeometry {
    int baselineRow = 16;  // 1..16: letters stand on that row, whatever their ink
    int headlineRow = 0;   // 1..16: the row of the consonants' headline
    // Ink that would cross the top or the bottom of the grid by at most this
    // many rows is fitted in: a mark moves whole, a letter moves the ink above
    // its headline down or the ink below its baseline up, closing up the two
    // neighbouring rows there that are most alike (a straight run of a stroke).
    int mostFitted = 1;
    // The pixel x, counted from the pen, at which marks attach; none: the middle of the ink.
    std::optional<int> attachX;
    bool reachesLeft = false;  // ी ो ौ: ink left of the pen stays left of the centre column
};

// Writes ink into glyph c of table. The ink starts at column 1, or further
// right by its left side bearing (less of it when the ink would not fit the
// grid's columns otherwise); ink left of the pen is moved right so that
// none is lost there; of a left-reaching sign it stands left of the centre
// column, which is then the pen's start. The column count is the advance, at
// least the ink's right edge (of an ikaar the advance alone: its arc
// overhangs; of a letter whose headline alone reaches past its advance, the
// advance, the headline left to the next letter), kept within 3..16. The centre column is where marks attach,
// kept within 1..15 and not right of the column count. Ink outside the grid
// is left out and told in the result. Non-empty ink only.
InkCut PlaceInk(const GlyphInk& ink, const InkGeometry& geometry, GlyphClass glyphClass, FontTable& table,
                int c);

}  // namespace ledfont::cli
