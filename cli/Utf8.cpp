#include "Utf8.h"

namespace ledfont::cli {
namespace {

constexpr bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

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

}  // namespace

Utf8Character DecodeUtf8At(std::string_view text, std::size_t at) {
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

std::optional<std::u32string> DecodeUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character c = DecodeUtf8At(text, at);
        if (c.length == 0) return std::nullopt;
        out += c.ch;
        at += c.length;
    }
    return out;
}

}  // namespace ledfont::cli
