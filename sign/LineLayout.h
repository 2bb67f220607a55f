#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "FontMode.h"
#include "LineFonts.h"

namespace ledfont::sign {

// One glyph where the sign shows it.
struct PlacedGlyph {
    FontMode font = FontMode::Hindi;  // the font it comes from
    int glyph = 0;                    // its index in that font
    int column = 0;                   // the line column of its column 0; left of the line for some marks
    int columns = 0;                  // how many of its columns are drawn: its column count, at most 16
    std::size_t character = 0;        // its first character in the text, counted from 1
    bool placeholder = false;         // a character the fonts lack, drawn as a box; font and glyph mean nothing
};

// Something drawn as its record says rather than as the model of the display
// would have it, told to the user at the character it comes from.
struct LineNote {
    std::size_t character = 0;
    std::string text;  // "character 4, Hindi glyph 65 (0941): ..."
    // What the user should fix rather than merely know: a character drawn as
    // a placeholder, or a glyph that lights nothing.
    bool missing = false;
};

// Whether notes tell something the user should fix (a placeholder, a blank glyph).
bool TellsMissing(const std::vector<LineNote>& notes);

// A line of text laid out on a sign.
struct LineLayout {
    std::vector<PlacedGlyph> glyphs;  // in the order they are drawn
    int columns = 0;                  // the columns the line takes
    std::vector<LineNote> notes;      // in the order of the text
};

// Lays out text (UTF-8) as the sign shows it, with the composer's core
// (sign_compose tells the model), a space being spaceColumns (0..255) dark
// columns; a character other than a space, ZWJ, ZWNJ and U+0900..U+097F is a
// placeholder box, told in the notes. Throws InvalidCallError for text that
// DecodeLineText refuses, with the same description.
LineLayout LayOutLine(std::string_view utf8, const LineFonts& fonts, int spaceColumns);

}  // namespace ledfont::sign
