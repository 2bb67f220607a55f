#pragma once

#include <string_view>

#include "ByteTable.h"

namespace ledfont {

// The one way text becomes a table value (file items and code fields).
// Accepts, after trimming blanks and tabs at both ends: decimal digits with an
// optional sign, or "&H" followed by hexadecimal digits (either case).
// Throws OverflowError for a number outside 0..255 (including negatives),
// TypeMismatchError for anything else, the empty text and fractions included.
Byte TextToByte(std::string_view text);

}  // namespace ledfont
