#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "Error.h"

namespace ledfont::sign {

// The characters of a line given as UTF-8. Throws InvalidCallError for the
// first byte that is not UTF-8 (a stray continuation byte, a cut or overlong
// sequence, a surrogate), saying where: its position in characters counted
// from 1. Any character is taken: what the fonts lack is drawn as a box.
std::u32string DecodeLineText(std::string_view utf8);

// The refusal of DecodeLineText: character (counted from 1) that starts at
// byte (counted from 1) is not UTF-8; and what the core's SIGN_NOT_DEVANAGARI
// would say, were it returned: character is ch, which a line cannot hold.
InvalidCallError NotUtf8Error(std::size_t character, std::size_t byte);
InvalidCallError NotDevanagariError(std::size_t character, char32_t ch);

}  // namespace ledfont::sign
