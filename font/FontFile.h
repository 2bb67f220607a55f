#pragma once

#include <string>
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
// 0..1); throws as LoadFont, with 2304 items, and BadFileModeError for a file
// of 4352 items or more (a whole Hindi font).
void LoadFontJukta(FontState& state, const std::string& fn);

// The mode a font file's item count gives it by the rules of the loads
// (ModeOfItemCount), for a command that is not told which. Throws the file
// errors of ItemReader::OpenFile, TypeMismatchError for an item too long to be
// a byte, and InputPastEndError, naming both sizes, for a file too short for
// either mode.
FontMode FontFileMode(const std::string& fn);

// Writes the table in the layout IsJukta selects. The old file is replaced
// only once the new one is complete (throws the errors of WriteFileAtomically).
void SaveFont(const FontState& state, const std::string& fn);

// The exact text SaveFont writes.
std::string FontText(const FontState& state);

// The line each item of a font file stood on, item i at [i].
using ItemLines = std::vector<long>;

// What a load saw of the file besides the bytes, for a check of the file.
struct LoadReport {
    ItemLines lines;          // the line of every item the mode reads
    long itemsAfter = 0;      // items after the last one the mode reads (Load ignores them, Save drops them)
    long firstLineAfter = 0;  // the line of the first of those, 0 for none
};

// The common road of every load: the first FileItemCount(mode) items of
// reader. A Jukta load reads on as far as a Hindi font reaches, and refuses
// a file that holds a whole Hindi font (BadFileModeError): loaded as Jukta,
// the next Save would drop glyphs 64..127. When report is given, the reader
// is read to its end and report receives what it saw.
void LoadFontItems(FontState& state, FontMode mode, ItemReader& reader, LoadReport* report = nullptr);

}  // namespace ledfont
