#pragma once

#include <array>
#include <cstdint>

namespace ledfont::cli {

// The sixteen hexadecimal digits in a 5 x 7 dot font, like the digits of an
// LED sign, so a sheet looks the same on every machine and needs no fonts.
inline constexpr int kDigitColumns = 5;
inline constexpr int kDigitRows = 7;

// The rows of a digit from the top, bit 4 the leftmost dot; ch is '0'..'9'
// or 'A'..'F'. Any other character has no dots.
std::array<std::uint8_t, kDigitRows> DigitRows(char ch);

}  // namespace ledfont::cli
