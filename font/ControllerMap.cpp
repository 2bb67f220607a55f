#include "ControllerMap.h"

#include "HexText.h"

namespace ledfont {
namespace {

// Byte k of a glyph record as an editor user knows it.
std::string RecordByteName(int k) {
    if (k == 0) return "column count";
    if (k == 1) return "class and centre";
    const int column = (k - 2) / 2 + 1;
    return "column " + std::to_string(column) + (k % 2 == 0 ? ", rows 1..8" : ", rows 9..16");
}

MappedByte GlyphByte(const FontState& font, std::uint32_t offset) {
    const int glyph = static_cast<int>(offset / kRecordBytes);
    const int k = static_cast<int>(offset % kRecordBytes);
    return {font.FontBytes(glyph, k), false, glyph, k};
}

MappedByte CodeByte(const FontState& font, std::uint32_t offset) {
    const int glyph = static_cast<int>(offset) / kCodePairBytes;
    const int j = static_cast<int>(offset) % kCodePairBytes;
    return {font.JuktaCodes(glyph, j), true, glyph, j};
}

bool Holds(const MapBlock& block, std::uint32_t address) {
    return address >= block.base && address < block.End();
}

}  // namespace

std::span<const MapBlock> ControllerMap(FontMode mode) {
    constexpr auto kHindiGlyphBytes = static_cast<std::uint32_t>(GlyphCount(FontMode::Hindi) * kRecordBytes);
    constexpr auto kJuktaGlyphBytes = static_cast<std::uint32_t>(GlyphCount(FontMode::Jukta) * kRecordBytes);
    constexpr auto kJuktaCodeBytes = static_cast<std::uint32_t>(GlyphCount(FontMode::Jukta) * kCodePairBytes);
    static constexpr MapBlock kHindi[] = {{kHindiGlyphBase, kHindiGlyphBytes}};
    static constexpr MapBlock kJukta[] = {{kJuktaGlyphBase, kJuktaGlyphBytes},
                                          {kJuktaCodeBase, kJuktaCodeBytes}};
    if (mode == FontMode::Hindi) return kHindi;
    return kJukta;
}

std::string ControllerMapText(FontMode mode) {
    std::string text;
    for (const MapBlock& block : ControllerMap(mode)) {
        if (!text.empty()) text += " and ";
        text += AddressText(block.base) + ".." + AddressText(block.End() - 1);
    }
    return text;
}

std::optional<MappedByte> FontByteAt(const FontState& font, FontMode mode, std::uint32_t address) {
    const std::span<const MapBlock> map = ControllerMap(mode);
    if (Holds(map[0], address)) return GlyphByte(font, address - map[0].base);
    if (map.size() > 1 && Holds(map[1], address)) return CodeByte(font, address - map[1].base);
    return std::nullopt;
}

bool MapHolds(FontMode mode, std::uint32_t address) {
    for (const MapBlock& block : ControllerMap(mode))
        if (Holds(block, address)) return true;
    return false;
}

std::string MappedByteName(FontMode mode, const MappedByte& byte) {
    const std::string index = " byte " + std::to_string(byte.index);
    return (byte.isCodePair ? "code pair of " : "") + GlyphNameText(mode, byte.glyph) + index;
}

std::string DescribeMappedByte(FontMode mode, const MappedByte& byte) {
    if (byte.isCodePair) return MappedByteName(mode, byte);
    return MappedByteName(mode, byte) + ", " + RecordByteName(byte.index);
}

}  // namespace ledfont
