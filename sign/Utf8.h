#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ledfont::sign {

// The character that starts at text[at] and how many bytes it takes; a length
// of 0 when the bytes there are no UTF-8 (a stray continuation byte, a cut or
// overlong sequence, a surrogate, a value past U+10FFFF).
struct Utf8Character {
    char32_t ch = 0;
    std::size_t length = 0;
};
Utf8Character DecodeUtf8At(std::string_view text, std::size_t at);

// The characters of UTF-8 text, or nothing when it is not UTF-8.
std::optional<std::u32string> DecodeUtf8(std::string_view text);

// text as UTF-8; every code point is taken as it is.
std::string EncodeUtf8(std::u32string_view text);

}  // namespace ledfont::sign
