#include "Utf8.h"

#include "sign_utf8.h"

namespace ledfont::sign {

Utf8Character DecodeUtf8At(std::string_view text, std::size_t at) {
    std::uint32_t ch = 0;
    const std::size_t length =
        sign_utf8_decode(reinterpret_cast<const std::uint8_t*>(text.data()) + at, text.size() - at, &ch);
    return {length == 0 ? 0 : static_cast<char32_t>(ch), length};
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

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    for (const char32_t ch : text) {
        if (ch < 0x80) {
            out += static_cast<char>(ch);
        } else if (ch < 0x800) {
            out += static_cast<char>(0xC0 | (ch >> 6));
            out += static_cast<char>(0x80 | (ch & 0x3F));
        } else if (ch < 0x10000) {
            out += static_cast<char>(0xE0 | (ch >> 12));
            out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (ch & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (ch >> 18));
            out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (ch & 0x3F));
        }
    }
    return out;
}

}  // namespace ledfont::sign
