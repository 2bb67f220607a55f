#pragma once

#include <string>
#include <string_view>

namespace ledfont::cli {

// The characters of a line given as UTF-8, each a space or a character of
// U+0900..U+097F. Throws InvalidCallError for the first that is neither, or
// for the first byte that is not UTF-8 (a stray continuation byte, a cut or
// overlong sequence, a surrogate), saying which and where: its position in
// characters counted from 1.
std::u32string ReadLineText(std::string_view utf8);

}  // namespace ledfont::cli
