#pragma once

#include <string>

#include "ByteTable.h"
#include "ControllerMap.h"
#include "FontState.h"

namespace ledfont {

// The HEX file written beside fontFile: its last three characters replaced by
// "hex". Throws BadFileNameError when the name is shorter than three
// characters, when those three characters reach into the folder part (the file
// would land outside the font's folder), or when the result is the font file
// itself (same path, or the same existing file through a link), so an export
// can never overwrite the font.
std::string HexOutputName(const std::string& fontFile);

// Fills HexBuf with the image of the font in the mode IsJukta selects and
// returns the whole Intel HEX text: 16-byte data records from 0x9000 (Hindi)
// or from 0xA100 and 0xAA00 (Jukta), then ":00000001FF", each line ended by CR LF.
std::string HexImageText(FontState& state);

// Replaces the file name with HexImageText, all or nothing. Throws
// BadFileNameError when name is the font file (FontFile) itself, and the typed
// file errors of WriteFileAtomically; a failure leaves no partly written file.
void WriteHexFile(FontState& state, const std::string& name);
// The Make HEX File command: does nothing when no font file is selected, else
// WriteHexFile to HexOutputName(FontFile). Throws as both.
void MakeHexFile(FontState& state);

}  // namespace ledfont
