#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ByteTable.h"
#include "FontMode.h"

namespace ledfont {

using RecordBytes = std::array<Byte, kRecordBytes>;

// What the editor holds of one glyph: the record bytes 0..33 that storing it
// would write (the canvas, the lists and the class option), and in a Jukta
// font the two code texts as typed.
struct EditorGlyph {
    std::int16_t index = 0;
    RecordBytes record{};
    std::array<std::string, 2> codes;
    bool operator==(const EditorGlyph&) const = default;
};

}  // namespace ledfont
