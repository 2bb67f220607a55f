#include "HexText.h"

#include <cstdio>

namespace ledfont {

std::string HexCh(Byte inpb) { return {kHexDigits[inpb >> 4], kHexDigits[inpb & 0x0F]}; }

int DigitValue(char ch, int base) {
    int v = -1;
    if (ch >= '0' && ch <= '9')
        v = ch - '0';
    else if (ch >= 'A' && ch <= 'F')
        v = ch - 'A' + 10;
    else if (ch >= 'a' && ch <= 'f')
        v = ch - 'a' + 10;
    return v < base ? v : -1;
}

std::string AddressText(std::uint32_t address) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04X", address);
    return buf;
}

std::string CodePointText(char32_t codePoint) {
    return "U+" + AddressText(static_cast<std::uint32_t>(codePoint));
}

std::string GlyphCodeText(FontMode mode, int index) {
    if (mode == FontMode::Jukta) return HexCh(static_cast<Byte>(index));
    return AddressText(static_cast<std::uint32_t>(0x0900 + index));
}

std::string GlyphNameText(FontMode mode, int index) {
    return "glyph " + std::to_string(index) + " (" + GlyphCodeText(mode, index) + ")";
}

}  // namespace ledfont
