#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "FontState.h"

namespace ledfont::cli {

// The fonts a line is drawn with: a Hindi font, and a Jukta font of conjuncts
// when one is given.
struct LineFonts {
    const FontState& hindi;
    const FontState* jukta = nullptr;

    const FontTable& Table(FontMode mode) const {
        return mode == FontMode::Jukta ? jukta->FontBytes : hindi.FontBytes;
    }
};

// One glyph where the sign shows it.
struct PlacedGlyph {
    FontMode font = FontMode::Hindi;  // the font it comes from
    int glyph = 0;                    // its index in that font
    int column = 0;                   // the line column of its column 0; left of the line for some marks
    int columns = 0;                  // how many of its columns are drawn: its column count, at most 16
    std::size_t character = 0;        // its first character in the text, counted from 1
};

// Something drawn as its record says rather than as the model of the display
// would have it, told to the user at the character it comes from.
struct LineNote {
    std::size_t character = 0;
    std::string text;  // "character 4, Hindi glyph 65 (0941): ..."
};

// A line of text laid out on a sign.
struct LineLayout {
    std::vector<PlacedGlyph> glyphs;  // in the order they are drawn
    int columns = 0;                  // the columns the line takes
    std::vector<LineNote> notes;      // in the order of the text
};

// Lays out text (spaces and U+0900..U+097F) as the sign shows it:
// - character U+09xx is Hindi glyph xx; a space is spaceColumns dark columns;
// - a consonant, a virama and a consonant become one Jukta glyph when the
//   Jukta font has a glyph whose code pair is the low bytes of the two
//   consonants (क्ष: 15 37), read from the left, so a longer cluster joins its
//   first pair that has one; otherwise the three Hindi glyphs stand;
// - a glyph of class 0 takes its column count in columns, left to right;
// - a glyph of class 1 (a mark) takes none: its centre column is put on the
//   centre column of the glyph before it, marks between them skipped;
// - a glyph of class 2 (ikaar) that follows a cluster, a run of consonants
//   joined by viramas (with their nukta) however it is drawn, goes before the
//   whole cluster, and takes its columns; anywhere else it stands where it is.
// A mark with nothing before it (at the start or after a space) takes its
// columns. A column count outside 3..16, a class outside 0..2 (taken as 0),
// a mark with nothing before it and lit LEDs of a mark outside the line are
// drawn as the record says and told in notes.
LineLayout LayOutLine(std::u32string_view text, const LineFonts& fonts, int spaceColumns);

}  // namespace ledfont::cli
