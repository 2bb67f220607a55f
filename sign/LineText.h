#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "Error.h"

namespace ledfont::sign {

// The characters of a line given as UTF-8, each a space or a character of
// U+0900..U+097F. Throws InvalidCallError for the first that is neither, or
// for the first byte that is not UTF-8 (a stray continuation byte, a cut or
// overlong sequence, a surrogate), saying which and where: its position in
// characters counted from 1.
std::u32string ReadLineText(std::string_view utf8);

// The refusals of ReadLineText: character (counted from 1) that starts at
// byte (counted from 1) is not UTF-8, or is ch, which a line cannot hold.
InvalidCallError NotUtf8Error(std::size_t character, std::size_t byte);
InvalidCallError NotDevanagariError(std::size_t character, char32_t ch);

}  // namespace ledfont::sign
