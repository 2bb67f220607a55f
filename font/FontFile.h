#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "FontMode.h"
#include "FontState.h"
#include "ItemReader.h"

namespace ledfont {

// The font text file: one decimal byte per line, CR LF after every line, no
// header. A Hindi file holds records 0..127 (4352 lines); a Jukta file holds
// records 0..63 and then code pairs 0..63 (2304 lines).
//
// A load reads and converts all of its items before it stores any, so a
// failed load leaves the font state exactly as it was. A load touches only the
// records (and code pairs) of its mode; none of these operations sets IsJukta,
// CurChar or FontFile.

// Reads a Hindi font file into FontBytes(0..127, 0..33). Throws the file
// errors of ItemReader::OpenFile, InputPastEndError for fewer than 4352 items,
// TypeMismatchError or OverflowError (naming the line) for an item that is not
// a byte.
void LoadFont(FontState& state, const std::string& fn);

// Reads a Jukta font file into FontBytes(0..63, 0..33) and JuktaCodes(0..63,
// 0..1); throws as LoadFont, with 2304 items.
void LoadFontJukta(FontState& state, const std::string& fn);

// Writes the table in the layout IsJukta selects. The old file is replaced
// only once the new one is complete (throws the errors of WriteFileAtomically).
void SaveFont(const FontState& state, const std::string& fn);

// The exact text SaveFont writes.
std::string FontText(const FontState& state);

// Loads a font of the given mode from text in memory; throws as LoadFont.
void LoadFontText(FontState& state, FontMode mode, std::string_view text);

// The line each item of a font file stood on, item i at [i].
using ItemLines = std::vector<long>;
// The common road of every load: the first FileItemCount(mode) items of
// reader. When lines is given, it receives the line of every item read.
void LoadFontItems(FontState& state, FontMode mode, ItemReader& reader, ItemLines* lines = nullptr);

}  // namespace ledfont
