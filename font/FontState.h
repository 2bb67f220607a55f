#pragma once

#include <cstdint>
#include <string>

#include "ByteTable.h"
#include "FontMode.h"

namespace ledfont {

using FontTable = ByteTable<201, 51>;  // FontBytes(character 0..200, byte 0..50)
using CodeTable = ByteTable<201, 3>;   // JuktaCodes(character 0..200, slot 0..2)

// The font held in memory for the whole run; fixed in size and zero at start.
struct FontState {
    ByteArray<51> MapBytes;  // the canvas read back, record bytes 2..33 as 0..31
    FontTable FontBytes;
    std::int16_t CurChar = 0;  // glyph on the canvas
    std::string FontFile;      // full path of the chosen file, empty for none
    ByteArray<5001> HexBuf;    // linear image built by the HEX export
    bool IsJukta = false;      // mode of the last successful load
    CodeTable JuktaCodes;

    FontMode Mode() const { return ModeOf(IsJukta); }
};

}  // namespace ledfont
