#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "ByteTable.h"
#include "FontMode.h"
#include "FontState.h"

namespace ledfont {

// Controller addresses of the blocks a HEX export writes: the glyph records
// one after another, and in a Jukta font the code pairs after them.
inline constexpr std::uint32_t kHindiGlyphBase = 0x9000;
inline constexpr std::uint32_t kJuktaGlyphBase = 0xA100;
inline constexpr std::uint32_t kJuktaCodeBase = 0xAA00;

// A run of controller memory that holds one block of the font.
struct MapBlock {
    std::uint32_t base;
    std::uint32_t size;
    std::uint32_t End() const { return base + size; }  // one past the last address
};

// The blocks of a font of this mode, in address order: 0x9000..0xA0FF for
// Hindi; 0xA100..0xA97F and 0xAA00..0xAA7F for Jukta.
std::span<const MapBlock> ControllerMap(FontMode mode);

// The blocks as a reader sees them: "9000..A0FF", "A100..A97F and AA00..AA7F".
std::string ControllerMapText(FontMode mode);

// Whether address lies on the map of a font of this mode.
bool MapHolds(FontMode mode, std::uint32_t address);

// What the font puts at an address of the map.
struct MappedByte {
    Byte value;
    bool isCodePair;  // a code pair byte, else a glyph record byte
    int glyph;
    int index;  // byte 0..33 of the record, or 0..1 of the code pair
};

// The font's byte at address, or nothing when the address lies outside the map.
std::optional<MappedByte> FontByteAt(const FontState& font, FontMode mode, std::uint32_t address);

// Where the byte belongs: "glyph 2 (0902) byte 1", "code pair of glyph 3 (03) byte 0".
std::string MappedByteName(FontMode mode, const MappedByte& byte);

// The byte as an editor user knows it: "glyph 2 (0902) byte 1, class and
// centre", "code pair of glyph 3 (03) byte 0".
std::string DescribeMappedByte(FontMode mode, const MappedByte& byte);

}  // namespace ledfont
