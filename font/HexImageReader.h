#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ByteTable.h"

namespace ledfont {

// Something wrong with a HEX file, where it stands.
struct HexProblem {
    long line = 0;  // from 1; 0 for the file as a whole (a missing end record or byte)
    std::string text;
};

// What the reading of a HEX file meets, in the order of the file. Each call
// returns whether to read on.
class HexImageVisitor {
public:
    virtual ~HexImageVisitor() = default;
    // A data byte at the address a loader puts it, from line (counted from 1).
    virtual bool OnByte(std::uint32_t address, Byte value, long line) = 0;
    // A line that is no well-formed record (its data is skipped), a line after
    // the end record (the reading ends there), or no end record at all (line 0).
    virtual bool OnProblem(HexProblem problem) = 0;
};

// Reads an Intel HEX file as a controller's loader does. Every line must be a
// well-formed record (see ParseHexRecord); line ends may be CR LF or LF.
// Extended segment and linear address records move the data that follows;
// start address records are allowed and ignored; the end record closes the
// file. The 16-bit offset of a record wraps within its segment, as in every
// Intel HEX reader.
void ReadHexImage(std::string_view text, HexImageVisitor& visitor);

}  // namespace ledfont
