#pragma once

#include <cstdint>
#include <string>

#include "ByteTable.h"
#include "FontMode.h"

namespace ledfont {

// How the program writes numbers as hexadecimal text: upper-case digits,
// bytes always as two ("0A"), addresses with at least four.
inline constexpr char kHexDigits[] = "0123456789ABCDEF";

// One byte as two upper-case hexadecimal digits ("00", "0A", "FF").
std::string HexCh(Byte inpb);

// The value of one digit of the base (up to 16; either case), or -1.
int DigitValue(char ch, int base = 16);

// An address as upper-case hexadecimal digits, at least four: "9000".
std::string AddressText(std::uint32_t address);

// A code point as Unicode writes it: "U+0041", "U+1F600".
std::string CodePointText(char32_t codePoint);

// The code a glyph stands for, as the editor labels it: a Hindi glyph its code
// point 0x0900 + index in four upper-case digits ("0905"), a Jukta glyph its
// index in two ("3F").
std::string GlyphCodeText(FontMode mode, int index);

// A glyph as reports name it: "glyph 5 (0905)", "glyph 5 (05)".
std::string GlyphNameText(FontMode mode, int index);

}  // namespace ledfont
