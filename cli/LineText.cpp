#include "LineText.h"

#include <cstdio>

#include "Devanagari.h"
#include "Error.h"

namespace ledfont::cli {
namespace {

constexpr bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The character that starts at text[at], and how many bytes it takes; a
// length of 0 when the bytes there are no UTF-8.
struct Decoded {
    char32_t ch = 0;
    std::size_t length = 0;
};

// What a lead byte of two, three or four bytes holds: the bits that mark it,
// and the smallest character such a sequence may stand for (below it the
// sequence is overlong).
struct LeadByte {
    unsigned char mask;
    unsigned char marker;
    std::size_t length;
    char32_t smallest;
};
constexpr LeadByte kLeadBytes[] = {{0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};

Decoded DecodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1};
    for (const LeadByte& kind : kLeadBytes) {
        if ((lead & kind.mask) != kind.marker) continue;
        if (text.size() - at < kind.length) return {};
        char32_t ch = lead & static_cast<unsigned char>(~kind.mask);
        for (std::size_t k = 1; k < kind.length; ++k) {
            const auto byte = static_cast<unsigned char>(text[at + k]);
            if (!IsContinuation(byte)) return {};
            ch = (ch << 6) | (byte & 0x3Fu);
        }
        if (ch < kind.smallest || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return {};
        return {ch, kind.length};
    }
    return {};  // a continuation byte, or a byte no UTF-8 holds
}

}  // namespace

std::string CodePointText(char32_t ch) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(ch));
    return buf;
}

std::u32string ReadLineText(std::string_view utf8) {
    std::u32string line;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::string position = "character " + std::to_string(line.size() + 1) + " of the text";
        const Decoded d = DecodeAt(utf8, at);
        if (d.length == 0)
            throw InvalidCallError("Invalid procedure call or argument (" + position + ", at byte " +
                                   std::to_string(at + 1) + ", is not UTF-8)");
        if (d.ch != kSpace && !IsDevanagari(d.ch))
            throw InvalidCallError("Invalid procedure call or argument (" + position + " is " +
                                   CodePointText(d.ch) +
                                   ", outside U+0900..U+097F; a line holds Devanagari and spaces only)");
        line += d.ch;
        at += d.length;
    }
    return line;
}

}  // namespace ledfont::cli
