#pragma once

#include <string>
#include <string_view>

namespace ledfont {

// Text from a file or a field as an error description quotes it: printable
// ASCII as is, any other byte (NUL, broken UTF-8...) as '?', and at most
// 32 characters, the longest item a font file may hold.
inline std::string QuotedForMessage(std::string_view text) {
    constexpr std::size_t kMostShown = 32;
    std::string out = "\"";
    for (char ch : text.substr(0, kMostShown)) out += (ch >= 0x20 && ch < 0x7F) ? ch : '?';
    if (text.size() > kMostShown) out += "...";
    return out + "\"";
}

}  // namespace ledfont
