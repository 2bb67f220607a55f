#pragma once

#include <vector>

namespace ledfont::cli {

// A lit pixel of rendered text: x columns right of the pen's start, y rows
// above the baseline (0 is the row that stands on it, -1 the row below).
struct InkPixel {
    int x = 0;
    int y = 0;
};

// The extent of some ink, inclusive, in the same coordinates.
struct InkBounds {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

// What a glyph, or a shaped conjunct, leaves on the pixel grid.
struct GlyphInk {
    std::vector<InkPixel> lit;
    int advance = 0;  // whole pixels to the next pen position

    bool Empty() const { return lit.empty(); }
    InkBounds Bounds() const;  // of a non-empty ink
    // Adds other's pixels moved right by dx and up by dy.
    void Add(const GlyphInk& other, int dx, int dy);
};

}  // namespace ledfont::cli
